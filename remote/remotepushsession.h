#pragma once

#include "remote/remotecore.h"

#include <boost/beast/core/flat_buffer.hpp>
#include <boost/beast/core/tcp_stream.hpp>
#include <boost/beast/http/empty_body.hpp>
#include <boost/beast/http/parser.hpp>
#include <boost/beast/websocket/stream.hpp>

#include <deque>
#include <optional>

// One socket of the push channel: the upgrade is read under the header deadline and caps and
// refused to a foreign page's origin; messages are capped at a command's size and read one at
// a time, the next only once the handlers have answered the last. Until it pairs, a socket may
// send only a few messages and lives only the pairing time. What waits to be sent is the
// answers of one message and the latest state, never a backlog; a write the client does not
// take in time ends the socket. A socket pairs as a device with the pairing code, or as a
// reader with the overlay token.
class RemotePushSession : public std::enable_shared_from_this<RemotePushSession>
{
public:
    enum Reason { NotPaired, LockedOut, NewCode, NewToken, Flooding, NotText };

    RemotePushSession(RemoteCore &core, boost::asio::ip::tcp::socket socket, std::string client);
    ~RemotePushSession();

    void start();
    void pushState(std::shared_ptr<const std::string> state);
    // Says why with a close frame, and cuts the connection if the client does not take it.
    void close(Reason reason);

private:
    void onUpgrade(boost::beast::error_code error);
    void refuse(int status, const char *text);
    void onWelcome(bool welcome);
    void read();
    void onMessage(boost::beast::error_code error);
    void onAnswer(PushAnswer answer);
    void send();
    void expireIn(std::chrono::milliseconds time);
    void end();

    RemoteCore &m_core;
    boost::beast::websocket::stream<boost::beast::tcp_stream> m_socket;
    boost::beast::flat_buffer m_buffer;
    std::optional<boost::beast::http::request_parser<boost::beast::http::empty_body>> m_upgrade;
    std::string m_refusal;
    const std::string m_client;
    boost::asio::steady_timer m_deadline;
    boost::asio::steady_timer m_pairing;
    bool m_open = false;
    bool m_paired = false;
    RemoteAccess m_access = RemoteAccess::Device;
    bool m_writing = false;
    bool m_ended = false;
    std::optional<Reason> m_closing;
    bool m_closeSent = false;
    bool m_readWaiting = false;
    int m_unpairedMessages = 0;
    std::deque<std::string> m_out;
    std::shared_ptr<const std::string> m_state;
    std::shared_ptr<const std::string> m_sending;
};
