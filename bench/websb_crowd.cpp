// Load on varnelo-websb from one process, on one thread, with epoll: a crowd of event-stream
// viewers, a board publishing at a steady pace, and, on request, 300 parallel wrong guesses
// fired right before the board's first update. Prints, for the board, each update's round trip
// (p50, p99, max) and how many failed; for the viewers, how many got every update and the
// update→viewer delay (p50, p99, max), measured from the moment the board sent it.
//
//   websb_crowd PORT [--viewers N] [--seconds S] [--every MS] [--guesses N] [--spread]
//               [--board-from ADDRESS]
// --spread sends each guess from its own loopback address (127.0.1.x, 127.0.2.x, ...);
// --board-from publishes from another address than 127.0.0.1 (a board the service has not seen).

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/epoll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start, Clock::time_point end)
{
    return std::chrono::duration<double, std::milli>(end - start).count();
}

int connectFrom(int port, const std::string &from, bool blocking)
{
    const int fd = socket(AF_INET, SOCK_STREAM | (blocking ? 0 : SOCK_NONBLOCK), 0);
    if (fd < 0) {
        return -1;
    }
    const int yes = 1;
    setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &yes, sizeof(yes));
    sockaddr_in local{};
    local.sin_family = AF_INET;
    inet_pton(AF_INET, from.c_str(), &local.sin_addr);
    bind(fd, reinterpret_cast<sockaddr *>(&local), sizeof(local));
    sockaddr_in remote{};
    remote.sin_family = AF_INET;
    remote.sin_port = htons(static_cast<uint16_t>(port));
    inet_pton(AF_INET, "127.0.0.1", &remote.sin_addr);
    if (connect(fd, reinterpret_cast<sockaddr *>(&remote), sizeof(remote)) != 0
        && errno != EINPROGRESS) {
        close(fd);
        return -1;
    }
    return fd;
}

std::string boardQuery(int home, const std::string &passcode)
{
    return "/web/main?ttl=Crowd&ht=Home&vt=Away&hs=" + std::to_string(home % 100)
        + "&gt=10:00&vs=0&per=1&hsh=&hck=&hsa=&vsh=&vck=&vsa=&passcode=" + passcode;
}

// Sends one request on a blocking socket and reads one answer; the status, or 0.
int roundTrip(int fd, const std::string &target)
{
    const std::string request = "GET " + target + " HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n";
    if (send(fd, request.data(), request.size(), MSG_NOSIGNAL)
        != static_cast<ssize_t>(request.size())) {
        return 0;
    }
    std::string answer;
    char buffer[4096];
    for (;;) {
        const std::size_t end = answer.find("\r\n\r\n");
        if (end != std::string::npos) {
            const std::size_t length = answer.find("Content-Length: ");
            const std::size_t body = length == std::string::npos
                ? 0
                : std::strtoul(answer.c_str() + length + 16, nullptr, 10);
            if (answer.size() >= end + 4 + body) {
                return std::atoi(answer.c_str() + 9);
            }
        }
        const ssize_t n = recv(fd, buffer, sizeof(buffer), 0);
        if (n <= 0) {
            return 0;
        }
        answer.append(buffer, static_cast<std::size_t>(n));
    }
}

double percentile(std::vector<double> values, double p)
{
    if (values.empty()) {
        return 0;
    }
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, static_cast<std::size_t>(p * values.size()))];
}

