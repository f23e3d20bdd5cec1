#include "websbservice.h"

#include "addresscounter.h"
#include "boardaddresses.h"
#include "guesslimiter.h"
#include "livefeed.h"
#include "pagestore.h"
#include "passcodegate.h"
#include "passcodepool.h"
#include "redislink.h"
#include "refusallog.h"
#include "serviceresponses.h"
#include "statewriter.h"

#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QRandomGenerator>

namespace websb {

namespace {

namespace refusal = websbprotocol::refusal;

// Slow checks waiting at most; beyond, a board is told to come back (a guesser is refused
// sooner, by the guess limits).
constexpr std::size_t MaxQueuedChecks = 256;

} // namespace

WebScoreboardService::WebScoreboardService(ServiceConfig config, UpdateHandler::Clock clock)
    : m_config(std::move(config))
    , m_refusals(std::make_unique<RefusalLog>())
    , m_streamsPerAddress(std::make_unique<AddressCounter>())
{
    if (!clock) {
        clock = [] { return QDateTime::currentMSecsSinceEpoch(); };
    }
    std::vector<std::string> pages;
    for (const auto &entry : m_config.pages) {
        pages.push_back(entry.first);
    }
    m_store = std::make_unique<PageStore>(pages);
    m_gate = std::make_unique<PasscodeGate>(m_config.pages);
    m_boards = std::make_unique<BoardAddresses>(
        QDir(m_config.dataFolder).filePath(QStringLiteral("board-addresses")));
    m_guesses = std::make_unique<GuessLimiter>(m_config.guesses);
    m_pending = std::make_unique<PendingChecks>();
    m_handler
        = std::make_unique<UpdateHandler>(*m_store, *m_gate, m_config.interval, std::move(clock));
    m_html = resource(QStringLiteral("live.html"));
    m_script = resource(QStringLiteral("live.js"));
    m_style = resource(QStringLiteral("live.css"));
}

WebScoreboardService::~WebScoreboardService()
{
    stop();
}

bool WebScoreboardService::start(QString &error)
{
    if (!QDir().mkpath(m_config.dataFolder)) {
        error = QStringLiteral("cannot create the data folder %1").arg(m_config.dataFolder);
        return false;
    }
    for (const QString &problem : restorePages(*m_store, m_config.dataFolder)) {
        qWarning().noquote() << QStringLiteral("varnelo-websb: ") + problem;
    }
    m_boards->load(m_store->pages());
    if (m_config.redis && !startRedis(error)) {
        return false;
    }
    m_writer = std::make_unique<StateWriter>(*m_store, m_config.dataFolder);
    m_server = std::make_unique<HttpServer>(*this, m_config);
    m_feed = std::make_unique<LiveFeed>(m_server->context(), *m_store);
    m_pool = std::make_unique<PasscodePool>(m_config.passcodeWorkers, MaxQueuedChecks);
    m_store->setChangeListener([writer = m_writer.get(), feed = m_feed.get()](
                                   const std::string &page, const PageState &state) {
        writer->schedule(page, state.final);
        feed->pageChanged(page);
    });

    std::string failure;
    if (!m_server->listen(m_config.host.toStdString(), m_config.port, failure)) {
        error = QStringLiteral("cannot listen on %1 port %2: %3")
                    .arg(m_config.host)
                    .arg(m_config.port)
                    .arg(QString::fromStdString(failure));
        m_feed.reset();
        m_server.reset();
        return false;
    }
    m_port = m_server->port();
    if (m_redis) {
        m_redis->start([this](const std::string &page, const std::string &json) {
            PageState state;
            QString ignored;
            if (m_store->contains(page)
                && pageStateFromJson(QByteArray::fromStdString(json), page, state, ignored)) {
                m_store->restore(page, state);
                m_writer->schedule(page, state.final);
                m_feed->pageChanged(page);
            }
        });
    }
    m_feed->start();
    m_server->start();
    return true;
}

void WebScoreboardService::stop()
{
    if (m_stopped) {
        return;
    }
    m_stopped = true;
    m_store->shutdown();
    // In this order, while the network threads still run (and may still call on each): the
    // checks under the digest end, those still queued are dropped, and every request waiting on
    // one is answered. Nothing but the server may hold a connection once the server is gone.
    if (m_pool) {
        m_pool->stop();
    }
    m_pending->finishAll({false, Reply{503, std::string(refusal::Stopping)}, 1});
    if (m_redis) {
        m_redis->stop(); // answers the boards whose updates it was storing
    }
    if (m_feed) {
        m_feed->stop();
    }
    if (m_server) {
        m_server->stop();
    }
    m_feed.reset();
    m_server.reset();
    m_pool.reset();
    m_redis.reset();
    m_writer.reset(); // writes what is pending
}

bool WebScoreboardService::startRedis(QString &error)
{
    m_redis = std::make_unique<RedisLink>(
        *m_config.redis, std::to_string(QRandomGenerator::system()->generate64()));
    std::map<std::string, std::string> states;
    if (!m_redis->load(m_store->pages(), states, error)) {
        m_redis.reset();
        return false;
    }
    // What Redis holds is what every instance has shown; a newer local file cannot be, unless
    // it was written while Redis was not in use.
    for (const auto &[page, json] : states) {
        PageState state;
        QString problem;
        if (!pageStateFromJson(QByteArray::fromStdString(json), page, state, problem)) {
            qWarning().noquote() << QStringLiteral(
                "varnelo-websb: ignored the state of %1 in Redis: %2")
                                        .arg(QString::fromStdString(page), problem);
        } else if (state.updatedMs >= m_store->state(page).updatedMs) {
            m_store->restore(page, state);
        }
    }
    return true;
}

void WebScoreboardService::flush()
{
    if (m_writer) {
        m_writer->flush();
    }
}

int WebScoreboardService::connectionCount() const
{
    return m_server ? m_server->connectionCount() : 0;
}

int WebScoreboardService::networkThreads() const
{
    return m_server ? m_server->threadCount() : 0;
}

std::size_t WebScoreboardService::viewerCount() const
{
    return m_feed ? m_feed->viewerCount() : 0;
}

std::size_t WebScoreboardService::checksWaiting() const
{
    return m_pending->size();
}

void WebScoreboardService::handle(
    const HttpRequest &request, std::shared_ptr<HttpExchange> exchange)
{
    if (request.method != "GET" && request.method != "HEAD") {
        HttpResponse refusal = textResponse(405, "only GET and HEAD are served");
        refusal.headers.emplace_back("Allow", "GET, HEAD");
        exchange->reply(std::move(refusal));
        return;
    }
    const RequestTarget target = splitTarget(request.target);
    const std::string_view path = target.path;
    const auto startsWith = [&](std::string_view prefix) { return path.rfind(prefix, 0) == 0; };

    if (startsWith("/web/")) {
        const auto page = pageName(path.substr(5));
        if (!page) {
            exchange->reply(textResponse(404, "not found"));
            return;
        }
        handleUpdate(*page, target.query, request.client, std::move(exchange));
        return;
    }
    if (startsWith("/api/")) {
        std::string_view rest = path.substr(5);
        constexpr std::string_view Events = "/events";
        const bool events
            = rest.size() > Events.size() && rest.substr(rest.size() - Events.size()) == Events;
        if (events) {
            rest.remove_suffix(Events.size());
        }
        const auto page = pageName(rest);
        if (!page || !m_store->contains(*page)) {
            exchange->reply(unknownPage());
        } else if (events) {
            handleStream(*page, request, std::move(exchange));
        } else {
            exchange->reply(pageJsonResponse(*page, request));
        }
        return;
    }
    const auto asset = [&](std::shared_ptr<const std::string> body, const char *type) {
        HttpResponse response;
        response.contentType = type;
        response.sharedBody = std::move(body);
        response.headers.emplace_back("Cache-Control", "no-cache");
        return response;
    };
    if (path == "/static/live.js") {
        exchange->reply(asset(m_script, "text/javascript; charset=utf-8"));
        return;
    }
    if (path == "/static/live.css") {
        exchange->reply(asset(m_style, "text/css; charset=utf-8"));
        return;
    }
    const auto page = path.size() > 1 ? pageName(path.substr(1)) : std::nullopt;
    if (page && m_store->contains(*page)) {
        exchange->reply(asset(m_html, "text/html; charset=utf-8"));
        return;
    }
    exchange->reply(page ? unknownPage() : textResponse(404, "not found"));
}

HttpResponse WebScoreboardService::updateReply(
    const std::string &page, const std::string &client, Reply reply, int retryAfter)
{
    if (!reply.accepted()) {
        m_refusals->note(page, client, reply.body);
    }
    const bool accepted = reply.accepted();
    HttpResponse response = textResponse(reply.status, std::move(reply.body));
    response.headers.emplace_back("Cache-Control", "no-store");
    if (accepted) {
        // Tells the board that it may send the match and the teams beside its figures.
        response.headers.emplace_back(std::string(websbprotocol::UnderstandsHeader),
            std::string(websbprotocol::UnderstandsMatch) + ", "
                + std::string(websbprotocol::UnderstandsTeams));
    }
    return retryAfter > 0 ? withRetryAfter(std::move(response), retryAfter) : response;
}

void WebScoreboardService::handleUpdate(const std::string &page, std::string_view query,
    const std::string &client, std::shared_ptr<HttpExchange> exchange)
{
    UpdateHandler::Prepared prepared = m_handler->prepare(page, query);
    if (prepared.refusal) {
        exchange->reply(updateReply(page, client, std::move(*prepared.refusal)));
        return;
    }
    // The right passcode, once seen, is answered here on the network thread: no limit and no
    // queue stands between a board and its update.
    const std::optional<bool> known = m_gate->quickCheck(page, prepared.update.passcode);
    if (known && *known) {
        finishUpdate(page, client, exchange, m_handler->accept(page, prepared.update));
        return;
    }
    if (known) {
        const GuessLimiter::Decision decision = m_guesses->refuseKnownWrong(client, page);
        exchange->reply(decision.retryAfter > 0
                ? updateReply(
                    page, client, {429, std::string(refusal::TooManyGuesses)}, decision.retryAfter)
                : updateReply(page, client, {403, std::string(refusal::WrongPasscode)}));
        return;
    }
    // The same passcode already being checked for this page (a board with several requests in
    // flight): wait for that answer instead of spending the budget and a worker again.
    const std::string key = page + '\n' + prepared.update.passcode;
    auto respond = [this, page, client, exchange, update = prepared.update](
                       const PendingChecks::Outcome &outcome) {
        if (outcome.refusal) {
            exchange->reply(updateReply(page, client, *outcome.refusal, outcome.retryAfter));
        } else if (outcome.right) {
            finishUpdate(page, client, exchange, m_handler->accept(page, update));
        } else {
            exchange->reply(updateReply(page, client, {403, std::string(refusal::WrongPasscode)}));
        }
    };
    // The addresses this page's board published from go first and past the page's cap: after a
    // restart, guessers from many addresses cannot make its first update wait or be refused.
    const bool board = m_boards->contains(page, client);
    GuessLimiter::Decision decision;
    const PendingChecks::Joined joined = m_pending->joinOrStart(key, std::move(respond), [&] {
        decision = m_guesses->admit(client, page, board);
        return decision.admitted;
    });
    if (joined == PendingChecks::Joined::Waiting) {
        return;
    }
    if (joined == PendingChecks::Joined::Refused) {
        exchange->reply(updateReply(
            page, client, {429, std::string(refusal::TooManyGuesses)}, decision.retryAfter));
        return;
    }
    const bool reserved = decision.reserved;
    auto check = [this, page, client, key, reserved, passcode = prepared.update.passcode] {
        // Guesses spread over several instances are counted together.
        if (m_redis
            && !m_redis->countGuess(GuessLimiter::clientOf(client), m_config.guesses.perAddress)) {
            m_guesses->settle(client, page, false, reserved);
            m_pending->finish(key, {false, Reply{429, std::string(refusal::TooManyGuesses)}, 60});
            return;
        }
        const bool right = m_gate->slowCheck(page, passcode);
        m_guesses->settle(client, page, right, reserved);
        m_pending->finish(key, {right, std::nullopt, 0});
    };
    const PasscodePool::Lane lane = board ? PasscodePool::Lane::Board
        : decision.suspect                ? PasscodePool::Lane::Suspect
                                          : PasscodePool::Lane::First;
    if (!m_pool->submit(lane, std::move(check))) {
        m_guesses->withdraw(client, page, reserved);
        // Not a verdict on the passcode: every request that waited is told to come back.
        m_pending->finish(key, {false, Reply{503, std::string(refusal::TooManyChecks)}, 1});
    }
}

void WebScoreboardService::finishUpdate(const std::string &page, const std::string &client,
    std::shared_ptr<HttpExchange> exchange, Reply reply)
{
    if (reply.accepted()) {
        m_boards->note(page, client); // writes its small file only when the board has moved
    }
    if (!m_redis || !reply.accepted()) {
        exchange->reply(updateReply(page, client, std::move(reply)));
        return;
    }
    // The board hears of its update only once the other instances can: an instance killed
    // after answering loses nothing.
    m_redis->store(page, m_store->snapshot(page).json,
        [this, page, client, exchange, reply = std::move(reply)](bool stored) mutable {
            exchange->reply(stored
                    ? updateReply(page, client, std::move(reply))
                    : updateReply(page, client, {503, std::string(refusal::SharedStateDown)}, 1));
        });
}

} // namespace websb
