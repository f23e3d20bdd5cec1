#pragma once

#include "config.h"
#include "httpserver.h"
#include "pendingchecks.h"
#include "updatehandler.h"

#include <QString>

#include <atomic>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <vector>

// The running service: the pages' state and its files, the passcode gate with its worker pool
// and guess limits, the live feed, and the HTTP routes: the board's update address
// (/web/<page>), the live page (/<page>), its JSON (/api/<page>) and its event stream
// (/api/<page>/events).
namespace websb {

class AddressCounter;
class BoardAddresses;
class GuessLimiter;
class LiveFeed;
class PageStore;
class PasscodeGate;
class PasscodePool;
class RedisLink;
class RefusalLog;
class StateWriter;

class WebScoreboardService : public HttpHandler
{
public:
    explicit WebScoreboardService(ServiceConfig config, UpdateHandler::Clock clock = {});
    ~WebScoreboardService() override;

    WebScoreboardService(const WebScoreboardService &) = delete;
    WebScoreboardService &operator=(const WebScoreboardService &) = delete;

    // Reads the pages' saved state, binds the address and serves on its network threads.
    // False with `error` set when the data folder or the address cannot be used.
    bool start(QString &error);
    // Ends the live streams, stops serving and writes what is pending. Called by the destructor.
    void stop();

    int port() const { return m_port; }
    PageStore &store() { return *m_store; }
    // Waits until every accepted update is on disk.
    void flush();
    // For the tests and the log: what the server holds now.
    int connectionCount() const;
    int networkThreads() const;
    std::size_t viewerCount() const;
    // Passcodes waiting for or under the slow digest.
    std::size_t checksWaiting() const;

    void handle(const HttpRequest &request, std::shared_ptr<HttpExchange> exchange) override;

private:
    void handleUpdate(const std::string &page, std::string_view query, const std::string &client,
        std::shared_ptr<HttpExchange> exchange);
    void handleStream(const std::string &page, const HttpRequest &request,
        std::shared_ptr<HttpExchange> exchange);
    void finishUpdate(const std::string &page, const std::string &client,
        std::shared_ptr<HttpExchange> exchange, Reply reply);
    bool startRedis(QString &error);
    HttpResponse pageJsonResponse(const std::string &page, const HttpRequest &request) const;
    HttpResponse updateReply(
        const std::string &page, const std::string &client, Reply reply, int retryAfter = 0);

    ServiceConfig m_config;
    std::unique_ptr<PageStore> m_store;
    std::unique_ptr<PasscodeGate> m_gate;
    std::unique_ptr<BoardAddresses> m_boards;
    std::unique_ptr<GuessLimiter> m_guesses;
    std::unique_ptr<UpdateHandler> m_handler;
    std::unique_ptr<RefusalLog> m_refusals;
    std::unique_ptr<AddressCounter> m_streamsPerAddress;
    std::atomic<int> m_streams = 0;
    std::unique_ptr<PendingChecks> m_pending;
    std::shared_ptr<const std::string> m_html;
    std::shared_ptr<const std::string> m_script;
    std::shared_ptr<const std::string> m_style;
    std::unique_ptr<StateWriter> m_writer;
    std::unique_ptr<HttpServer> m_server;
    std::unique_ptr<LiveFeed> m_feed;
    std::unique_ptr<PasscodePool> m_pool;
    std::unique_ptr<RedisLink> m_redis;
    bool m_stopped = false;
    int m_port = -1;
};

} // namespace websb
