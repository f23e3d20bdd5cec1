#include "httpserver.h"

#include "httpsession.h"

#include <boost/asio/post.hpp>
#include <boost/asio/strand.hpp>
#include <boost/asio/write.hpp>

#include <algorithm>

#include <malloc.h>
#include <unistd.h>

namespace websb {

namespace asio = boost::asio;
using asio::ip::tcp;

namespace {

// How often freed connection buffers are handed back to the system after a crowd has left.
constexpr auto TrimEvery = std::chrono::seconds(10);

} // namespace

HttpServer::HttpServer(HttpHandler &handler, const ServiceConfig &config)
    : m_handler(handler)
    , m_limits(config.limits)
    , m_maxConnections(config.maxConnections)
    , m_threadCount(std::max(1, config.threads))
    , m_context(m_threadCount)
    , m_acceptContext(1)
    , m_acceptor(m_acceptContext)
    , m_retryAccept(m_acceptContext)
    , m_trimTimer(m_context)
{
    for (const QString &proxy : config.trustedProxies) {
        m_trustedProxies.push_back(proxy.toStdString());
    }
}

HttpServer::~HttpServer()
{
    stop();
}

bool HttpServer::listen(const std::string &host, int port, std::string &error)
{
    boost::system::error_code failure;
    const auto address = asio::ip::make_address(host, failure);
    if (!failure) {
        const tcp::endpoint endpoint(address, static_cast<unsigned short>(port));
        m_acceptor.open(endpoint.protocol(), failure);
    }
    if (!failure) {
        // Only a quick restart after a stop: no SO_REUSEPORT, so that a second instance cannot
        // share the port and take half of the boards' updates.
        m_acceptor.set_option(tcp::acceptor::reuse_address(true), failure);
    }
    if (!failure) {
        m_acceptor.bind(tcp::endpoint(address, static_cast<unsigned short>(port)), failure);
    }
    if (!failure) {
        m_acceptor.listen(asio::socket_base::max_listen_connections, failure);
    }
    if (failure) {
        error = failure.message();
        boost::system::error_code ignored;
        m_acceptor.close(ignored);
        return false;
    }
    m_port = m_acceptor.local_endpoint().port();
    return true;
}

void HttpServer::start()
{
    accept();
    trimMemory();
    for (int i = 0; i < m_threadCount; ++i) {
        m_threads.emplace_back([this] { m_context.run(); });
    }
    m_acceptThread = std::thread([this] { m_acceptContext.run(); });
}

void HttpServer::stop()
{
    if (m_stopping.exchange(true)) {
        return;
    }
    asio::post(m_acceptContext, [this] {
        boost::system::error_code ignored;
        m_acceptor.close(ignored);
        m_retryAccept.cancel();
    });
    if (m_acceptThread.joinable()) {
        m_acceptThread.join();
    } else {
        m_acceptContext.run();
    }
    asio::post(m_context, [this] { m_trimTimer.cancel(); });
    std::vector<std::shared_ptr<HttpSession>> open;
    {
        std::lock_guard lock(m_sessionsMutex);
        for (auto &entry : m_sessions) {
            if (auto session = entry.second.lock()) {
                open.push_back(std::move(session));
            }
        }
    }
    for (auto &session : open) {
        session->close();
    }
    open.clear();
    if (m_threads.empty()) {
        m_context.run(); // nothing was started: let the handlers above end here
    }
    for (std::thread &thread : m_threads) {
        thread.join();
    }
    m_threads.clear();
}

void HttpServer::accept()
{
    m_acceptor.async_accept(m_context, [this](boost::system::error_code error, tcp::socket socket) {
        if (m_stopping) {
            return;
        }
        if (error) {
            // Out of descriptors, usually: wait for some to be freed instead of spinning.
            m_retryAccept.expires_after(std::chrono::milliseconds(50));
            m_retryAccept.async_wait([this](boost::system::error_code waited) {
                if (!waited && !m_stopping) {
                    accept();
                }
            });
            return;
        }
        // The connection and its strand are built on a network thread: their memory then
        // comes and goes among the other connections', and the accepting thread's holds only
        // what Asio keeps of each socket, packed.
        asio::post(m_context, [this, socket = std::move(socket)]() mutable {
            if (m_stopping) {
                return;
            }
            boost::system::error_code failure;
            const tcp::socket::protocol_type protocol = socket.local_endpoint(failure).protocol();
            const int descriptor = failure ? -1 : socket.release(failure);
            tcp::socket own(asio::make_strand(m_context));
            if (!failure) {
                own.assign(protocol, descriptor, failure);
            }
            if (!failure) {
                onAccepted(std::move(own));
            } else if (descriptor >= 0) {
                ::close(descriptor);
            }
        });
        accept();
    });
}

void HttpServer::onAccepted(tcp::socket socket)
{
    boost::system::error_code failure;
    const tcp::endpoint remote = socket.remote_endpoint(failure);
    if (failure) {
        return;
    }
    socket.set_option(tcp::no_delay(true), failure);
    const std::string peer = clientAddress(remote.address().to_string(), {}, {});
    const bool isProxy = std::find(m_trustedProxies.begin(), m_trustedProxies.end(), peer)
        != m_trustedProxies.end();
    if (++m_connections > m_maxConnections) {
        --m_connections;
        refuse(std::move(socket));
        return;
    }
    // A trusted proxy carries many clients: its connections count in all, not per address.
    if (!isProxy && !m_perAddress.tryAcquire(peer, m_limits.perAddress)) {
        --m_connections;
        refuse(std::move(socket));
        return;
    }
    auto session = std::make_shared<HttpSession>(std::move(socket), *this, peer, !isProxy);
    {
        std::lock_guard lock(m_sessionsMutex);
        // Accepted as the server stops, after it closed the connections it had: closed here.
        if (m_stopping) {
            return;
        }
        m_sessions.emplace(session.get(), session);
        m_peak = std::max(m_peak, static_cast<int>(m_sessions.size()));
    }
    session->start();
}

// Beyond a cap, a short answer that says when to come back, and the connection is closed.
void HttpServer::refuse(tcp::socket socket)
{
    HttpResponse response = textResponse(503, "too many connections, try again later");
    response.headers.emplace_back("Retry-After", std::to_string(m_limits.retryAfter));
    response.close = true;
    auto bytes = std::make_shared<const std::string>(formatResponse(response, false, false));
    auto shared = std::make_shared<tcp::socket>(std::move(socket));
    asio::async_write(
        *shared, asio::buffer(*bytes), [shared, bytes](boost::system::error_code, std::size_t) {
            boost::system::error_code ignored;
            shared->shutdown(tcp::socket::shutdown_both, ignored);
            shared->close(ignored);
        });
}

// glibc keeps freed memory for reuse; after many viewers have left, give it back.
void HttpServer::trimMemory()
{
    m_trimTimer.expires_after(TrimEvery);
    m_trimTimer.async_wait([this](boost::system::error_code error) {
        if (error || m_stopping) {
            return;
        }
        int open = 0;
        {
            std::lock_guard lock(m_sessionsMutex);
            open = static_cast<int>(m_sessions.size());
            if (m_peak > 256 && open < m_peak / 2) {
                m_peak = open;
            } else {
                open = -1;
            }
        }
        if (open >= 0) {
            malloc_trim(0);
        }
        trimMemory();
    });
}

void HttpServer::forget(HttpSession *session)
{
    std::lock_guard lock(m_sessionsMutex);
    m_sessions.erase(session);
}

} // namespace websb
