#include "websbservice.h"

#include "connectionqueue.h"
#include "eventstream.h"
#include "pagestore.h"
#include "passcodegate.h"
#include "statewriter.h"

#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFile>

#include <httplib.h>

#include <atomic>
#include <chrono>
#include <mutex>

#include <sys/socket.h>

namespace websb {

namespace {

const char *const TextType = "text/plain; charset=utf-8";

std::string resource(const QString &name)
{
    QFile file(QStringLiteral(":/websb/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
}

void noStore(httplib::Response &res)
{
    res.set_header("Cache-Control", "no-store");
}

void unknownPage(httplib::Response &res)
{
    res.status = 404;
    res.set_content("unknown page", TextType);
}

std::string rawQuery(const httplib::Request &req)
{
    const std::size_t mark = req.target.find('?');
    return mark == std::string::npos ? std::string() : req.target.substr(mark + 1);
}

} // namespace

// cpp-httplib listens with a backlog of 5, built into the library: a thousand viewers arriving at
// kick-off (or reconnecting after a restart) would overflow it and wait seconds for the kernel's
// retries. Listening again on the bound socket raises it.
class HttpServer : public httplib::Server
{
public:
    bool widenBacklog() { return ::listen(svr_sock_, SOMAXCONN) == 0; }
};

// Refusals go to the log with the page and the reason, never the query, which holds the
// passcode. A flood of bad requests is summed up instead of being written line by line.
class RefusalLog
{
public:
    void note(const std::string &page, const std::string &address, const std::string &reason)
    {
        const qint64 second = QDateTime::currentSecsSinceEpoch();
        std::lock_guard lock(m_mutex);
        if (second != m_second) {
            if (m_dropped > 0) {
                qWarning().noquote()
                    << QStringLiteral("varnelo-websb: %1 more refusals not shown").arg(m_dropped);
            }
            m_second = second;
            m_shown = 0;
            m_dropped = 0;
        }
        if (++m_shown > LinesPerSecond) {
            ++m_dropped;
            return;
        }
        const QString name = QString::fromStdString(page);
        qWarning().noquote() << QStringLiteral("varnelo-websb: refused an update of %1 from %2: %3")
                                    .arg(
                                        isValidPageName(name) ? name : QStringLiteral("(bad name)"),
                                        QString::fromStdString(address),
                                        QString::fromStdString(reason));
    }

private:
    static constexpr int LinesPerSecond = 10;
    std::mutex m_mutex;
    qint64 m_second = 0;
    int m_shown = 0;
    int m_dropped = 0;
};

WebScoreboardService::WebScoreboardService(ServiceConfig config, UpdateHandler::Clock clock)
    : m_config(std::move(config))
    , m_refusals(std::make_unique<RefusalLog>())
    , m_maxStreams(m_config.maxConnections - m_config.maxConnections / 8)
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
    m_handler
        = std::make_unique<UpdateHandler>(*m_store, *m_gate, m_config.interval, std::move(clock));
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
    m_writer = std::make_unique<StateWriter>(*m_store, m_config.dataFolder);
    m_store->setChangeListener(
        [writer = m_writer.get()](const std::string &page, const PageState &state) {
            writer->schedule(page, state.final);
        });

    m_server = std::make_unique<HttpServer>();
    const auto maxConnections = static_cast<std::size_t>(m_config.maxConnections);
    m_server->new_task_queue = [maxConnections] { return new ConnectionQueue(maxConnections); };
    // A board keeps its connection between updates; the library's default closes it after five.
    m_server->set_keep_alive_max_count(100000);
    m_server->set_payload_max_length(64 * 1024);
    // The library sends the head and the body of a reply apart; with Nagle's algorithm the body
    // then waits for the client's delayed ACK, some 40 ms.
    m_server->set_tcp_nodelay(true);
    // The library's default adds SO_REUSEPORT, which lets a second instance share the port and
    // take half of the boards' updates. Only a quick restart after a stop is wanted.
    m_server->set_socket_options([](int socket) {
        const int yes = 1;
        setsockopt(socket, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof(yes));
    });
    addRoutes();

    const std::string host = m_config.host.toStdString();
    if (m_config.port == 0) {
        m_port = m_server->bind_to_any_port(host);
    } else if (m_server->bind_to_port(host, m_config.port)) {
        m_port = m_config.port;
    }
    if (m_port <= 0 || !m_server->widenBacklog()) {
        error = QStringLiteral("cannot listen on %1 port %2").arg(m_config.host).arg(m_config.port);
        m_server.reset();
        return false;
    }
    auto ended = std::make_shared<std::atomic<bool>>(false);
    m_listener = std::thread([server = m_server.get(), ended] {
        server->listen_after_bind();
        *ended = true;
    });
    // The library's stop() does nothing until the server runs: a stop right after start must
    // not find it still starting.
    while (!m_server->is_running() && !*ended) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    if (!m_server->is_running()) {
        error = QStringLiteral("the server on %1 port %2 stopped at once")
                    .arg(m_config.host)
                    .arg(m_port);
        stop();
        return false;
    }
    return true;
}

void WebScoreboardService::stop()
{
    m_store->shutdown();
    if (m_server) {
        m_server->stop();
    }
    if (m_listener.joinable()) {
        m_listener.join();
    }
    m_server.reset();
    m_writer.reset(); // writes what is pending
}

void WebScoreboardService::flush()
{
    if (m_writer) {
        m_writer->flush();
    }
}

void WebScoreboardService::addRoutes()
{
    httplib::Server &server = *m_server;

    server.Get(R"(/web/([^/]+))", [this](const httplib::Request &req, httplib::Response &res) {
        const std::string page = req.matches[1];
        Reply reply = m_handler->handle(page, rawQuery(req));
        if (!reply.accepted()) {
            m_refusals->note(page, req.remote_addr, reply.body);
        }
        res.status = reply.status;
        noStore(res);
        res.set_content(std::move(reply.body), TextType);
    });

    server.Get(R"(/api/([^/]+))", [this](const httplib::Request &req, httplib::Response &res) {
        const std::string page = req.matches[1];
        if (!m_store->contains(page)) {
            unknownPage(res);
            return;
        }
        noStore(res);
        res.set_content(*m_store->snapshot(page).json, "application/json");
    });

    server.Get(
        R"(/api/([^/]+)/events)", [this](const httplib::Request &req, httplib::Response &res) {
            const std::string page = req.matches[1];
            if (!m_store->contains(page)) {
                unknownPage(res);
                return;
            }
            // A stream holds its thread for the whole game: past the limit, viewers
            // could take every thread and lock the boards out.
            if (++m_streams > m_maxStreams) {
                --m_streams;
                res.status = 503;
                res.set_content("too many viewers, try again later", TextType);
                return;
            }
            noStore(res);
            res.set_header("X-Accel-Buffering", "no"); // nginx: pass each event on at once
            auto stream = std::make_shared<EventStream>(*m_store, page);
            res.set_chunked_content_provider(
                "text/event-stream",
                [stream](size_t, httplib::DataSink &sink) {
                    const std::optional<std::string> chunk = stream->next();
                    return chunk && sink.write(chunk->data(), chunk->size());
                },
                [this](bool) { --m_streams; });
        });

    const auto html = std::make_shared<const std::string>(resource(QStringLiteral("live.html")));
    server.Get(R"(/([^/]+))", [this, html](const httplib::Request &req, httplib::Response &res) {
        if (!m_store->contains(req.matches[1].str())) {
            unknownPage(res);
            return;
        }
        res.set_header("Cache-Control", "no-cache");
        res.set_content(*html, "text/html; charset=utf-8");
    });

    const std::pair<const char *, const char *> assets[] = {
        {"live.js", "text/javascript; charset=utf-8"},
        {"live.css", "text/css; charset=utf-8"},
    };
    for (const auto &[name, type] : assets) {
        const auto body = std::make_shared<const std::string>(resource(QString::fromLatin1(name)));
        server.Get(std::string("/static/") + name,
            [body, type](const httplib::Request &, httplib::Response &res) {
                res.set_header("Cache-Control", "no-cache");
                res.set_content(*body, type);
            });
    }

    // Answers the library makes itself (no route, over-long request) get a text too.
    server.set_error_handler([](const httplib::Request &, httplib::Response &res) {
        if (res.body.empty()) {
            const char *text = res.status == 404 ? "not found"
                : res.status == 414              ? "request too long"
                                                 : "bad request";
            res.set_content(text, TextType);
        }
    });
    server.set_exception_handler(
        [](const httplib::Request &, httplib::Response &res, std::exception_ptr) {
            res.status = 500;
            res.set_content("internal error", TextType);
        });
}

} // namespace websb
