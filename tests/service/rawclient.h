#pragma once

#include <chrono>
#include <string>

// A plain blocking TCP client for the hostile-client tests: it connects from a chosen loopback
// address (so that an attacker and a board are different clients), sends any bytes and reads
// one HTTP answer, each step bounded in time.
namespace websbtest {

class RawClient
{
public:
    struct Answer
    {
        int status = 0; // 0 when no answer came
        std::string head;
        std::string body;

        std::string header(const std::string &name) const;
    };

    RawClient() = default;
    ~RawClient();
    RawClient(RawClient &&other) noexcept;
    RawClient &operator=(RawClient &&other) noexcept;
    RawClient(const RawClient &) = delete;
    RawClient &operator=(const RawClient &) = delete;

    // `from` is the local address to connect from, e.g. "127.0.0.2". A small receive buffer
    // makes a slow reader.
    bool connect(int port, const std::string &from = "127.0.0.1", int receiveBuffer = 0);
    bool send(const std::string &bytes);
    // One answer with a Content-Length body, or the head of a stream.
    Answer read(std::chrono::milliseconds timeout, bool headOnly = false);
    // Whatever arrives within `timeout` (a stream's next bytes).
    std::string readSome(std::chrono::milliseconds timeout);
    // True when the server closed the connection within `timeout`.
    bool closedBy(std::chrono::milliseconds timeout);
    // The same without reading: a reader that reads would let a stalled server write on.
    bool closedUnreadBy(std::chrono::milliseconds timeout);
    bool isOpen() const { return m_socket >= 0; }
    void close();

private:
    bool fill(std::chrono::steady_clock::time_point deadline);

    int m_socket = -1;
    std::string m_pending;
};

} // namespace websbtest
