#include "rawclient.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace websbtest {

namespace {

std::string lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
        [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

} // namespace

std::string RawClient::Answer::header(const std::string &name) const
{
    const std::string lowered = lower(head);
    const std::size_t at = lowered.find("\r\n" + lower(name) + ":");
    if (at == std::string::npos) {
        return {};
    }
    const std::size_t from = at + 3 + name.size();
    const std::size_t end = head.find("\r\n", from);
    std::string value = head.substr(from, end - from);
    value.erase(0, value.find_first_not_of(' '));
    return value;
}

RawClient::~RawClient()
{
    close();
}

RawClient::RawClient(RawClient &&other) noexcept
    : m_socket(other.m_socket)
    , m_pending(std::move(other.m_pending))
{
    other.m_socket = -1;
}

RawClient &RawClient::operator=(RawClient &&other) noexcept
{
    if (this != &other) {
        close();
        m_socket = other.m_socket;
        m_pending = std::move(other.m_pending);
        other.m_socket = -1;
    }
    return *this;
}

bool RawClient::connect(int port, const std::string &from, int receiveBuffer)
{
    close();
    m_socket = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (m_socket < 0) {
        return false;
    }
    if (receiveBuffer > 0) {
        setsockopt(m_socket, SOL_SOCKET, SO_RCVBUF, &receiveBuffer, sizeof(receiveBuffer));
    }
    const int yes = 1;
    setsockopt(m_socket, IPPROTO_TCP, TCP_NODELAY, &yes, sizeof(yes));
    sockaddr_in local{};
    local.sin_family = AF_INET;
    inet_pton(AF_INET, from.c_str(), &local.sin_addr);
    sockaddr_in remote{};
    remote.sin_family = AF_INET;
    remote.sin_port = htons(static_cast<uint16_t>(port));
    inet_pton(AF_INET, "127.0.0.1", &remote.sin_addr);
    if (::bind(m_socket, reinterpret_cast<const sockaddr *>(&local), sizeof(local)) != 0
        || ::connect(m_socket, reinterpret_cast<const sockaddr *>(&remote), sizeof(remote)) != 0) {
        close();
        return false;
    }
    return true;
}

bool RawClient::send(const std::string &bytes)
{
    std::size_t sent = 0;
    while (m_socket >= 0 && sent < bytes.size()) {
        const ssize_t n = ::send(m_socket, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (n <= 0) {
            return false;
        }
        sent += static_cast<std::size_t>(n);
    }
    return m_socket >= 0;
}

bool RawClient::fill(std::chrono::steady_clock::time_point deadline)
{
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    if (m_socket < 0 || left.count() <= 0) {
        return false;
    }
    pollfd waiting{m_socket, POLLIN, 0};
    if (::poll(&waiting, 1, static_cast<int>(left.count())) <= 0) {
        return false;
    }
    char buffer[16384];
    const ssize_t n = ::recv(m_socket, buffer, sizeof(buffer), 0);
    if (n <= 0) {
        close();
        return false;
    }
    m_pending.append(buffer, static_cast<std::size_t>(n));
    return true;
}

RawClient::Answer RawClient::read(std::chrono::milliseconds timeout, bool headOnly)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    std::size_t end = std::string::npos;
    while ((end = m_pending.find("\r\n\r\n")) == std::string::npos) {
        if (!fill(deadline)) {
            return {};
        }
    }
    Answer answer;
    answer.head = m_pending.substr(0, end + 2);
    m_pending.erase(0, end + 4);
    if (answer.head.rfind("HTTP/1.1 ", 0) != 0) {
        return {};
    }
    answer.status = std::atoi(answer.head.c_str() + 9);
    if (headOnly) {
        return answer;
    }
    const std::size_t length
        = static_cast<std::size_t>(std::atoll(answer.header("Content-Length").c_str()));
    while (m_pending.size() < length) {
        if (!fill(deadline)) {
            return {};
        }
    }
    answer.body = m_pending.substr(0, length);
    m_pending.erase(0, length);
    return answer;
}

std::string RawClient::readSome(std::chrono::milliseconds timeout)
{
    fill(std::chrono::steady_clock::now() + timeout);
    std::string bytes;
    bytes.swap(m_pending);
    return bytes;
}

bool RawClient::closedBy(std::chrono::milliseconds timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (m_socket >= 0) {
        m_pending.clear();
        if (!fill(deadline) && m_socket >= 0) {
            return false; // still open at the deadline
        }
    }
    return true;
}

bool RawClient::closedUnreadBy(std::chrono::milliseconds timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (m_socket >= 0) {
        // The connection's state, which a close by the server changes whatever is still unread.
        tcp_info info{};
        socklen_t size = sizeof info;
        if (getsockopt(m_socket, IPPROTO_TCP, TCP_INFO, &info, &size) != 0
            || info.tcpi_state != TCP_ESTABLISHED) {
            return true;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
        poll(nullptr, 0, 20);
    }
    return true;
}

void RawClient::close()
{
    if (m_socket >= 0) {
        ::close(m_socket);
        m_socket = -1;
    }
}

} // namespace websbtest
