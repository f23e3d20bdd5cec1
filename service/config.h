#pragma once

#include "guesslimiter.h"
#include "passcode.h"

#include <QString>

#include <chrono>
#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <vector>

// The operator's settings: where to listen, what interval to ask of the boards, where to keep the
// pages' state, the limits that keep any one client from taking the service, and each page with
// the digest of its passcode. Read from a small text file of "key = value" lines (see
// service/README.md); command-line options override the file.
namespace websb {

// What one connection, one address and all of them together may hold.
struct ConnectionLimits
{
    std::chrono::seconds headerTimeout{10}; // to send a whole request line and its headers
    std::chrono::seconds idleTimeout{60}; // a kept-alive connection with no request
    std::chrono::seconds writeTimeout{30}; // for a client to take one reply or event
    std::size_t maxRequestBytes = 16 * 1024; // request line and headers
    int perAddress = 256; // open connections from one address (a proxy's are not counted)
    int streamsPerAddress = 128;
    int maxStreams = 0; // event streams in all; 0 is 7/8 of the connections
    int retryAfter = 5; // seconds, in a 503 beyond a cap
    // Kernel send buffer of an event stream: without a bound, Linux grows it to megabytes for a
    // viewer that stopped reading. 64 KiB is several seconds of events, then the write deadline.
    int streamSendBuffer = 64 * 1024;
};

// Where the optional Redis is: "redis://HOST:PORT/DB" or "unix:///PATH".
struct RedisAddress
{
    QString host; // empty for a unix socket
    int port = 6379;
    QString socketPath;
    int database = 0;
    // For each call: past it Redis counts as unreachable (a board then gets 503).
    std::chrono::milliseconds timeout{2000};
};

struct ServiceConfig
{
    QString host = QStringLiteral("127.0.0.1");
    int port = 8080;
    int interval = 2; // seconds the board waits before its next update
    QString dataFolder;
    int maxConnections = 20000; // open connections at once, within the open-file limit
    int threads = 2; // network threads
    int passcodeWorkers = 2; // threads for the slow passcode digests
    ConnectionLimits limits;
    GuessLimits guesses;
    std::vector<QString> trustedProxies; // numeric addresses whose X-Forwarded-For counts
    std::optional<RedisAddress> redis;
    std::map<std::string, PasscodeHash> pages;

    int streamCap() const
    {
        return limits.maxStreams > 0 ? limits.maxStreams : maxConnections - maxConnections / 8;
    }
};

inline constexpr int MaxInterval = 3600;
inline constexpr int MaxPageNameLength = 64;

// Letters, digits, "-" and "_": safe in a path, a file name and a log line.
bool isValidPageName(const QString &name);

// "host:port" or "[ipv6]:port"; port 0 asks the system for a free one.
bool parseListenAddress(const QString &text, QString &host, int &port);

// Parses the text of a config file into `config` (which holds the defaults). A relative data
// folder is taken from `baseFolder`. False with `error` naming the line on the first mistake.
bool parseConfig(
    const QString &text, const QString &baseFolder, ServiceConfig &config, QString &error);

std::optional<RedisAddress> parseRedisAddress(const QString &text);

bool loadConfigFile(const QString &path, ServiceConfig &config, QString &error);

// What --hash-passcode prints: the config line for `page`.
QString pageConfigLine(const QString &page, const PasscodeHash &hash);

} // namespace websb
