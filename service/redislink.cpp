#include "redislink.h"

#include <QDebug>

#include <algorithm>
#include <chrono>

#include <hiredis.h>
#include <poll.h>
#include <sys/socket.h>

namespace websb {

namespace {

const std::string Channel = "varnelo-websb:updates";
constexpr auto ReconnectAfter = std::chrono::milliseconds(500);

timeval toTimeval(std::chrono::milliseconds duration)
{
    const auto ms = std::max<std::int64_t>(1, duration.count());
    return {static_cast<time_t>(ms / 1000), static_cast<suseconds_t>(ms % 1000 * 1000)};
}

// Redis sends nothing unasked on a connection with no command pending: anything to read there,
// an end of file above all, means Redis closed it (a restart) and a write would fail.
bool closedByRedis(const redisContext *context)
{
    pollfd idle{context->fd, POLLIN | POLLRDHUP, 0};
    return ::poll(&idle, 1, 0) != 0;
}

struct ReplyDeleter
{
    void operator()(redisReply *reply) const { freeReplyObject(reply); }
};
using ReplyPtr = std::unique_ptr<redisReply, ReplyDeleter>;

ReplyPtr command(redisContext *context, const std::vector<std::string> &arguments)
{
    std::vector<const char *> argv;
    std::vector<size_t> lengths;
    for (const std::string &argument : arguments) {
        argv.push_back(argument.data());
        lengths.push_back(argument.size());
    }
    return ReplyPtr(static_cast<redisReply *>(
        redisCommandArgv(context, static_cast<int>(argv.size()), argv.data(), lengths.data())));
}

void warn(const QString &message)
{
    qWarning().noquote() << QStringLiteral("varnelo-websb: Redis: ") + message;
}

} // namespace

RedisLink::RedisLink(RedisAddress address, std::string instance)
    : m_address(std::move(address))
    , m_instance(std::move(instance))
{
}

RedisLink::~RedisLink()
{
    stop();
    if (m_guessContext) {
        redisFree(m_guessContext);
    }
}

std::string RedisLink::pageKey(const std::string &page)
{
    return "varnelo-websb:page:" + page;
}

redisContext *RedisLink::connect() const
{
    const timeval timeout = toTimeval(m_address.timeout);
    redisContext *context = m_address.host.isEmpty()
        ? redisConnectUnixWithTimeout(m_address.socketPath.toUtf8().constData(), timeout)
        : redisConnectWithTimeout(m_address.host.toUtf8().constData(), m_address.port, timeout);
    // Every call waits at most this long: a Redis that stops answering must not hold the boards'
    // updates, the guesses or the stop.
    if (!context || context->err || redisSetTimeout(context, timeout) != REDIS_OK) {
        if (context) {
            redisFree(context);
        }
        return nullptr;
    }
    if (m_address.database != 0) {
        const ReplyPtr selected = command(context, {"SELECT", std::to_string(m_address.database)});
        if (!selected || selected->type == REDIS_REPLY_ERROR) {
            redisFree(context);
            return nullptr;
        }
    }
    return context;
}

bool RedisLink::load(const std::vector<std::string> &pages,
    std::map<std::string, std::string> &states, QString &error)
{
    std::lock_guard lock(m_guessMutex);
    if (!m_guessContext) {
        m_guessContext = connect();
    }
    if (!m_guessContext) {
        error = QStringLiteral("cannot reach Redis at %1")
                    .arg(m_address.host.isEmpty()
                            ? m_address.socketPath
                            : m_address.host + QLatin1Char(':') + QString::number(m_address.port));
        return false;
    }
    for (const std::string &page : pages) {
        const ReplyPtr reply = command(m_guessContext, {"GET", pageKey(page)});
        if (!reply) {
            error = QStringLiteral("Redis stopped answering: %1")
                        .arg(QString::fromUtf8(m_guessContext->errstr));
            redisFree(m_guessContext);
            m_guessContext = nullptr;
            return false;
        }
        if (reply->type == REDIS_REPLY_STRING) {
            states[page] = std::string(reply->str, reply->len);
        }
    }
    return true;
}

void RedisLink::start(RemoteUpdate remote)
{
    m_remote = std::move(remote);
    m_writer = std::thread([this] { write(); });
    m_listener = std::thread([this] { subscribe(); });
    std::unique_lock lock(m_subscriberMutex);
    m_listeningWake.wait_for(lock, m_address.timeout, [this] { return m_listening || m_stopping; });
}

void RedisLink::stop()
{
    {
        std::lock_guard lock(m_jobsMutex);
        if (m_stopping.exchange(true)) {
            return;
        }
    }
    m_jobsWake.notify_all();
    m_stopWake.notify_all();
    {
        // Wakes the subscriber out of its blocking read.
        std::lock_guard lock(m_subscriberMutex);
        if (m_subscriber) {
            ::shutdown(m_subscriber->fd, SHUT_RDWR);
        }
    }
    if (m_writer.joinable()) {
        m_writer.join();
    }
    if (m_listener.joinable()) {
        m_listener.join();
    }
}

void RedisLink::store(const std::string &page, std::shared_ptr<const std::string> json, Stored done)
{
    {
        std::lock_guard lock(m_jobsMutex);
        if (!m_stopping) {
            m_jobs.push_back({page, std::move(json), std::move(done)});
            m_jobsWake.notify_one();
            return;
        }
    }
    done(false); // the writer has ended, or is about to: nothing would answer it
}

void RedisLink::write()
{
    redisContext *context = nullptr;
    for (;;) {
        std::deque<Job> jobs;
        {
            std::unique_lock lock(m_jobsMutex);
            m_jobsWake.wait(lock, [this] { return m_stopping || !m_jobs.empty(); });
            jobs.swap(m_jobs);
        }
        if (jobs.empty()) {
            break; // stopping
        }
        if (context && closedByRedis(context)) {
            redisFree(context);
            context = nullptr;
        }
        if (!context) {
            context = connect();
        }
        // Pipelined: every update waiting goes in one round trip.
        bool ok = context != nullptr;
        for (const Job &job : jobs) {
            if (!ok) {
                break;
            }
            const std::string key = pageKey(job.page);
            const std::string message = m_instance + '\n' + job.page + '\n' + *job.json;
            const char *set[] = {"SET", key.data(), job.json->data()};
            const size_t setLengths[] = {3, key.size(), job.json->size()};
            const char *publish[] = {"PUBLISH", Channel.data(), message.data()};
            const size_t publishLengths[] = {7, Channel.size(), message.size()};
            ok = redisAppendCommandArgv(context, 3, set, setLengths) == REDIS_OK
                && redisAppendCommandArgv(context, 3, publish, publishLengths) == REDIS_OK;
        }
        for (std::size_t i = 0; ok && i < jobs.size() * 2; ++i) {
            void *raw = nullptr;
            ok = redisGetReply(context, &raw) == REDIS_OK;
            const ReplyPtr reply(static_cast<redisReply *>(raw));
            ok = ok && reply && reply->type != REDIS_REPLY_ERROR;
        }
        if (!ok) {
            warn(QStringLiteral("cannot store an update: %1")
                     .arg(context ? QString::fromUtf8(context->errstr)
                                  : QStringLiteral("no connection")));
            if (context) {
                redisFree(context);
                context = nullptr;
            }
        }
        for (Job &job : jobs) {
            job.done(ok);
        }
    }
    if (context) {
        redisFree(context);
    }
}

void RedisLink::subscribe()
{
    while (!m_stopping) {
        redisContext *context = connect();
        if (!context) {
            waitBeforeRetry();
            continue;
        }
        {
            std::lock_guard lock(m_subscriberMutex);
            m_subscriber = context;
        }
        if (m_stopping) {
            break;
        }
        const ReplyPtr subscribed = command(context, {"SUBSCRIBE", Channel});
        // Then no time-out: a quiet channel is no fault, and stop() wakes the read.
        const bool waits = subscribed && redisSetTimeout(context, timeval{0, 0}) == REDIS_OK;
        if (waits) {
            std::lock_guard lock(m_subscriberMutex);
            m_listening = true;
            m_listeningWake.notify_all();
        }
        while (waits && !m_stopping) {
            void *raw = nullptr;
            if (redisGetReply(context, &raw) != REDIS_OK) {
                break;
            }
            const ReplyPtr reply(static_cast<redisReply *>(raw));
            if (!reply || reply->type != REDIS_REPLY_ARRAY || reply->elements != 3
                || reply->element[2]->type != REDIS_REPLY_STRING) {
                continue;
            }
            const std::string message(reply->element[2]->str, reply->element[2]->len);
            const std::size_t first = message.find('\n');
            const std::size_t second
                = first == std::string::npos ? first : message.find('\n', first + 1);
            if (second == std::string::npos || message.compare(0, first, m_instance) == 0) {
                continue; // malformed, or this instance's own update
            }
            m_remote(message.substr(first + 1, second - first - 1), message.substr(second + 1));
        }
        {
            std::lock_guard lock(m_subscriberMutex);
            m_subscriber = nullptr;
        }
        redisFree(context);
        if (!m_stopping) {
            warn(QStringLiteral("the subscription broke; connecting again"));
            waitBeforeRetry();
        }
    }
    std::lock_guard lock(m_subscriberMutex);
    if (m_subscriber) {
        redisFree(m_subscriber);
        m_subscriber = nullptr;
    }
}

void RedisLink::waitBeforeRetry()
{
    std::unique_lock lock(m_jobsMutex);
    m_stopWake.wait_for(lock, ReconnectAfter, [this] { return m_stopping.load(); });
}

bool RedisLink::countGuess(const std::string &address, int perMinute)
{
    const auto minute = std::chrono::duration_cast<std::chrono::minutes>(
        std::chrono::system_clock::now().time_since_epoch())
                            .count();
    const std::string key = "varnelo-websb:guesses:" + address + ':' + std::to_string(minute);
    std::lock_guard lock(m_guessMutex);
    const auto now = std::chrono::steady_clock::now();
    if (now < m_guessRetryAt) {
        return true; // Redis failed a moment ago: each guess need not wait for it again
    }
    if (m_guessContext && closedByRedis(m_guessContext)) {
        redisFree(m_guessContext);
        m_guessContext = nullptr;
    }
    if (!m_guessContext) {
        m_guessContext = connect();
    }
    ReplyPtr counted = m_guessContext ? command(m_guessContext, {"INCR", key}) : nullptr;
    if (!counted) {
        if (m_guessContext) {
            redisFree(m_guessContext);
            m_guessContext = nullptr;
        }
        m_guessRetryAt = now + ReconnectAfter;
        return true;
    }
    command(m_guessContext, {"EXPIRE", key, "120"});
    return counted->type != REDIS_REPLY_INTEGER || counted->integer <= perMinute;
}

} // namespace websb
