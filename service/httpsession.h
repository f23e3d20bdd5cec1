#pragma once

#include "httpserver.h"

#include "linger/lingeringclose.h"

#include <boost/beast/core/flat_buffer.hpp>
#include <boost/beast/core/tcp_stream.hpp>
#include <boost/beast/http/empty_body.hpp>
#include <boost/beast/http/parser.hpp>

#include <array>
#include <optional>

// One client connection: reads requests under the header and idle deadlines, passes each to the
// handler, writes its answer under the write deadline, and, for an event stream, keeps only the
// latest waiting chunk. Everything runs on the connection's strand.
namespace websb {

class HttpSession : public HttpExchange,
                    public StreamSink,
                    public std::enable_shared_from_this<HttpSession>
{
public:
    HttpSession(boost::asio::ip::tcp::socket socket, HttpServer &server, std::string peer,
        bool countedPeer);
    ~HttpSession() override;

    void start();
    // Ends the connection (the server's stop).
    void close();

    void reply(HttpResponse response) override;
    std::shared_ptr<StreamSink> openStream(
        std::string first, std::function<void()> closed) override;
    void send(std::shared_ptr<const std::string> bytes, bool ifIdle) override;

private:
    void waitForRequest();
    void readRequest();
    void onRequest(boost::beast::error_code error);
    void refuseRequest(boost::beast::error_code error);
    void write(std::shared_ptr<const std::string> bytes, bool thenRead);
    void lingerAndClose();
    void watchStream();
    void writeStream(std::shared_ptr<const std::string> bytes);
    void endStream();

    HttpServer &m_server;
    boost::beast::tcp_stream m_stream;
    boost::beast::flat_buffer m_buffer;
    std::optional<boost::beast::http::request_parser<boost::beast::http::empty_body>> m_parser;
    const std::string m_peer;
    const bool m_countedPeer;
    bool m_busy = false; // a request is being answered
    bool m_headOnly = false;
    bool m_keepAlive = false;
    bool m_closed = false;
    // Event stream state.
    bool m_streaming = false;
    bool m_writing = false;
    std::shared_ptr<const std::string> m_waiting;
    std::function<void()> m_streamClosed;
    tcpclose::Drain<256> m_drain;
};

} // namespace websb
