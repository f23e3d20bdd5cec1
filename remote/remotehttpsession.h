#pragma once

#include "remote/remotecore.h"

#include "linger/lingeringclose.h"

#include <boost/beast/core/flat_buffer.hpp>
#include <boost/beast/core/tcp_stream.hpp>
#include <boost/beast/http/message.hpp>
#include <boost/beast/http/parser.hpp>
#include <boost/beast/http/string_body.hpp>

#include <array>
#include <optional>

// One connection to the page and the API: reads a request under the header deadline and the
// caps (the body no more than a command's), has the handlers answer it, writes the answer under
// the write deadline and only then reads the next, which must begin within the idle time.
// A client that does not read its answers therefore stops being read, then is let go. An answer
// that opens an event stream hands the connection over to a RemoteFeedSession.
class RemoteHttpSession : public std::enable_shared_from_this<RemoteHttpSession>
{
public:
    RemoteHttpSession(RemoteCore &core, boost::asio::ip::tcp::socket socket, std::string client);
    ~RemoteHttpSession();

    void start();

private:
    void waitForRequest();
    void readRequest();
    void onRequest(boost::beast::error_code error);
    void refuse(boost::beast::error_code error);
    void write(RemoteAnswer answer, bool keepAlive);
    void handOver(RemoteAnswer answer);
    void lingerAndClose();

    RemoteCore &m_core;
    boost::beast::tcp_stream m_stream;
    boost::beast::flat_buffer m_buffer;
    std::optional<boost::beast::http::request_parser<boost::beast::http::string_body>> m_parser;
    std::optional<boost::beast::http::response<boost::beast::http::string_body>> m_response;
    const std::string m_client;
    tcpclose::Drain<1024> m_drain;
    // The connection went on as an event stream, which counts it from then on.
    bool m_handedOver = false;
};

// A refusal or an answer of the API: {"ok":false,"error":text} with its status.
RemoteAnswer RemoteError(int status, const std::string &text);
