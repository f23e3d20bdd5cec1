#include "config.h"
#include "websbservice.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStandardPaths>

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
        printError(
            QStringLiteral("warning: an empty passcode lets anyone publish to %1").arg(page));
    }
    const auto hash = websb::hashPasscode(QByteArray::fromStdString(passcode));
    std::printf("%s\n", qPrintable(websb::pageConfigLine(page, hash)));
    return 0;
}

// A thousand viewers need more descriptors than the usual soft limit of 1024.
void raiseDescriptorLimit()
{
    rlimit limit{};
    if (getrlimit(RLIMIT_NOFILE, &limit) == 0 && limit.rlim_cur < limit.rlim_max) {
        limit.rlim_cur = limit.rlim_max;
        setrlimit(RLIMIT_NOFILE, &limit);
    }
}

} // namespace

int main(int argc, char *argv[])
{
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
    const QCommandLineOption hashOption(QStringLiteral("hash-passcode"),
        QStringLiteral("Read a passcode from standard input and print the config line for page."),
        QStringLiteral("page"));
    parser.addOptions({configOption, listenOption, dataOption, intervalOption, hashOption});
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
    raiseDescriptorLimit();

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
