#include "remote/remotehttpsession.h"

#include "remote/remotefeedsession.h"

#include <boost/asio/post.hpp>
#include <boost/beast/http/error.hpp>
#include <boost/beast/http/read.hpp>
#include <boost/beast/http/write.hpp>

namespace asio = boost::asio;
namespace beast = boost::beast;
namespace http = beast::http;

namespace {

// What is read and thrown away after a refusal, so that the client sees the answer rather than
// a reset, and for how long at most.
constexpr std::size_t MaxDrained = 64 * 1024;
constexpr auto DrainTime = std::chrono::seconds(1);

} // namespace

RemoteAnswer RemoteError(int status, const std::string &text)
{
    return {status, "application/json", "{\"ok\":false,\"error\":\"" + text + "\"}",
        {{"Cache-Control", "no-store"}}, {}};
}

RemoteHttpSession::RemoteHttpSession(
    RemoteCore &core, asio::ip::tcp::socket socket, std::string client)
    : m_core(core)
    , m_stream(std::move(socket))
    , m_buffer(static_cast<std::size_t>(core.limits().headerBytes)
          + RemoteServer::MaximumMessageBytes + 1024)
    , m_client(std::move(client))
{
}

RemoteHttpSession::~RemoteHttpSession()
{
    if (!m_handedOver) {
        m_core.release(m_client);
    }
}

void RemoteHttpSession::start()
{
    readRequest();
}

// A kept-alive connection waits for the first byte of its next request under the idle time;
// only then does the header deadline start.
void RemoteHttpSession::waitForRequest()
{
    if (m_buffer.size() > 0) {
        readRequest();
        return;
    }
    m_stream.expires_after(m_core.limits().idleTimeout);
    m_stream.async_read_some(m_buffer.prepare(1024),
        [self = shared_from_this()](beast::error_code error, std::size_t read) {
            if (!error) {
                self->m_buffer.commit(read);
                self->readRequest();
            }
        });
}

void RemoteHttpSession::readRequest()
{
    m_parser.emplace();
    m_parser->header_limit(static_cast<std::uint32_t>(m_core.limits().headerBytes));
    m_parser->body_limit(RemoteServer::MaximumMessageBytes);
    m_stream.expires_after(m_core.limits().headerTimeout);
    http::async_read(m_stream, m_buffer, *m_parser,
        [self = shared_from_this()](
            beast::error_code error, std::size_t) { self->onRequest(error); });
}

void RemoteHttpSession::onRequest(beast::error_code error)
{
    if (error) {
        refuse(error);
        return;
    }
    m_stream.expires_never();
    auto &message = m_parser->get();
    const bool keepAlive = message.keep_alive();
    RemoteRequest request;
    request.method = std::string(message.method_string());
    const std::string_view target = message.target();
    const std::size_t question = target.find('?');
    request.path = std::string(target.substr(0, question));
    if (question != std::string_view::npos) {
        request.query = std::string(target.substr(question + 1));
    }
    request.authorization = std::string(message[http::field::authorization]);
    request.body = std::move(message.body());
    request.client = m_client;
    // Answered on the handlers' thread; nothing more is read meanwhile. The connection is let
    // go on its own thread only.
    RemoteCore *core = &m_core;
    m_core.onUi(
        [core, self = shared_from_this(), keepAlive, request = std::move(request)]() mutable {
            RemoteAnswer answer = core->handlers().request(request);
            asio::post(core->context(),
                [self = std::move(self), keepAlive, answer = std::move(answer)]() mutable {
                    self->write(std::move(answer), keepAlive);
                });
        });
}

void RemoteHttpSession::refuse(beast::error_code error)
{
    if (error == http::error::end_of_stream || error == asio::error::eof
        || error == asio::error::operation_aborted || error == asio::error::connection_reset) {
        return;
    }
    RemoteAnswer answer;
    if (error == beast::error::timeout) {
        if (m_buffer.size() == 0) {
            return; // said nothing: just closed
        }
        answer = RemoteError(408, "the request took too long");
    } else if (error == http::error::header_limit || error == http::error::buffer_overflow) {
        // Too long before the end of the first line: the address itself is.
        answer = m_parser->get().target().empty() ? RemoteError(414, "request too long")
                                                  : RemoteError(431, "request headers too large");
    } else if (error == http::error::body_limit) {
        answer = RemoteError(413, "message too large");
    } else {
        answer = RemoteError(400, "bad request");
    }
    write(std::move(answer), false);
}

void RemoteHttpSession::write(RemoteAnswer answer, bool keepAlive)
{
    if (answer.feed) {
        handOver(std::move(answer));
        return;
    }
    m_response.emplace(static_cast<http::status>(answer.status), 11);
    m_response->set(http::field::content_type, answer.contentType);
    for (const auto &[name, value] : answer.headers) {
        m_response->set(name, value);
    }
    m_response->body() = std::move(answer.body);
    m_response->keep_alive(keepAlive);
    m_response->prepare_payload();
    m_stream.expires_after(m_core.limits().writeTimeout);
    http::async_write(m_stream, *m_response,
        [self = shared_from_this(), keepAlive](beast::error_code error, std::size_t) {
            self->m_response.reset();
            if (error) {
                return; // gone, or did not read its answer in time
            }
            if (keepAlive) {
                self->waitForRequest();
            } else {
                self->lingerAndClose();
            }
        });
}

void RemoteHttpSession::handOver(RemoteAnswer answer)
{
    m_handedOver = true;
    std::make_shared<RemoteFeedSession>(m_core, m_stream.release_socket(), m_client)
        ->start(std::move(answer));
}

void RemoteHttpSession::lingerAndClose()
{
    tcpclose::LingerAndClose(m_stream, m_drain, DrainTime, MaxDrained, shared_from_this());
}
