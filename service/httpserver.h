#pragma once

#include "addresscounter.h"
#include "config.h"
#include "httpmessage.h"

#include <boost/asio/io_context.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/steady_timer.hpp>

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <unordered_map>
#include <vector>

// The event-driven HTTP/1.1 server (Boost.Beast on Boost.Asio): every connection is multiplexed
// on a fixed set of network threads, so threads do not grow with viewers and a connection costs
// only its buffers. It enforces the connection limits (header deadline, idle and write
// deadlines, request size, connections per address and in all, a 503 with Retry-After beyond a
// cap) and hands each whole request to the service's handler.
namespace websb {

class HttpSession;

// A connection that has become an event stream.
class StreamSink
{
public:
    virtual ~StreamSink() = default;
    // Sends one chunk once the previous one is written; a chunk still waiting is replaced by a
    // newer one, so that a slow viewer gets the latest state, not a backlog. With `ifIdle`, the
    // chunk is sent only when nothing is being written (a keep-alive comment).
    virtual void send(std::shared_ptr<const std::string> bytes, bool ifIdle = false) = 0;
};

struct HttpRequest
{
    std::string_view method;
    std::string_view target;
    std::string client; // the peer's address, or the one a trusted proxy forwarded
    std::string lastEventId;
    std::string ifNoneMatch;
};

// The answer to one request; it may come later and from another thread.
class HttpExchange
{
public:
    virtual ~HttpExchange() = default;
    virtual void reply(HttpResponse response) = 0;
    // Turns the connection into an event stream: the head and `first` now, then what is sent to
    // the returned sink. `closed` runs once, when the stream ends for whatever reason.
    virtual std::shared_ptr<StreamSink> openStream(std::string first, std::function<void()> closed)
        = 0;
};

class HttpHandler
{
public:
    virtual ~HttpHandler() = default;
    // Called on a network thread; must not block.
    virtual void handle(const HttpRequest &request, std::shared_ptr<HttpExchange> exchange) = 0;
};

class HttpServer
{
public:
    HttpServer(HttpHandler &handler, const ServiceConfig &config);
    ~HttpServer();

    HttpServer(const HttpServer &) = delete;
    HttpServer &operator=(const HttpServer &) = delete;

    // Binds and listens; false with `error` set when the address cannot be used.
    bool listen(const std::string &host, int port, std::string &error);
    // Starts the network threads.
    void start();
    // Closes the listener and every connection, and joins the threads.
    void stop();

    int port() const { return m_port; }
    boost::asio::io_context &context() { return m_context; }
    int connectionCount() const { return m_connections; }
    int threadCount() const { return static_cast<int>(m_threads.size()); }

private:
    friend class HttpSession;

    void accept();
    void onAccepted(boost::asio::ip::tcp::socket socket);
    void refuse(boost::asio::ip::tcp::socket socket);
    void trimMemory();
    void forget(HttpSession *session);

    HttpHandler &m_handler;
    const ConnectionLimits m_limits;
    const int m_maxConnections;
    const int m_threadCount;
    std::vector<std::string> m_trustedProxies;
    boost::asio::io_context m_context;
    // Accepting runs on a thread of its own, and with it what Asio keeps of every socket it has
    // seen and never frees (about 200 bytes each). Spread among the sessions, buffers and timers
    // of the connections, those bytes would keep every page of them from going back to the
    // system after a crowd has left; so connections are built on the network threads.
    boost::asio::io_context m_acceptContext;
    boost::asio::ip::tcp::acceptor m_acceptor;
    boost::asio::steady_timer m_retryAccept;
    boost::asio::steady_timer m_trimTimer;
    std::atomic<int> m_connections = 0;
    int m_peak = 0;
    AddressCounter m_perAddress;
    std::mutex m_sessionsMutex;
    std::unordered_map<HttpSession *, std::weak_ptr<HttpSession>> m_sessions;
    std::atomic<bool> m_stopping = false;
    std::vector<std::thread> m_threads;
    std::thread m_acceptThread;
    int m_port = -1;
};

} // namespace websb
