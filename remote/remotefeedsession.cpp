#include "remote/remotefeedsession.h"

#include "remote/remotehttpsession.h"

#include <boost/asio/write.hpp>
#include <boost/beast/http/status.hpp>

namespace asio = boost::asio;
namespace beast = boost::beast;

std::string StreamHead(const RemoteAnswer &answer)
{
    const auto status = static_cast<beast::http::status>(answer.status);
    std::string head = "HTTP/1.1 " + std::to_string(answer.status) + " "
        + std::string(beast::http::obsolete_reason(status))
        + "\r\nContent-Type: " + answer.contentType + "\r\n";
    for (const auto &[name, value] : answer.headers) {
        head += name + ": " + value + "\r\n";
    }
    // No length: the body ends with the connection.
    return head + "Connection: close\r\n\r\n";
}

RemoteFeedSession::RemoteFeedSession(
    RemoteCore &core, asio::ip::tcp::socket socket, std::string client)
    : m_core(core)
    , m_stream(std::move(socket))
    , m_client(std::move(client))
    , m_keepAlive(core.context())
{
}

RemoteFeedSession::~RemoteFeedSession()
{
    m_core.removeFeed(this);
    m_core.release(m_client);
}

void RemoteFeedSession::start(RemoteAnswer answer)
{
    const RemoteAccess access = answer.feed.value_or(RemoteAccess::Reader);
    if (!m_core.addFeed(this, weak_from_this(), access)) {
        refuse();
        return;
    }
    m_first = StreamHead(answer) + answer.body;
    m_stream.expires_never();
    watchClient();
    send();
    keepAliveLater();
}

void RemoteFeedSession::refuse()
{
    RemoteAnswer answer = RemoteError(503, "too many event streams");
    answer.headers.emplace_back("Retry-After", "5");
    answer.headers.emplace_back("Content-Length", std::to_string(answer.body.size()));
    m_first = StreamHead(answer) + answer.body;
    m_stream.expires_after(m_core.limits().writeTimeout);
    asio::async_write(m_stream, asio::buffer(m_first),
        [self = shared_from_this()](beast::error_code, std::size_t) { self->end(); });
}

void RemoteFeedSession::watchClient()
{
    m_stream.async_read_some(asio::buffer(m_discarded),
        [self = shared_from_this()](beast::error_code, std::size_t) { self->end(); });
}

void RemoteFeedSession::pushEvent(std::shared_ptr<const std::string> event)
{
    if (m_ended) {
        return;
    }
    m_next = std::move(event);
    send();
}

void RemoteFeedSession::send()
{
    if (m_writing || m_ended) {
        return;
    }
    if (!m_first.empty()) {
        m_sending = std::make_shared<const std::string>(std::exchange(m_first, {}));
    } else if (m_next) {
        m_sending = std::exchange(m_next, nullptr);
    } else if (m_keepAliveDue) {
        m_sending = std::make_shared<const std::string>(": keep-alive\n\n");
    } else {
        return;
    }
    m_keepAliveDue = false;
    m_writing = true;
    // Only the write has a deadline: the read that watches the client waits for ever.
    m_stream.expires_after(m_core.limits().writeTimeout);
    asio::async_write(m_stream, asio::buffer(*m_sending),
        [self = shared_from_this()](beast::error_code error, std::size_t) {
            self->m_writing = false;
            self->m_sending.reset();
            if (error) {
                self->end();
                return;
            }
            self->send();
        });
}

void RemoteFeedSession::keepAliveLater()
{
    m_keepAlive.expires_after(m_core.limits().keepAlive);
    m_keepAlive.async_wait([self = shared_from_this()](beast::error_code error) {
        if (error || self->m_ended) {
            return;
        }
        self->m_keepAliveDue = true;
        self->send();
        self->keepAliveLater();
    });
}

void RemoteFeedSession::end()
{
    if (m_ended) {
        return;
    }
    m_ended = true;
    m_keepAlive.cancel();
    m_next.reset();
    m_core.removeFeed(this);
    m_stream.close();
}
