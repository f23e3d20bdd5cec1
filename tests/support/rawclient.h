#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QTest>

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>

// A hostile or careless client of the board's server, for tests on the loopback.

// A client that writes what it likes and reads only when asked, from a loopback address of its
// choice (each of 127.0.0.0/8 is a client address of its own).
class RawClient
{
public:
    RawClient(quint16 port, const char *from = "127.0.0.1")
    {
        m_socket = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in local{};
        local.sin_family = AF_INET;
        ::inet_pton(AF_INET, from, &local.sin_addr);
        ::bind(m_socket, reinterpret_cast<sockaddr *>(&local), sizeof local);
        // A small window: what the board sends piles up at its end, not here.
        const int window = 4096;
        ::setsockopt(m_socket, SOL_SOCKET, SO_RCVBUF, &window, sizeof window);
        sockaddr_in remote{};
        remote.sin_family = AF_INET;
        remote.sin_port = htons(port);
        ::inet_pton(AF_INET, "127.0.0.1", &remote.sin_addr);
        m_connected
            = ::connect(m_socket, reinterpret_cast<sockaddr *>(&remote), sizeof remote) == 0;
        ::fcntl(m_socket, F_SETFL, ::fcntl(m_socket, F_GETFL) | O_NONBLOCK);
    }
    ~RawClient() { ::close(m_socket); }
    RawClient(const RawClient &) = delete;
    RawClient &operator=(const RawClient &) = delete;

    bool connected() const { return m_connected; }
    // False once the board has closed the connection.
    bool send(const QByteArray &bytes)
    {
        const ssize_t sent
            = ::send(m_socket, bytes.constData(), size_t(bytes.size()), MSG_NOSIGNAL);
        return sent >= 0 || errno == EAGAIN;
    }
    // Reads what has arrived; false once the board has closed the connection.
    bool read()
    {
        char chunk[4096];
        for (;;) {
            const ssize_t got = ::recv(m_socket, chunk, sizeof chunk, 0);
            if (got > 0) {
                m_received.append(chunk, got);
                continue;
            }
            return got < 0 && errno == EAGAIN;
        }
    }
    const QByteArray &received() const { return m_received; }

private:
    int m_socket = -1;
    bool m_connected = false;
    QByteArray m_received;
};

// Sends `bytes` again and again, the board's thread turning meanwhile, until the board closes
// the connection or `limit` passes; whether it closed it.
inline bool closedWhileSending(RawClient &client, const QByteArray &bytes,
    std::chrono::milliseconds limit, bool reading = true)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < limit.count()) {
        if (!client.send(bytes) || (reading && !client.read())) {
            client.read(); // what came before the close
            return true;
        }
        QTest::qWait(1);
    }
    return false;
}
