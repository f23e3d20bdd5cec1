#include "config.h"
#include "websbservice.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStandardPaths>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <iostream>
#include <string>

#include <pthread.h>
#include <sys/resource.h>
#include <termios.h>
#include <unistd.h>

namespace {

void printError(const QString &message)
{
    std::fprintf(stderr, "varnelo-websb: %s\n", qPrintable(message));
}

// Reads one line from standard input, without echo when it is a terminal.
bool readPasscode(std::string &passcode)
{
    termios saved{};
    const bool terminal = isatty(STDIN_FILENO) && tcgetattr(STDIN_FILENO, &saved) == 0;
    if (terminal) {
        std::fprintf(stderr, "Passcode: ");
        termios quiet = saved;
        quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
        tcsetattr(STDIN_FILENO, TCSAFLUSH, &quiet);
    }
    const bool read = static_cast<bool>(std::getline(std::cin, passcode));
    if (terminal) {
        tcsetattr(STDIN_FILENO, TCSAFLUSH, &saved);
        std::fprintf(stderr, "\n");
    }
    if (!passcode.empty() && passcode.back() == '\r') {
        passcode.pop_back();
    }
    return read;
}

int hashPasscode(const QString &page)
{
    if (!websb::isValidPageName(page)) {
        printError(QStringLiteral("a page name has 1 to %1 letters, digits, - or _")
                       .arg(websb::MaxPageNameLength));
        return 1;
    }
    std::string passcode;
    if (!readPasscode(passcode)) {
        printError(QStringLiteral("no passcode on standard input"));
        return 1;
    }
    if (passcode.empty()) {
        printError(QStringLiteral("an empty passcode would let anyone publish to %1; the config "
                                  "refuses it")
                       .arg(page));
        return 1;
    }
    if (QString::fromStdString(passcode).toUcs4().size() < websb::MinimumNewPasscodeLength) {
        printError(QStringLiteral("a passcode needs at least %1 characters: a shorter one is "
                                  "guessed too soon")
                       .arg(websb::MinimumNewPasscodeLength));
        return 1;
    }
    const auto hash = websb::hashPasscode(QByteArray::fromStdString(passcode));
    std::printf("%s\n", qPrintable(websb::pageConfigLine(page, hash)));
    return 0;
}

// Descriptors the service keeps for itself: the listener, state files, logs, Redis.
constexpr rlim_t ReservedDescriptors = 64;

// Each connection is a descriptor: the usual soft limit of 1024 is far too few. Returns the
// limit in force.
rlim_t raiseDescriptorLimit()
{
    rlimit limit{};
    if (getrlimit(RLIMIT_NOFILE, &limit) != 0) {
        return 1024;
    }
    if (limit.rlim_cur < limit.rlim_max) {
        rlimit raised = limit;
        raised.rlim_cur = limit.rlim_max;
        if (setrlimit(RLIMIT_NOFILE, &raised) == 0) {
            limit = raised;
        }
    }
    return limit.rlim_cur;
}

} // namespace

int main(int argc, char *argv[])
{
    // A write to a connection the peer closed (Redis restarted, a client gone) must fail with
    // EPIPE, not end the service: hiredis writes with plain write().
    std::signal(SIGPIPE, SIG_IGN);
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("varnelo-websb"));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Web scoreboard service for Varnelo: takes the board's updates at "
                       "/web/<page> and shows them live at /<page>."));
    parser.addHelpOption();
    const QCommandLineOption configOption(QStringLiteral("config"),
        QStringLiteral("Config file (default: $XDG_CONFIG_HOME/varnelo-websb.conf)."),
        QStringLiteral("file"));
    const QCommandLineOption listenOption(QStringLiteral("listen"),
        QStringLiteral("Address and port (default: 127.0.0.1:8080)."),
        QStringLiteral("address:port"));
    const QCommandLineOption dataOption(QStringLiteral("data"),
        QStringLiteral("Folder for the pages' state (default: $XDG_DATA_HOME/varnelo-websb)."),
        QStringLiteral("folder"));
    const QCommandLineOption intervalOption(QStringLiteral("interval"),
        QStringLiteral("Seconds the board waits between updates (default: 2)."),
        QStringLiteral("seconds"));
    const QCommandLineOption redisOption(QStringLiteral("redis"),
        QStringLiteral("Keep the pages' state in Redis and share updates with other instances: "
                       "redis://HOST:PORT/DB or unix:///PATH."),
        QStringLiteral("url"));
    const QCommandLineOption hashOption(QStringLiteral("hash-passcode"),
        QStringLiteral("Read a passcode from standard input and print the config line for page."),
        QStringLiteral("page"));
    parser.addOptions(
        {configOption, listenOption, dataOption, intervalOption, redisOption, hashOption});
    parser.process(app);

    if (parser.isSet(hashOption)) {
        return hashPasscode(parser.value(hashOption));
    }

    websb::ServiceConfig config;
    config.dataFolder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
        + QStringLiteral("/varnelo-websb");
    const QString configPath = parser.isSet(configOption)
        ? parser.value(configOption)
        : QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
            + QStringLiteral("/varnelo-websb.conf");
    QString error;
    if (!websb::loadConfigFile(configPath, config, error)) {
        printError(error);
        return 1;
    }
    if (parser.isSet(listenOption)
        && !websb::parseListenAddress(parser.value(listenOption), config.host, config.port)) {
        printError(QStringLiteral("--listen takes a numeric address and a port, such as "
                                  "127.0.0.1:8080 or [::1]:8080"));
        return 1;
    }
    if (parser.isSet(dataOption)) {
        config.dataFolder = parser.value(dataOption);
    }
    if (parser.isSet(intervalOption)) {
        bool ok = false;
        config.interval = parser.value(intervalOption).toInt(&ok);
        if (!ok || config.interval < 1 || config.interval > websb::MaxInterval) {
            printError(QStringLiteral("--interval takes whole seconds from 1 to %1")
                           .arg(websb::MaxInterval));
            return 1;
        }
    }
    if (parser.isSet(redisOption)) {
        config.redis = websb::parseRedisAddress(parser.value(redisOption));
        if (!config.redis) {
            printError(QStringLiteral("--redis takes redis://HOST:PORT/DB or unix:///PATH, with a "
                                      "numeric host"));
            return 1;
        }
    }
    if (config.pages.empty()) {
        printError(QStringLiteral("%1 names no page; add one with the line that "
                                  "--hash-passcode <page> prints")
                       .arg(configPath));
        return 1;
    }

    // The server's threads inherit the mask, so only sigwait below sees these.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);
    const rlim_t descriptors = raiseDescriptorLimit();
    const int allowed = descriptors > ReservedDescriptors
        ? static_cast<int>(std::min<rlim_t>(descriptors - ReservedDescriptors, 1000000))
        : 16;
    config.maxConnections = std::min(config.maxConnections, allowed);
    std::printf("varnelo-websb: open-file limit %llu, up to %d connections (%d event streams)\n",
        static_cast<unsigned long long>(descriptors), config.maxConnections, config.streamCap());

    websb::WebScoreboardService service(config);
    if (!service.start(error)) {
        printError(error);
        return 1;
    }
    const QString host = config.host.contains(QLatin1Char(':'))
        ? QLatin1Char('[') + config.host + QLatin1Char(']')
        : config.host;
    std::printf("varnelo-websb: serving %zu page(s) on http://%s:%d/ (state in %s)\n",
        config.pages.size(), qPrintable(host), service.port(), qPrintable(config.dataFolder));
    std::fflush(stdout);

    int received = 0;
    sigwait(&stopSignals, &received);
    service.stop();
    return 0;
}
