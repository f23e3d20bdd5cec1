// The longest stall of the board's event loop while it publishes every second to a service
// that answers after 5 s, to one that never answers, and to one that refuses connections.
#include "board/frmscoreboard.h"
#include "board/qtsoundplayer.h"
#include "game/modsoccer.h"
#include "game/timesource.h"
#include "settings/settingsstore.h"
#include "tests/support/recordingui.h"
#include "tests/support/scriptedhttpserver.h"
#include "web/webstate.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTcpServer>

#include <cstdio>

namespace {

constexpr int RunSeconds = 12;
constexpr int ProbeMs = 5;

struct Outcome
{
    qint64 longestStallMs = 0;
    int requests = 0;
    int messages = 0;
};

Outcome publishTo(const QString &serviceAddress, ScriptedHttpServer *server)
{
    LiveSettings settings = DefaultSettings(QString());
    settings.ServiceAddress = serviceAddress;
    settings.URL = QStringLiteral("bench");
    GameState game;
    WebState web;
    web.WebSBFailCount = 0;
    MonotonicTimeSource time;
    // Messages are recorded rather than shown, so that nobody has to close them.
    RecordingUi ui;
    frmScoreboard board({settings, game, web, time, ui}, std::make_unique<QtSoundPlayer>());
    board.show();
    board.AllKeyPress(settings.StartStopClockKey);
    // The board's own first paint is no stall of publishing: measure once it is on screen.
    QEventLoop settle;
    QTimer::singleShot(500, &settle, &QEventLoop::quit);
    settle.exec();

    // A probe that should run every 5 ms: any longer gap is a stall of the event loop.
    Outcome outcome;
    QElapsedTimer sinceProbe;
    sinceProbe.start();
    QTimer probe;
    probe.setTimerType(Qt::PreciseTimer);
    QObject::connect(&probe, &QTimer::timeout, &board, [&] {
        outcome.longestStallMs = std::max(outcome.longestStallMs, sinceProbe.restart() - ProbeMs);
    });
    probe.start(ProbeMs);
    QEventLoop loop;
    QTimer::singleShot(RunSeconds * 1000, &loop, &QEventLoop::quit);
    loop.exec();
    outcome.requests = server ? static_cast<int>(server->targets.size()) : -1;
    outcome.messages = static_cast<int>(ui.messages.size());
    return outcome;
}

void report(const char *service, const Outcome &outcome)
{
    std::printf("%-28s longest stall %3lld ms   requests %3d   messages %d\n", service,
        static_cast<long long>(outcome.longestStallMs), outcome.requests, outcome.messages);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    std::printf("publishing every second for %d s each:\n", RunSeconds);
    {
        ScriptedHttpServer slow;
        slow.setScript([](const QString &) {
            return ScriptedHttpServer::Response{
                ScriptedHttpServer::Response::Kind::Answer, 200, "1|refused", 5000};
        });
        report("answers after 5 s", publishTo(slow.baseAddress(), &slow));
    }
    {
        ScriptedHttpServer never;
        never.setScript([](const QString &) {
            return ScriptedHttpServer::Response{
                ScriptedHttpServer::Response::Kind::Never, 200, {}, 0};
        });
        report("never answers", publishTo(never.baseAddress(), &never));
    }
    {
        // A port that was free a moment ago: connections are refused.
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost, 0);
        const quint16 port = probe.serverPort();
        probe.close();
        report("refuses connections",
            publishTo(QStringLiteral("http://127.0.0.1:%1/web/").arg(port), nullptr));
    }
    return 0;
}