struct Viewer
{
    int fd = -1;
    std::string pending;
    int lastHome = -1;
    int received = 0;
};

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 2) {
        std::fprintf(stderr,
            "usage: websb_crowd PORT [--viewers N] [--seconds S] [--every MS] "
            "[--guesses N] [--spread] [--board-from ADDRESS] [--passcode P]\n");
        return 2;
    }
    const int port = std::atoi(argv[1]);
    int viewerCount = 0;
    int seconds = 10;
    int everyMs = 1000;
    int guesses = 0;
    bool spread = false;
    std::string passcode = "bench-passcode";
    std::string boardFrom = "127.0.0.1";
    for (int i = 2; i < argc; ++i) {
        const std::string option = argv[i];
        const auto next = [&] { return i + 1 < argc ? std::atoi(argv[++i]) : 0; };
        if (option == "--viewers") {
            viewerCount = next();
        } else if (option == "--seconds") {
            seconds = next();
        } else if (option == "--every") {
            everyMs = next();
        } else if (option == "--guesses") {
            guesses = next();
        } else if (option == "--spread") {
            spread = true;
        } else if (option == "--board-from" && i + 1 < argc) {
            boardFrom = argv[++i];
        } else if (option == "--passcode" && i + 1 < argc) {
            passcode = argv[++i];
        }
    }

    // The crowd, spread over a few source addresses so that ports do not run out.
    const int epoll = epoll_create1(0);
    std::vector<Viewer> viewers(static_cast<std::size_t>(viewerCount));
    const std::string subscribe = "GET /api/main/events HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n";
    for (int i = 0; i < viewerCount; ++i) {
        Viewer &viewer = viewers[static_cast<std::size_t>(i)];
        viewer.fd = connectFrom(port, "127.0.0." + std::to_string(10 + i / 5000), true);
        if (viewer.fd < 0
            || send(viewer.fd, subscribe.data(), subscribe.size(), MSG_NOSIGNAL) < 0) {
            std::fprintf(stderr, "viewer %d could not connect\n", i);
            return 1;
        }
        fcntl(viewer.fd, F_SETFL, O_NONBLOCK);
        epoll_event event{};
        event.events = EPOLLIN;
        event.data.u32 = static_cast<uint32_t>(i);
        epoll_ctl(epoll, EPOLL_CTL_ADD, viewer.fd, &event);
    }
    std::printf("viewers connected: %d\n", viewerCount);
    std::fflush(stdout);

    std::map<int, Clock::time_point> sentAt; // home score → when the board sent it
    std::vector<double> viewerDelays;
    std::vector<double> boardTrips;
    int boardFailures = 0;
    int updates = 0;

    // Reads whatever the viewers have, until `until`.
    const auto pump = [&](Clock::time_point until) {
        epoll_event events[256];
        char buffer[8192];
        while (Clock::now() < until) {
            const int ready = epoll_wait(
                epoll, events, 256, std::max(1, static_cast<int>(msSince(Clock::now(), until))));
            const Clock::time_point now = Clock::now();
            for (int e = 0; e < ready; ++e) {
                Viewer &viewer = viewers[events[e].data.u32];
                for (;;) {
                    const ssize_t n = recv(viewer.fd, buffer, sizeof(buffer), 0);
                    if (n <= 0) {
                        break;
                    }
                    viewer.pending.append(buffer, static_cast<std::size_t>(n));
                }
                std::size_t at = 0;
                while ((at = viewer.pending.find("\"hs\":\"")) != std::string::npos) {
                    const int home = std::atoi(viewer.pending.c_str() + at + 6);
                    viewer.pending.erase(0, at + 6);
                    const auto sent = sentAt.find(home);
                    if (sent != sentAt.end() && home != viewer.lastHome) {
                        viewer.lastHome = home;
                        ++viewer.received;
                        viewerDelays.push_back(msSince(sent->second, now));
                    }
                }
                if (viewer.pending.size() > 65536) {
                    viewer.pending.clear();
                }
            }
        }
    };
    pump(Clock::now() + std::chrono::seconds(1)); // the first event of every viewer

    // Wrong guesses, all in flight at once, then at once the board's first update.
    std::vector<int> guessers;
    if (guesses > 0) {
        for (int i = 0; i < guesses; ++i) {
            const std::string from = spread
                ? "127.0." + std::to_string(1 + i / 250) + "." + std::to_string(1 + i % 250)
                : std::string("127.0.0.2");
            const int fd = connectFrom(port, from, true);
            const std::string request = "GET " + boardQuery(0, "guess" + std::to_string(i))
                + " HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: close\r\n\r\n";
            if (fd >= 0) {
                send(fd, request.data(), request.size(), MSG_NOSIGNAL);
                guessers.push_back(fd);
            }
        }
    }

    const int board = connectFrom(port, boardFrom, true);
    const Clock::time_point started = Clock::now();
    const Clock::time_point end = started + std::chrono::seconds(seconds);
    for (int home = 1; Clock::now() < end; ++home) {
        const Clock::time_point sent = Clock::now();
        sentAt[home % 100] = sent;
        const int status = roundTrip(board, boardQuery(home, passcode));
        const Clock::time_point answered = Clock::now();
        boardTrips.push_back(msSince(sent, answered));
        if (home == 1 && guesses > 0) {
            std::printf(
                "first valid update from %s after %d wrong guesses in flight: %d in %.1f ms\n",
                boardFrom.c_str(), guesses, status, msSince(sent, answered));
        }
        if (status == 200 && boardFailures == updates && guesses > 0) {
            std::printf(
                "first accepted update %.1f ms after the first try\n", msSince(started, answered));
        }
        boardFailures += status == 200 ? 0 : 1;
        ++updates;
        pump(sent + std::chrono::milliseconds(everyMs));
    }
    pump(Clock::now() + std::chrono::milliseconds(500));

    int refused = 0;
    for (const int fd : guessers) {
        char answer[64] = {};
        if (recv(fd, answer, sizeof(answer) - 1, 0) > 12) {
            refused += std::strncmp(answer + 9, "429", 3) == 0 ? 1 : 0;
        }
        close(fd);
    }
    if (guesses > 0) {
        std::printf("wrong guesses answered 429 at once: %d of %d\n", refused, guesses);
    }

    int complete = 0;
    for (const Viewer &viewer : viewers) {
        complete += viewer.received >= updates ? 1 : 0;
    }
    std::printf("board: %d updates, %d failed, round trip p50 %.1f ms, p99 %.1f ms, max %.1f ms\n",
        updates, boardFailures, percentile(boardTrips, 0.5), percentile(boardTrips, 0.99),
        percentile(boardTrips, 1.0));
    if (viewerCount > 0) {
        std::printf("viewers: %d of %d got every update; update->viewer p50 %.1f ms, p99 %.1f ms, "
                    "max %.1f ms\n",
            complete, viewerCount, percentile(viewerDelays, 0.5), percentile(viewerDelays, 0.99),
            percentile(viewerDelays, 1.0));
    }
    return boardFailures == 0 ? 0 : 1;
}
