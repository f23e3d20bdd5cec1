#include "remote/remotepushsession.h"

#include "remote/remotehttpsession.h"

#include <boost/asio/post.hpp>
#include <boost/asio/write.hpp>
#include <boost/beast/core/buffers_to_string.hpp>
#include <boost/beast/http/error.hpp>
#include <boost/beast/http/read.hpp>
#include <boost/beast/websocket/rfc6455.hpp>

namespace asio = boost::asio;
namespace beast = boost::beast;
namespace http = beast::http;
namespace websocket = beast::websocket;

namespace {

websocket::close_reason reasonOf(RemotePushSession::Reason reason)
{
    switch (reason) {
    case RemotePushSession::NotPaired:
        return {websocket::close_code::normal, "not paired"};
    case RemotePushSession::LockedOut:
        return {websocket::close_code::policy_error, "too many wrong codes"};
    case RemotePushSession::NewCode:
        return {websocket::close_code::policy_error, "new code"};
    case RemotePushSession::NewToken:
        return {websocket::close_code::policy_error, "new token"};
    case RemotePushSession::Flooding:
        return {websocket::close_code::policy_error, "not paired"};
    case RemotePushSession::NotText:
        break;
    }
    return {websocket::close_code::unknown_data, ""};
}

} // namespace

RemotePushSession::RemotePushSession(
    RemoteCore &core, asio::ip::tcp::socket socket, std::string client)
    : m_core(core)
    , m_socket(std::move(socket))
    , m_buffer(static_cast<std::size_t>(core.limits().headerBytes) + 1024)
    , m_client(std::move(client))
    , m_deadline(core.context())
    , m_pairing(core.context())
{
}

RemotePushSession::~RemotePushSession()
{
    m_core.unpair(this);
    m_core.release(m_client);
}

void RemotePushSession::start()
{
    m_upgrade.emplace();
    m_upgrade->header_limit(static_cast<std::uint32_t>(m_core.limits().headerBytes));
    m_upgrade->body_limit(0);
    beast::get_lowest_layer(m_socket).expires_after(m_core.limits().headerTimeout);
    http::async_read(m_socket.next_layer(), m_buffer, *m_upgrade,
        [self = shared_from_this()](
            beast::error_code error, std::size_t) { self->onUpgrade(error); });
}

void RemotePushSession::onUpgrade(beast::error_code error)
{
    if (error == beast::error::timeout && m_buffer.size() > 0) {
        refuse(408, "the request took too long");
    } else if (error == http::error::header_limit || error == http::error::buffer_overflow) {
        refuse(431, "request headers too large");
    } else if (error == http::error::body_limit || error == http::error::unexpected_body) {
        refuse(413, "message too large");
    } else if (error) {
        end();
    } else if (!websocket::is_upgrade(m_upgrade->get())) {
        refuse(400, "a WebSocket upgrade is expected");
    } else if (const auto origin = m_upgrade->get().find(http::field::origin);
               origin != m_upgrade->get().end() && !m_core.allowsOrigin(origin->value())) {
        // A page of another site, open on some device in the network.
        refuse(403, "origin not allowed");
    } else {
        RemoteCore *core = &m_core;
        m_core.onUi([core, self = shared_from_this()]() mutable {
            const bool welcome = core->handlers().welcome(self->m_client);
            asio::post(
                core->context(), [self = std::move(self), welcome] { self->onWelcome(welcome); });
        });
    }
}

void RemotePushSession::refuse(int status, const char *text)
{
    const RemoteAnswer answer = RemoteError(status, text);
    m_refusal = "HTTP/1.1 " + std::to_string(status) + " "
        + std::string(http::obsolete_reason(static_cast<http::status>(status)))
        + "\r\nContent-Type: " + answer.contentType + "\r\nContent-Length: "
        + std::to_string(answer.body.size()) + "\r\nConnection: close\r\n\r\n" + answer.body;
    beast::get_lowest_layer(m_socket).expires_after(m_core.limits().writeTimeout);
    asio::async_write(m_socket.next_layer(), asio::buffer(m_refusal),
        [self = shared_from_this()](beast::error_code, std::size_t) { self->end(); });
}

void RemotePushSession::onWelcome(bool welcome)
{
    if (m_ended) {
        return;
    }
    beast::get_lowest_layer(m_socket).expires_never();
    websocket::stream_base::timeout timeout;
    timeout.handshake_timeout = m_core.limits().headerTimeout;
    timeout.idle_timeout = websocket::stream_base::none();
    timeout.keep_alive_pings = false;
    m_socket.set_option(timeout);
    m_socket.read_message_max(RemoteServer::MaximumMessageBytes);
    m_buffer.clear();
    m_socket.async_accept(
        m_upgrade->get(), [self = shared_from_this(), welcome](beast::error_code error) {
            self->m_upgrade.reset();
            if (error) {
                self->end();
                return;
            }
            self->m_open = true;
            if (!welcome) {
                self->close(LockedOut);
            } else {
                // A device that does not pair soon is not kept.
                self->m_pairing.expires_after(self->m_core.limits().pairingTimeout);
                self->m_pairing.async_wait([self](beast::error_code waited) {
                    if (!waited && !self->m_paired) {
                        self->close(NotPaired);
                    }
                });
            }
            self->read();
        });
}

