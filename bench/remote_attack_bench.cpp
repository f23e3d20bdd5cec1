// The remote control under attack: each hostile client of the loopback for a while (60 s each
// unless told otherwise) against a board-like host (the game model with its clock running, its
// face refreshed every 50 ms on the user-interface thread, and the remote control), with a
// paired phone sending a command every 100 ms. Prints, per attack, the board's RSS growth, the
// phone's command p99, the longest time between two changes of the clock's face (1 s when on
// time) and whether a new client is served again once the attack has ended.
//
//   QT_QPA_PLATFORM=offscreen build/bin/remote_attack_bench [seconds] [attack]
// The attackers run in a child process, so that their memory and CPU are not the board's.
#include "game/modsoccer.h"
#include "game/scoreboardgame.h"
#include "game/timesource.h"
#include "remote/remotecontrol.h"
#include "settings/livesettings.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTimer>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <future>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace {

const std::string Code = "ABCD1234EFGHJ";
const char *const Attacks[] = {"huge-body", "chunked", "endless-header", "pipelined-no-read",
    "ws-flood", "idle", "locked-out-ws"};

int connectFrom(const std::string &from, int port, int timeoutMs = 1000)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in local{};
    local.sin_family = AF_INET;
    ::inet_pton(AF_INET, from.c_str(), &local.sin_addr);
    ::bind(fd, reinterpret_cast<sockaddr *>(&local), sizeof local);
    timeval timeout{timeoutMs / 1000, (timeoutMs % 1000) * 1000};
    ::setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &timeout, sizeof timeout);
    ::setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof timeout);
    sockaddr_in remote{};
    remote.sin_family = AF_INET;
    remote.sin_port = htons(static_cast<uint16_t>(port));
    ::inet_pton(AF_INET, "127.0.0.1", &remote.sin_addr);
    if (::connect(fd, reinterpret_cast<sockaddr *>(&remote), sizeof remote) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

bool sendAll(int fd, const std::string &bytes)
{
    return ::send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL) == ssize_t(bytes.size());
}

std::string upgrade()
{
    return "GET / HTTP/1.1\r\nHost: 127.0.0.1\r\nUpgrade: websocket\r\nConnection: Upgrade\r\n"
           "Sec-WebSocket-Key: dGhlIHNhbXBsZSBub25jZQ==\r\nSec-WebSocket-Version: 13\r\n\r\n";
}

std::string frame(const std::string &text)
{
    std::string out{char(0x81)};
    if (text.size() < 126) {
        out += char(0x80 | text.size());
    } else {
        out += char(0x80 | 126);
        out += char(text.size() >> 8);
        out += char(text.size() & 0xff);
    }
    out += std::string(4, '\0'); // a zero mask leaves the text as it is
    return out + text;
}

// Reads until `marker` arrives; false on a close or after the socket's time-out.
bool readUntil(int fd, std::string &buffer, const std::string &marker)
{
    char chunk[4096];
    while (buffer.find(marker) == std::string::npos) {
        const ssize_t got = ::recv(fd, chunk, sizeof chunk, 0);
        if (got <= 0) {
            return false;
        }
        buffer.append(chunk, size_t(got));
    }
    return true;
}

