#include "httpsession.h"

#include <boost/asio/dispatch.hpp>
#include <boost/asio/write.hpp>
#include <boost/beast/http/error.hpp>
#include <boost/beast/http/read.hpp>

namespace websb {

namespace asio = boost::asio;
namespace beast = boost::beast;
namespace http = beast::http;

namespace {

// Bytes read and thrown away after a refusal, so that the client sees the answer rather than a
// reset, and for how long.
constexpr std::size_t MaxDrained = 1024 * 1024;
constexpr auto DrainTime = std::chrono::seconds(2);

} // namespace

HttpSession::HttpSession(
    asio::ip::tcp::socket socket, HttpServer &server, std::string peer, bool countedPeer)
    : m_server(server)
    , m_stream(std::move(socket))
    , m_buffer(server.m_limits.maxRequestBytes + 1024)
    , m_peer(std::move(peer))
    , m_countedPeer(countedPeer)
{
}

HttpSession::~HttpSession()
{
    if (m_streamClosed) {
        m_streamClosed();
    }
    if (m_countedPeer) {
        m_server.m_perAddress.release(m_peer);
    }
    --m_server.m_connections;
    m_server.forget(this);
}

void HttpSession::start()
{
    asio::dispatch(m_stream.get_executor(), [self = shared_from_this()] { self->readRequest(); });
}

void HttpSession::close()
{
    asio::dispatch(m_stream.get_executor(), [self = shared_from_this()] {
        self->m_closed = true;
        beast::error_code ignored;
        self->m_stream.socket().shutdown(asio::ip::tcp::socket::shutdown_both, ignored);
        self->m_stream.close();
    });
}

// A kept-alive connection waits for the first byte of its next request under the idle limit;
// only then does the header deadline start.
void HttpSession::waitForRequest()
{
    if (m_buffer.size() > 0) {
        readRequest();
        return;
    }
    m_stream.expires_after(m_server.m_limits.idleTimeout);
    m_stream.async_read_some(m_buffer.prepare(1024),
        [self = shared_from_this()](beast::error_code error, std::size_t read) {
            if (error) {
                return; // idle too long, or gone
            }
            self->m_buffer.commit(read);
            self->readRequest();
        });
}

void HttpSession::readRequest()
{
    m_parser.emplace();
    m_parser->header_limit(static_cast<std::uint32_t>(m_server.m_limits.maxRequestBytes));
    m_parser->body_limit(0);
    m_stream.expires_after(m_server.m_limits.headerTimeout);
    http::async_read(m_stream, m_buffer, *m_parser,
        [self = shared_from_this()](
            beast::error_code error, std::size_t) { self->onRequest(error); });
}

void HttpSession::onRequest(beast::error_code error)
{
    if (error) {
        refuseRequest(error);
        return;
    }
    m_stream.expires_never();
    const auto &message = m_parser->get();
    m_keepAlive = message.keep_alive();
    m_headOnly = message.method() == http::verb::head;
    HttpRequest request;
    request.method = message.method_string();
    request.target = message.target();
    // Several header lines are one comma-separated list: a proxy that adds its own line after
    // the client's (haproxy's forwardfor) must not leave the client's first.
    std::string forwarded;
    for (auto [field, end] = message.equal_range("X-Forwarded-For"); field != end; ++field) {
        forwarded += forwarded.empty() ? "" : ", ";
        forwarded += field->value();
    }
    request.client = clientAddress(m_peer, forwarded, m_server.m_trustedProxies);
    if (message.count("Last-Event-ID")) {
        request.lastEventId = std::string(message["Last-Event-ID"]);
    }
    if (message.count(http::field::if_none_match)) {
        request.ifNoneMatch = std::string(message[http::field::if_none_match]);
    }
    m_busy = true;
    m_server.m_handler.handle(request, shared_from_this());
}

void HttpSession::refuseRequest(beast::error_code error)
{
    if (error == http::error::end_of_stream || error == asio::error::eof
        || error == asio::error::operation_aborted || error == asio::error::connection_reset
        || m_closed) {
        return;
    }
    int status = 400;
    std::string text = "bad request";
    if (error == beast::error::timeout) {
        if (m_buffer.size() == 0) {
            return;
        }
        status = 408;
        text = "the request took too long";
    } else if (error == http::error::header_limit || error == http::error::buffer_overflow) {
        // Over-long before the end of the first line: the address itself is too long.
        if (m_parser->get().target().empty()) {
            status = 414;
            text = "request too long";
        } else {
            status = 431;
            text = "request headers too large";
        }
    } else if (error == http::error::unexpected_body || error == http::error::body_limit) {
        status = 413;
        text = "a request body is not accepted";
    }
    HttpResponse response = textResponse(status, std::move(text));
    response.close = true;
    m_keepAlive = false;
    m_headOnly = false;
    write(std::make_shared<const std::string>(formatResponse(response, false, false)), false);
}

void HttpSession::reply(HttpResponse response)
{
    asio::dispatch(m_stream.get_executor(),
        [self = shared_from_this(), response = std::move(response)]() mutable {
            if (!self->m_busy || self->m_closed) {
                return;
            }
            self->m_busy = false;
            const bool keepAlive = self->m_keepAlive && !response.close;
            self->write(std::make_shared<const std::string>(
                            formatResponse(response, self->m_headOnly, keepAlive)),
                keepAlive);
        });
}

void HttpSession::write(std::shared_ptr<const std::string> bytes, bool thenRead)
{
    m_stream.expires_after(m_server.m_limits.writeTimeout);
    asio::async_write(m_stream, asio::buffer(*bytes),
        [self = shared_from_this(), bytes, thenRead](beast::error_code error, std::size_t) {
            if (error) {
                return;
            }
            if (thenRead) {
                self->waitForRequest();
            } else {
                self->lingerAndClose();
            }
        });
}

void HttpSession::lingerAndClose()
{
    tcpclose::LingerAndClose(m_stream, m_drain, DrainTime, MaxDrained, shared_from_this());
}

std::shared_ptr<StreamSink> HttpSession::openStream(std::string first, std::function<void()> closed)
{
    auto self = shared_from_this();
    asio::dispatch(m_stream.get_executor(),
        [self, first = std::move(first), closed = std::move(closed)]() mutable {
            self->m_streamClosed = std::move(closed);
            if (!self->m_busy || self->m_closed) {
                return;
            }
            self->m_busy = false;
            self->m_streaming = true;
            // Stream writes are tried at once and never block the thread (see writeStream).
            beast::error_code ignored;
            self->m_stream.socket().non_blocking(true, ignored);
            self->m_stream.socket().set_option(
                asio::socket_base::send_buffer_size(self->m_server.m_limits.streamSendBuffer),
                ignored);
            self->m_buffer.clear();
            self->m_buffer.shrink_to_fit();
            self->watchStream();
            self->writeStream(std::make_shared<const std::string>(
                formatStreamHead() + (self->m_headOnly ? std::string() : chunk(first))));
        });
    return self;
}

// A viewer sends nothing more: reading only tells when it leaves.
void HttpSession::watchStream()
{
    m_stream.socket().async_read_some(asio::buffer(m_drain.buffer),
        asio::bind_executor(m_stream.get_executor(),
            [self = shared_from_this()](beast::error_code error, std::size_t) {
                if (error) {
                    self->endStream();
                } else {
                    self->watchStream();
                }
            }));
}

void HttpSession::send(std::shared_ptr<const std::string> bytes, bool ifIdle)
{
    asio::dispatch(
        m_stream.get_executor(), [self = shared_from_this(), bytes = std::move(bytes), ifIdle] {
            if (!self->m_streaming || self->m_closed || self->m_headOnly) {
                return;
            }
            if (self->m_writing) {
                if (!ifIdle) {
                    self->m_waiting = bytes;
                }
                return;
            }
            self->writeStream(bytes);
        });
}

void HttpSession::writeStream(std::shared_ptr<const std::string> bytes)
{
    // An event nearly always fits in the socket's buffer: one write then, with no operation to
    // allocate and no deadline to arm. Only what is left waits, under the write deadline.
    beast::error_code error;
    const std::size_t written = m_stream.socket().write_some(asio::buffer(*bytes), error);
    if (error && error != asio::error::would_block && error != asio::error::try_again) {
        endStream();
        return;
    }
    if (!error && written == bytes->size()) {
        return;
    }
    m_writing = true;
    m_stream.expires_after(m_server.m_limits.writeTimeout);
    asio::async_write(m_stream, asio::buffer(*bytes) + written,
        [self = shared_from_this(), bytes](beast::error_code error, std::size_t) {
            self->m_writing = false;
            if (error) {
                self->endStream();
                return;
            }
            self->m_stream.expires_never();
            if (self->m_waiting) {
                self->writeStream(std::move(self->m_waiting));
            }
        });
}

void HttpSession::endStream()
{
    if (m_closed) {
        return;
    }
    m_closed = true;
    m_streaming = false;
    m_waiting.reset();
    m_stream.close();
    if (m_streamClosed) {
        auto closed = std::move(m_streamClosed);
        m_streamClosed = nullptr;
        closed();
    }
}

} // namespace websb
