#include "remote/remotecore.h"

#include "remote/remotefeedsession.h"
#include "remote/remotehttpsession.h"
#include "remote/remotepushsession.h"

#include <QCoreApplication>

#include <boost/asio/post.hpp>

#include <algorithm>

namespace asio = boost::asio;
using asio::ip::tcp;

namespace {

// Out of descriptors, usually: wait for some to be freed instead of spinning in accept.
constexpr auto RetryAccept = std::chrono::milliseconds(100);

std::string lowered(std::string_view text)
{
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
        [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

} // namespace

RemoteCore::RemoteCore(const RemoteLimits &limits, RemoteHandlers handlers)
    : m_limits(limits)
    , m_handlers(std::move(handlers))
{
}

RemoteCore::~RemoteCore()
{
    m_stopping = true;
    m_context.stop();
    if (m_thread.joinable()) {
        m_thread.join();
    }
    // The listeners close now, the connections as the context is destroyed: nothing runs
    // meanwhile, and what they tell the handlers' thread is dropped with m_ui.
    m_listeners.clear();
    // Work still queued for the handlers' thread holds connections: they end here, while
    // what they touch is still there.
    QCoreApplication::removePostedEvents(&m_ui);
    m_uiWork.clear();
}

bool RemoteCore::bind(const std::string &address, quint16 &port, bool push)
{
    boost::system::error_code failure;
    const auto ip = asio::ip::make_address(address, failure);
    if (failure) {
        return false;
    }
    auto listener = std::make_unique<Listener>(
        Listener{tcp::acceptor(m_context), asio::steady_timer(m_context), push});
    const tcp::endpoint endpoint(ip, port);
    listener->acceptor.open(endpoint.protocol(), failure);
    if (!failure) {
        listener->acceptor.set_option(tcp::acceptor::reuse_address(true), failure);
    }
    if (!failure) {
        listener->acceptor.bind(endpoint, failure);
    }
    if (!failure) {
        listener->acceptor.listen(asio::socket_base::max_listen_connections, failure);
    }
    if (failure) {
        return false;
    }
    port = listener->acceptor.local_endpoint().port();
    // The board's own page, by whichever of its addresses it was opened.
    if (!push) {
        const std::string host = ip.is_v6() ? "[" + ip.to_string() + "]" : ip.to_string();
        m_origins.push_back("http://" + host + ":" + std::to_string(port));
        if (ip.is_loopback()) {
            m_origins.push_back("http://localhost:" + std::to_string(port));
        }
    }
    m_listeners.push_back(std::move(listener));
    return true;
}

bool RemoteCore::listen(const std::vector<std::string> &addresses, quint16 port, quint16 pushPort)
{
    bool page = false;
    for (const std::string &address : addresses) {
        page = bind(address, port, false) || page;
    }
    if (!page) {
        return false;
    }
    bool push = false;
    for (const std::string &address : addresses) {
        push = bind(address, pushPort, true) || push;
    }
    m_port = port;
    m_pushPort = pushPort;
    return push;
}

void RemoteCore::start()
{
    for (auto &listener : m_listeners) {
        accept(*listener);
    }
    m_thread = std::thread([this] { m_context.run(); });
}

void RemoteCore::accept(Listener &listener)
{
    listener.acceptor.async_accept(
        [this, &listener](boost::system::error_code error, tcp::socket socket) {
            if (error == asio::error::operation_aborted || m_stopping) {
                return;
            }
            if (error) {
                listener.retry.expires_after(RetryAccept);
                listener.retry.async_wait([this, &listener](boost::system::error_code waited) {
                    if (!waited) {
                        accept(listener);
                    }
                });
                return;
            }
            onAccepted(listener, std::move(socket));
            accept(listener);
        });
}

void RemoteCore::onAccepted(Listener &listener, tcp::socket socket)
{
    boost::system::error_code failure;
    const tcp::endpoint remote = socket.remote_endpoint(failure);
    if (failure) {
        return;
    }
    std::string client = remote.address().to_string();
    int &held = m_perAddress[client];
    if (m_connections >= m_limits.connections || held >= m_limits.perAddress) {
        if (held == 0) {
            m_perAddress.erase(client);
        }
        // Beyond a cap, a short answer if it fits at once, and the connection is closed.
        static const std::string busy = "HTTP/1.1 503 Service Unavailable\r\nRetry-After: 5\r\n"
                                        "Content-Length: 0\r\nConnection: close\r\n\r\n";
        socket.non_blocking(true, failure);
        socket.write_some(asio::buffer(busy), failure);
        socket.close(failure);
        return;
    }
    ++held;
    ++m_connections;
    socket.set_option(tcp::no_delay(true), failure);
    if (listener.push) {
        std::make_shared<RemotePushSession>(*this, std::move(socket), std::move(client))->start();
    } else {
        std::make_shared<RemoteHttpSession>(*this, std::move(socket), std::move(client))->start();
    }
}

void RemoteCore::release(const std::string &client)
{
    --m_connections;
    const auto held = m_perAddress.find(client);
    if (held != m_perAddress.end() && --held->second <= 0) {
        m_perAddress.erase(held);
    }
}

bool RemoteCore::allowsOrigin(std::string_view origin) const
{
    const std::string wanted = lowered(origin);
    return std::find(m_origins.begin(), m_origins.end(), wanted) != m_origins.end();
}

void RemoteCore::onUi(std::function<void()> work)
{
    if (m_stopping) {
        return;
    }
    bool wake = false;
    {
        std::lock_guard lock(m_uiMutex);
        m_uiWork.push_back(std::move(work));
        wake = !std::exchange(m_uiWake, true);
    }
    if (wake) {
        QMetaObject::invokeMethod(
            &m_ui, [this] { runUiWork(); }, Qt::QueuedConnection);
    }
}

void RemoteCore::runUiWork()
{
    std::vector<std::function<void()>> work;
    {
        std::lock_guard lock(m_uiMutex);
        work.swap(m_uiWork);
        m_uiWake = false;
    }
    for (auto &item : work) {
        item();
    }
}

void RemoteCore::push(
    std::shared_ptr<const std::string> message, std::shared_ptr<const std::string> event)
{
    asio::post(m_context, [this, message = std::move(message), event = std::move(event)] {
        for (const auto &entry : m_paired) {
            if (auto session = entry.second.session.lock()) {
                session->pushState(message);
            }
        }
        for (const auto &entry : m_feeds) {
            if (auto feed = entry.second.session.lock()) {
                feed->pushEvent(event);
            }
        }
    });
}

void RemoteCore::releaseAccess(RemoteAccess access)
{
    asio::post(m_context, [this, access] {
        // Closing a socket or a stream unlists it: walk copies.
        const auto paired = m_paired;
        for (const auto &entry : paired) {
            auto session = entry.second.session.lock();
            if (session && entry.second.access == access) {
                session->close(access == RemoteAccess::Device ? RemotePushSession::NewCode
                                                              : RemotePushSession::NewToken);
            }
        }
        const auto feeds = m_feeds;
        for (const auto &entry : feeds) {
            auto feed = entry.second.session.lock();
            if (feed && entry.second.access == access) {
                feed->end();
            }
        }
    });
}

void RemoteCore::setPaired(
    RemotePushSession *session, std::weak_ptr<RemotePushSession> paired, RemoteAccess access)
{
    m_paired.emplace(session, Held<RemotePushSession>{std::move(paired), access});
    devicesChanged();
}

void RemoteCore::unpair(RemotePushSession *session)
{
    if (m_paired.erase(session) > 0) {
        devicesChanged();
    }
}

bool RemoteCore::addFeed(
    RemoteFeedSession *feed, std::weak_ptr<RemoteFeedSession> held, RemoteAccess access)
{
    if (static_cast<int>(m_feeds.size()) >= m_limits.feeds) {
        return false;
    }
    m_feeds.emplace(feed, Held<RemoteFeedSession>{std::move(held), access});
    devicesChanged();
    return true;
}

void RemoteCore::removeFeed(RemoteFeedSession *feed)
{
    if (m_feeds.erase(feed) > 0) {
        devicesChanged();
    }
}

void RemoteCore::devicesChanged()
{
    const int devices = static_cast<int>(std::count_if(m_paired.cbegin(), m_paired.cend(),
        [](const auto &entry) { return entry.second.access == RemoteAccess::Device; }));
    const int listeners = static_cast<int>(m_paired.size() + m_feeds.size());
    onUi([this, devices, listeners] { m_handlers.devicesChanged(devices, listeners); });
}