// One attacker thread: the attack again and again from its own address, for `seconds`.
void attack(const std::string &kind, const std::string &from, int port, int pushPort, int seconds)
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    const std::string post
        = "POST /api/command HTTP/1.1\r\nHost: x\r\nAuthorization: Bearer " + Code + "\r\n";
    const std::string junk(16384, 'x');
    std::vector<int> held;
    while (std::chrono::steady_clock::now() < end) {
        const bool push = kind == "ws-flood" || kind == "locked-out-ws";
        const int fd = connectFrom(from, push ? pushPort : port, 200);
        if (fd < 0) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
            continue;
        }
        bool open = true;
        if (kind == "huge-body") {
            open = sendAll(fd, post + "Content-Length: 999999999999\r\n\r\n");
            while (open && std::chrono::steady_clock::now() < end) {
                open = sendAll(fd, junk);
            }
        } else if (kind == "chunked") {
            open = sendAll(fd, post + "Transfer-Encoding: chunked\r\n\r\n");
            while (open && std::chrono::steady_clock::now() < end) {
                open = sendAll(fd, "4000\r\n" + junk + "\r\n");
            }
        } else if (kind == "endless-header") {
            open = sendAll(fd, "GET / HTTP/1.1\r\nX-Pad: ");
            while (open && std::chrono::steady_clock::now() < end) {
                open = sendAll(fd, junk);
            }
        } else if (kind == "pipelined-no-read") {
            std::string requests;
            for (int i = 0; i < 100; ++i) {
                requests += "GET / HTTP/1.1\r\nHost: x\r\n\r\n";
            }
            while (open && std::chrono::steady_clock::now() < end) {
                open = sendAll(fd, requests);
            }
        } else if (kind == "ws-flood") {
            std::string reply;
            open = sendAll(fd, upgrade()) && readUntil(fd, reply, "\r\n\r\n");
            std::string burst;
            for (int i = 0; i < 100; ++i) {
                burst += frame("x");
            }
            while (open && std::chrono::steady_clock::now() < end) {
                open = sendAll(fd, burst);
            }
        } else if (kind == "locked-out-ws") {
            std::string reply;
            sendAll(fd, upgrade());
            readUntil(fd, reply, "\r\n\r\n");
            sendAll(fd, frame(R"({"command":"hello","code":"WRONG"})"));
        } else if (kind == "idle") {
            held.push_back(fd);
            if (held.size() > 200) { // this thread's share; the board closes them meanwhile
                ::close(held.front());
                held.erase(held.begin());
            }
            continue;
        }
        ::close(fd);
    }
    for (const int fd : held) {
        ::close(fd);
    }
}

int runAttacker(const std::string &kind, int port, int pushPort, int seconds)
{
    std::vector<std::thread> threads;
    // Sixteen addresses of the loopback, three connections each at a time.
    for (int i = 0; i < 48; ++i) {
        const std::string from = "127.0.1." + std::to_string(1 + i % 16);
        threads.emplace_back(attack, kind, from, port, pushPort, seconds);
    }
    for (std::thread &thread : threads) {
        thread.join();
    }
    return 0;
}

long rssKiB()
{
    long pages = 0;
    long resident = 0;
    if (FILE *statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2) {
            resident = 0;
        }
        std::fclose(statm);
    }
    return resident * (::sysconf(_SC_PAGESIZE) / 1024);
}

// A paired phone on a WebSocket of its own thread: a command every 100 ms, each one's time to
// its reply recorded (a command not answered within 5 s counts as 5 s).
class Phone
{
public:
    explicit Phone(int pushPort)
        : m_fd(connectFrom("127.0.0.1", pushPort, 5000))
    {
        // Pairs on its own thread: the board answers on the one that made the phone.
        m_thread = std::thread([this] {
            std::string reply;
            m_paired = m_fd >= 0 && sendAll(m_fd, upgrade()) && readUntil(m_fd, reply, "\r\n\r\n")
                && sendAll(m_fd, frame(R"({"command":"hello","code":")" + Code + "\"}"))
                && readUntil(m_fd, reply, "\"type\":\"reply\"");
            run();
        });
    }
    ~Phone()
    {
        m_stop = true;
        m_thread.join();
        ::close(m_fd);
    }
    bool paired() const { return m_paired; }
    // The p99 of the commands since the last call, in milliseconds, and how many there were.
    std::pair<double, size_t> take()
    {
        std::lock_guard lock(m_mutex);
        std::vector<double> times;
        times.swap(m_times);
        if (times.empty()) {
            return {0, 0};
        }
        std::sort(times.begin(), times.end());
        return {
            times[std::min(times.size() - 1, size_t(0.99 * double(times.size())))], times.size()};
    }

private:
    void run()
    {
        for (int id = 1; m_paired && !m_stop; ++id) {
            const auto sent = std::chrono::steady_clock::now();
            const std::string command = R"({"command":"add","figure":"homeShots","by":)"
                + std::string(id % 2 ? "1" : "-1") + R"(,"code":")" + Code + R"(","id":)"
                + std::to_string(id) + "}";
            // The socket gives up reading after 5 s without a byte.
            std::string reply;
            const bool answered = sendAll(m_fd, frame(command))
                && readUntil(m_fd, reply, "\"id\":" + std::to_string(id) + ",");
            const double ms
                = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - sent)
                      .count();
            {
                std::lock_guard lock(m_mutex);
                m_times.push_back(answered ? ms : 5000.0);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
    }

    int m_fd;
    std::atomic<bool> m_paired = false;
    std::atomic<bool> m_stop = false;
    std::mutex m_mutex;
    std::vector<double> m_times;
    std::thread m_thread;
};