void RemotePushSession::read()
{
    m_socket.async_read(
        m_buffer, [self = shared_from_this()](beast::error_code error, std::size_t) {
            self->onMessage(error);
        });
}

void RemotePushSession::onMessage(beast::error_code error)
{
    if (error || m_ended) {
        end();
        return;
    }
    if (m_closing) {
        // Only the client's close is waited for now.
        m_buffer.clear();
        read();
        return;
    }
    if (!m_socket.got_text()
        || (!m_paired && ++m_unpairedMessages > m_core.limits().unpairedMessages)) {
        close(m_socket.got_text() ? Flooding : NotText);
        m_buffer.clear();
        read();
        return;
    }
    std::string message = beast::buffers_to_string(m_buffer.data());
    m_buffer.clear();
    RemoteCore *core = &m_core;
    const std::optional<RemoteAccess> paired = m_paired ? std::optional(m_access) : std::nullopt;
    m_core.onUi([core, self = shared_from_this(), message = std::move(message), paired]() mutable {
        PushAnswer answer = core->handlers().message(message, self->m_client, paired);
        asio::post(core->context(), [self = std::move(self), answer = std::move(answer)]() mutable {
            self->onAnswer(std::move(answer));
        });
    });
}

void RemotePushSession::onAnswer(PushAnswer answer)
{
    if (m_ended) {
        return;
    }
    if (!answer.state.empty() && !m_paired && !m_closing) {
        m_paired = true;
        m_access = answer.access;
        m_pairing.cancel();
        m_core.setPaired(this, weak_from_this(), m_access);
        m_out.push_back(std::move(answer.state));
    }
    m_out.push_back(std::move(answer.reply));
    if (answer.close) {
        close(LockedOut);
    }
    send();
    // The next message is read once this one's answers are on their way.
    if (m_out.empty()) {
        read();
    } else {
        m_readWaiting = true;
    }
}

void RemotePushSession::pushState(std::shared_ptr<const std::string> state)
{
    if (!m_paired || m_closing || m_ended) {
        return;
    }
    m_state = std::move(state);
    send();
}

void RemotePushSession::send()
{
    if (m_writing || m_ended || !m_open) {
        return;
    }
    if (!m_out.empty()) {
        m_sending = std::make_shared<const std::string>(std::move(m_out.front()));
        m_out.pop_front();
    } else if (m_state && !m_closing) {
        m_sending = std::move(m_state);
        m_state.reset();
    } else {
        if (m_closing && !m_closeSent) {
            m_closeSent = true;
            m_socket.async_close(reasonOf(*m_closing),
                [self = shared_from_this()](beast::error_code) { self->end(); });
        }
        return;
    }
    m_writing = true;
    expireIn(m_core.limits().writeTimeout);
    m_socket.text(true);
    m_socket.async_write(asio::buffer(*m_sending),
        [self = shared_from_this()](beast::error_code error, std::size_t) {
            self->m_writing = false;
            self->m_sending.reset();
            if (error) {
                self->end();
                return;
            }
            if (!self->m_closing) {
                self->m_deadline.cancel();
            }
            self->send();
            if (self->m_readWaiting && self->m_out.empty()) {
                self->m_readWaiting = false;
                self->read();
            }
        });
}

void RemotePushSession::close(Reason reason)
{
    if (m_ended || m_closing) {
        return;
    }
    m_closing = reason;
    m_pairing.cancel();
    m_state.reset();
    if (reason == NewCode || reason == NewToken) {
        m_paired = false;
        m_core.unpair(this);
    }
    // A client that ignores the close is cut off.
    expireIn(m_core.limits().writeTimeout);
    send();
}

void RemotePushSession::expireIn(std::chrono::milliseconds time)
{
    m_deadline.expires_after(time);
    m_deadline.async_wait([self = shared_from_this()](beast::error_code error) {
        if (!error) {
            self->end();
        }
    });
}

void RemotePushSession::end()
{
    if (m_ended) {
        return;
    }
    m_ended = true;
    m_pairing.cancel();
    m_deadline.cancel();
    m_core.unpair(this);
    m_out.clear();
    m_state.reset();
    beast::error_code ignored;
    beast::get_lowest_layer(m_socket).socket().close(ignored);
}
