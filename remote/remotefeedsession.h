#pragma once

#include "remote/remotecore.h"

#include <boost/asio/steady_timer.hpp>
#include <boost/beast/core/tcp_stream.hpp>

#include <array>
#include <memory>
#include <string>

// One event stream of the API (text/event-stream), taken over from the HTTP connection that
// asked for it: its first events at once, then the latest state whenever it changes and a
// comment now and then so that proxies keep it open. Only the latest state waits, never a
// backlog; a write the client does not take in time ends the stream, and so does anything the
// client sends, which a reader of a stream never does.
class RemoteFeedSession : public std::enable_shared_from_this<RemoteFeedSession>
{
public:
    RemoteFeedSession(RemoteCore &core, boost::asio::ip::tcp::socket socket, std::string client);
    ~RemoteFeedSession();

    // Writes the answer's head and body, or a refusal when as many streams are open as allowed.
    void start(RemoteAnswer answer);
    void pushEvent(std::shared_ptr<const std::string> event);
    void end();

private:
    void refuse();
    void watchClient();
    void send();
    void keepAliveLater();

    RemoteCore &m_core;
    boost::beast::tcp_stream m_stream;
    const std::string m_client;
    boost::asio::steady_timer m_keepAlive;
    // The head and first events until written, the latest state not yet written, the write
    // under way.
    std::string m_first;
    std::shared_ptr<const std::string> m_next;
    std::shared_ptr<const std::string> m_sending;
    bool m_keepAliveDue = false;
    bool m_writing = false;
    bool m_ended = false;
    std::array<char, 256> m_discarded{};
};

// The head of an event stream's answer, or of any answer that ends with the connection.
std::string StreamHead(const RemoteAnswer &answer);