// Whether a new client gets the state at once.
bool served(int port)
{
    const int fd = connectFrom("127.0.0.1", port, 1000);
    std::string reply;
    const bool ok = fd >= 0
        && sendAll(fd,
            "GET /api/state HTTP/1.1\r\nHost: x\r\nAuthorization: Bearer " + Code
                + "\r\nConnection: close\r\n\r\n")
        && readUntil(fd, reply, "\"figures\"") && reply.rfind("HTTP/1.1 200", 0) == 0;
    if (fd >= 0) {
        ::close(fd);
    }
    return ok;
}

// Runs the event loop for `ms`.
void turn(int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
}

} // namespace

int main(int argc, char **argv)
{
    if (argc == 6 && std::string(argv[1]) == "--attack") {
        return runAttacker(argv[2], std::atoi(argv[3]), std::atoi(argv[4]), std::atoi(argv[5]));
    }
    QCoreApplication app(argc, argv);
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 60;
    const std::string only = argc > 2 ? argv[2] : "";

    MonotonicTimeSource time;
    GameState state;
    ScoreboardGame game(state, time, nullptr);
    LiveSettings settings;
    settings.RemoteCode = QString::fromStdString(Code);
    RemoteControl remote(game, settings, [] {});
    if (!remote.listen({QStringLiteral("127.0.0.1")}, 0)) {
        std::fprintf(stderr, "cannot listen\n");
        return 1;
    }
    game.setClock(59 * 60);
    game.startStopClock();
    // The clock's face, refreshed as the board refreshes it; the longest time between changes.
    QElapsedTimer sinceChange;
    sinceChange.start();
    qint64 longest = 0;
    QString face;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, &game, [&] {
        game.tick();
        if (game.clockFace().text != face) {
            face = game.clockFace().text;
            longest = std::max(longest, sinceChange.restart());
        }
    });
    tick.start(50);

    Phone phone(remote.pushPort());
    turn(1500);
    std::printf("phone paired: %s; goals: RSS growth <= 32 MB, command p99 <= 200 ms, face "
                "changes every 1000 ms\n",
        phone.paired() ? "yes" : "no");
    for (const char *kind : Attacks) {
        if (!only.empty() && only != kind) {
            continue;
        }
        phone.take();
        turn(1200);
        longest = 0;
        const long before = rssKiB();
        long peak = before;
        QProcess attacker;
        attacker.start(QCoreApplication::applicationFilePath(),
            {QStringLiteral("--attack"), QString::fromLatin1(kind), QString::number(remote.port()),
                QString::number(remote.pushPort()), QString::number(seconds)});
        QElapsedTimer clock;
        clock.start();
        int mostConnections = 0;
        while (clock.elapsed() < seconds * 1000) {
            turn(100);
            peak = std::max(peak, rssKiB());
            mostConnections = std::max(mostConnections, remote.connections());
        }
        attacker.waitForFinished(10000);
        const auto [p99, commands] = phone.take();
        const qint64 faceGap = longest;
        // Recovery: a new client is served, and the attackers' connections are gone.
        QElapsedTimer recovery;
        recovery.start();
        bool back = false;
        while (!back && recovery.elapsed() < 30000) {
            turn(100);
            if (remote.connections() <= 1) {
                auto answered = std::async(std::launch::async, served, remote.port());
                while (
                    answered.wait_for(std::chrono::milliseconds(0)) != std::future_status::ready) {
                    turn(5);
                }
                back = answered.get();
            }
        }
        std::printf("%-18s RSS +%.1f MB (peak), phone p99 %.1f ms over %zu commands, face gap max "
                    "%lld ms, connections held up to %d, back %s after %.1f s\n",
            kind, double(peak - before) / 1024.0, p99, commands, static_cast<long long>(faceGap),
            mostConnections, back ? "yes" : "NO", double(recovery.elapsed()) / 1000.0);
        std::fflush(stdout);
    }
    return 0;
}
