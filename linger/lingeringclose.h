#pragma once

#include <boost/asio/buffer.hpp>
#include <boost/asio/socket_base.hpp>
#include <boost/beast/core/error.hpp>
#include <boost/beast/core/tcp_stream.hpp>

#include <array>
#include <chrono>
#include <cstddef>
#include <memory>

// Closing a connection with unread input would reset it and could destroy the answer on its
// way: say that nothing more comes, read what the client still sends for a moment, then close.
namespace tcpclose {

// What a connection reads into while it lingers; a member of the connection.
template<std::size_t Bytes>
struct Drain
{
    std::array<char, Bytes> buffer{};
    std::size_t drained = 0;
};

// Reads and drops what comes, at most `most` bytes, until the client closes or the stream's
// deadline passes. `owner` keeps the connection (which holds `stream` and `drain`) alive.
template<typename Owner, std::size_t Bytes>
void DrainInput(boost::beast::tcp_stream &stream, Drain<Bytes> &drain, std::size_t most,
    std::shared_ptr<Owner> owner)
{
    stream.async_read_some(boost::asio::buffer(drain.buffer),
        [&stream, &drain, most, owner = std::move(owner)](
            boost::beast::error_code error, std::size_t read) mutable {
            drain.drained += read;
            if (!error && drain.drained < most) {
                DrainInput(stream, drain, most, std::move(owner));
            }
        });
}

template<typename Owner, std::size_t Bytes>
void LingerAndClose(boost::beast::tcp_stream &stream, Drain<Bytes> &drain,
    std::chrono::steady_clock::duration lingering, std::size_t most, std::shared_ptr<Owner> owner)
{
    boost::beast::error_code ignored;
    stream.socket().shutdown(boost::asio::socket_base::shutdown_send, ignored);
    stream.expires_after(lingering);
    DrainInput(stream, drain, most, std::move(owner));
}

} // namespace tcpclose
