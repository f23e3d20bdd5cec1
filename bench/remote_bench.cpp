// The remote control's latency and cost: the time from a phone's command to the board's change
// and to the other phones (median and p99 over 1,000 commands), and the board's CPU with the
// clock running and 10 phones connected, beside the same board with none.
//
//   QT_QPA_PLATFORM=offscreen build/bin/remote_bench (or on a display)
#include "board/frmscoreboard.h"
#include "board/qtsoundplayer.h"
#include "game/modsoccer.h"
#include "game/scoreboardgame.h"
#include "game/timesource.h"
#include "remote/remotecontrol.h"
#include "settings/livesettings.h"
#include "settings/settingsstore.h"
#include "ui/uiservices.h"
#include "web/webstate.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QTimer>
#include <QWebSocket>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

const QString Code = QStringLiteral("ABCD1234EFGHJ");

std::unique_ptr<QWebSocket> pairDevice(quint16 port)
{
    auto socket = std::make_unique<QWebSocket>();
    QEventLoop loop;
    QObject::connect(socket.get(), &QWebSocket::connected, &loop, &QEventLoop::quit);
    socket->open(QUrl(QStringLiteral("ws://127.0.0.1:%1/").arg(port)));
    loop.exec();
    socket->sendTextMessage(QStringLiteral(R"({"command":"hello","code":"%1"})").arg(Code));
    return socket;
}

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
        + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

double percentile(std::vector<double> values, double p)
{
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, size_t(p * double(values.size())))];
}

// Phones in a process of their own, so that their work is not counted as the board's.
int runDevices(quint16 port, int count)
{
    std::vector<std::unique_ptr<QWebSocket>> devices;
    for (int i = 0; i < count; ++i) {
        devices.push_back(pairDevice(port));
    }
    std::printf("paired\n");
    std::fflush(stdout);
    return QCoreApplication::exec();
}

} // namespace

int main(int argc, char **argv)
{
    if (argc == 4 && QByteArray(argv[1]) == "--devices") {
        QCoreApplication app(argc, argv);
        return runDevices(quint16(QByteArray(argv[2]).toUInt()), QByteArray(argv[3]).toInt());
    }
    // The board window as the program shows it, on the platform given (offscreen under test).
    QApplication app(argc, argv);
    MonotonicTimeSource time;
    GameState state;
    WebState web;
    LiveSettings settings = DefaultSettings(QString());
    settings.RemoteCode = Code;
    QtUiServices ui;
    frmScoreboard board({settings, state, web, time, ui}, std::make_unique<QtSoundPlayer>());
    board.resize(1280, 720);
    board.show();
    ScoreboardGame &game = board.scoreboardGame();
    RemoteControl remote(game, settings, [] {});
    if (!remote.listen({QStringLiteral("127.0.0.1")}, 0)) {
        std::fprintf(stderr, "cannot listen\n");
        return 1;
    }

    // Latency: one phone sends, the board changes, another phone sees it.
    auto sender = pairDevice(remote.pushPort());
    auto watcher = pairDevice(remote.pushPort());
    QElapsedTimer clock;
    std::vector<double> toBoard;
    std::vector<double> toPhone;
    qint64 sent = 0;
    QEventLoop loop;
    bool changed = false;
    QObject::connect(&game, &ScoreboardGame::figureChanged, &loop, [&] {
        if (!changed) {
            changed = true;
            toBoard.push_back(double(clock.nsecsElapsed() - sent) / 1e6);
        }
    });
    int expected = -1;
    QObject::connect(
        watcher.get(), &QWebSocket::textMessageReceived, &loop, [&](const QString &message) {
            if (expected >= 0
                && message.contains(QStringLiteral("\"homeShots\":%1,").arg(expected))) {
                toPhone.push_back(double(clock.nsecsElapsed() - sent) / 1e6);
                loop.quit();
            }
        });
    QTimer::singleShot(300, &loop, &QEventLoop::quit);
    loop.exec(); // both paired
    clock.start();
    for (int i = 0; i < 1000; ++i) {
        const int by = i % 2 == 0 ? 1 : -1;
        expected = i % 2 == 0 ? 1 : 0;
        changed = false;
        sent = clock.nsecsElapsed();
        sender->sendTextMessage(
            QStringLiteral(R"({"command":"add","figure":"homeShots","by":%1,"code":"%2"})")
                .arg(by)
                .arg(Code));
        loop.exec();
    }
    std::printf("command -> board change: median %.3f ms, p99 %.3f ms (%zu)\n",
        percentile(toBoard, 0.5), percentile(toBoard, 0.99), toBoard.size());
    std::printf("command -> other phone:  median %.3f ms, p99 %.3f ms (%zu)  goal p99 < 50 ms\n",
        percentile(toPhone, 0.5), percentile(toPhone, 0.99), toPhone.size());
    sender.reset();
    watcher.reset();

    // CPU: the board's clock runs for 10 s with none, then with 10 phones in another process.
    game.setClock(59 * 60);
    game.startStopClock();
    const auto measure = [&] {
        const double before = cpuSeconds();
        QTimer::singleShot(10000, &loop, &QEventLoop::quit);
        loop.exec();
        return cpuSeconds() - before;
    };
    const double alone = measure();
    QProcess phones;
    phones.start(QCoreApplication::applicationFilePath(),
        {QStringLiteral("--devices"), QString::number(remote.pushPort()), QStringLiteral("10")});
    phones.waitForReadyRead(10000);
    QTimer::singleShot(500, &loop, &QEventLoop::quit);
    loop.exec();
    const double crowded = measure();
    std::printf("board CPU (window %dx%d), clock running 10 s: %.3f s with no phone, %.3f s with "
                "%d phones: "
                "%.2fx  goal <= 1.2x\n",
        board.width(), board.height(), alone, crowded, remote.devices(),
        crowded / std::max(alone, 1e-6));
    phones.kill();
    phones.waitForFinished();
    return 0;
}
