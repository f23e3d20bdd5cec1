#pragma once

#include "remote/remoteserver.h"

#include <QObject>

#include <boost/asio/io_context.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/steady_timer.hpp>

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <unordered_map>
#include <utility>
#include <vector>

// The remote control's network side (Boost.Beast on Boost.Asio): one network thread accepts,
// reads and writes every connection of both ports under the limits, and hands only whole,
// capped requests and messages to the user-interface thread, one per connection at a time.
// Everything of a connection runs on the network thread; the handlers run on the thread that
// made the core.

// What a client may do: a paired device reads and commands the board, a reader (an overlay
// page, with the overlay token) only reads it.
enum class RemoteAccess { Device, Reader };

struct RemoteRequest
{
    std::string method;
    std::string path;
    // What follows the "?" of the target, undecoded.
    std::string query;
    std::string authorization;
    std::string body;
    std::string client;
};

struct RemoteAnswer
{
    int status = 200;
    std::string contentType;
    std::string body;
    std::vector<std::pair<std::string, std::string>> headers;
    // Set for an event stream, which stays open after the body (its first events) and receives
    // every state pushed; the access it was opened with.
    std::optional<RemoteAccess> feed;
};

// What a push-channel message gets back.
struct PushAnswer
{
    std::string reply;
    std::string state; // set when the message paired the socket: sent before the reply
    RemoteAccess access = RemoteAccess::Device; // what the socket paired as
    bool close = false; // the address is locked out: the socket is closed after the reply
};

struct RemoteHandlers
{
    std::function<RemoteAnswer(const RemoteRequest &)> request;
    // A message of a socket; `paired` what an earlier one paired it as, if any.
    std::function<PushAnswer(
        const std::string &message, const std::string &client, std::optional<RemoteAccess> paired)>
        message;
    // Whether an address may open a push socket now (not locked out for wrong codes).
    std::function<bool(const std::string &client)> welcome;
    // Paired devices, and everything the state is pushed to (devices, readers, event streams).
    std::function<void(int devices, int listeners)> devicesChanged;
};

class RemoteFeedSession;
class RemotePushSession;

class RemoteCore
{
public:
    RemoteCore(const RemoteLimits &limits, RemoteHandlers handlers);
    // Closes every connection and joins the network thread; no handler runs after it.
    ~RemoteCore();

    RemoteCore(const RemoteCore &) = delete;
    RemoteCore &operator=(const RemoteCore &) = delete;

    // Listens on `port` (0: any) of each address for the page and the API, and on `pushPort`
    // (0: any) for the push channel; false unless both are bound somewhere. Then `start()`.
    bool listen(const std::vector<std::string> &addresses, quint16 port, quint16 pushPort);
    void start();

    quint16 port() const { return m_port; }
    quint16 pushPort() const { return m_pushPort; }
    int connections() const { return m_connections; }

    // From the handlers' thread: the state for every paired socket (`message`) and every event
    // stream (`event`), the latest one replacing any not yet sent; and every paired socket and
    // event stream of an access closed (a new code or token).
    void push(std::shared_ptr<const std::string> message, std::shared_ptr<const std::string> event);
    void releaseAccess(RemoteAccess access);

    // For the sessions, on the network thread.
    const RemoteLimits &limits() const { return m_limits; }
    const RemoteHandlers &handlers() const { return m_handlers; }
    boost::asio::io_context &context() { return m_context; }
    bool allowsOrigin(std::string_view origin) const;
    // Runs `work` on the handlers' thread, unless the core is gone by then.
    void onUi(std::function<void()> work);
    void release(const std::string &client);
    void setPaired(
        RemotePushSession *session, std::weak_ptr<RemotePushSession> paired, RemoteAccess access);
    void unpair(RemotePushSession *session);
    // False when as many event streams are open as the limits allow.
    bool addFeed(
        RemoteFeedSession *feed, std::weak_ptr<RemoteFeedSession> held, RemoteAccess access);
    void removeFeed(RemoteFeedSession *feed);

private:
    struct Listener
    {
        boost::asio::ip::tcp::acceptor acceptor;
        boost::asio::steady_timer retry;
        bool push;
    };
    bool bind(const std::string &address, quint16 &port, bool push);
    void accept(Listener &listener);
    void onAccepted(Listener &listener, boost::asio::ip::tcp::socket socket);
    void devicesChanged();
    void runUiWork();

    const RemoteLimits m_limits;
    const RemoteHandlers m_handlers;
    // Work for the handlers' thread waits here, under a lock of the standard library (which
    // ThreadSanitizer sees, unlike Qt's); one queued call on m_ui runs all of it, and dies
    // with it.
    QObject m_ui;
    std::mutex m_uiMutex;
    std::vector<std::function<void()>> m_uiWork;
    bool m_uiWake = false;
    std::vector<std::string> m_origins;
    std::atomic<int> m_connections = 0;
    std::atomic<bool> m_stopping = false;
    std::unordered_map<std::string, int> m_perAddress;
    template<typename Session>
    struct Held
    {
        std::weak_ptr<Session> session;
        RemoteAccess access;
    };
    std::unordered_map<RemotePushSession *, Held<RemotePushSession>> m_paired;
    std::unordered_map<RemoteFeedSession *, Held<RemoteFeedSession>> m_feeds;
    // Declared after what the connections touch as they end: it ends them first.
    boost::asio::io_context m_context{1};
    std::vector<std::unique_ptr<Listener>> m_listeners;
    std::thread m_thread;
    quint16 m_port = 0;
    quint16 m_pushPort = 0;
};
