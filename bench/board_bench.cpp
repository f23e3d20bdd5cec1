// The running cost of the board. bench/board_bench.sh drives it under Xvfb and valgrind and
// prints the figures.
//
//   board_bench --mode ticks|cpu|idle [--width W --height H] [--ticks N] [--seconds S]
//               [--clock down|up]
//
// ticks:  instruments N clock ticks for callgrind (run under --instr-atstart=no)
// cpu:    process CPU per second and peak memory over S seconds with the clock running;
// idle:   the same with it stopped
#include "board/frmscoreboard.h"
#include "board/qtsoundplayer.h"
#include "game/modsoccer.h"
#include "game/timesource.h"
#include "settings/settingsstore.h"
#include "ui/uiservices.h"
#include "web/webstate.h"

#include <valgrind/callgrind.h>

#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <sys/resource.h>

namespace {

double cpuMilliseconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto ms = [](const timeval &t) { return t.tv_sec * 1000.0 + t.tv_usec / 1000.0; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

long peakResidentKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return -1;
    }
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:")) {
            return line.mid(6).trimmed().split(' ').first().toLong();
        }
    }
    return -1;
}

// Reports the first paint of a window.
class FirstPaint : public QObject
{
public:
    explicit FirstPaint(QWidget *window, std::function<void()> onPaint)
        : m_onPaint(std::move(onPaint))
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && m_onPaint) {
            auto report = std::move(m_onPaint);
            m_onPaint = nullptr;
            // After this paint event has been handled, the frame is complete.
            QTimer::singleShot(0, this, report);
        }
        return false;
    }

private:
    std::function<void()> m_onPaint;
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addOptions({{QStringLiteral("mode"), QStringLiteral("what to measure"),
                           QStringLiteral("mode"), QStringLiteral("cpu")},
        {QStringLiteral("width"), QStringLiteral("window width"), QStringLiteral("px"),
            QStringLiteral("1920")},
        {QStringLiteral("height"), QStringLiteral("window height"), QStringLiteral("px"),
            QStringLiteral("1080")},
        {QStringLiteral("ticks"), QStringLiteral("ticks to count"), QStringLiteral("n"),
            QStringLiteral("100")},
        {QStringLiteral("seconds"), QStringLiteral("seconds to run"), QStringLiteral("s"),
            QStringLiteral("10")},
        {QStringLiteral("clock"),
            QStringLiteral("down: the board's own clock; up: a soccer match's first half"),
            QStringLiteral("way"), QStringLiteral("down")}});
    parser.process(app);
    const QString mode = parser.value(QStringLiteral("mode"));
    const QSize size(parser.value(QStringLiteral("width")).toInt(),
        parser.value(QStringLiteral("height")).toInt());

    QTemporaryDir dir;
    QSettings store(dir.filePath(QStringLiteral("Varnelo.conf")), QSettings::IniFormat);
    LiveSettings settings;
    LoadSettings(settings, store);
    GameState game;
    WebState web;
    MonotonicTimeSource time;
    QtUiServices ui;
    frmScoreboard board({settings, game, web, time, ui}, std::make_unique<QtSoundPlayer>());
    board.setGeometry(QRect(QPoint(0, 0), size));
    if (parser.value(QStringLiteral("clock")) == QLatin1String("up")) {
        board.scoreboardGame().setMatchFormat({ClockDirection::Up, 45, 15, 0, false});
    }
    const auto startClock = [&] { board.AllKeyPress(settings.StartStopClockKey); };

    int ticks = 0;
    const int ticksWanted = parser.value(QStringLiteral("ticks")).toInt();
    const int seconds = parser.value(QStringLiteral("seconds")).toInt();
    FirstPaint firstPaint(&board, [&] {
        // Let the start settle, then measure.
        QTimer::singleShot(1000, &board, [&] {
            if (mode == QLatin1String("ticks")) {
                QObject::connect(board.findChild<QTimer *>(QStringLiteral("tmrClock")),
                    &QTimer::timeout, &board, [&] {
                        if (ticks == 0) {
                            CALLGRIND_START_INSTRUMENTATION;
                        }
                        if (++ticks > ticksWanted) {
                            CALLGRIND_STOP_INSTRUMENTATION;
                            std::printf("ticks %d\n", ticksWanted);
                            QApplication::quit();
                        }
                    });
                startClock();
                return;
            }
            if (mode != QLatin1String("idle")) {
                startClock();
            }
            const double cpuBefore = cpuMilliseconds();
            QElapsedTimer wall;
            wall.start();
            QTimer::singleShot(seconds * 1000, &board, [&, cpuBefore, wall] {
                const double cpu = cpuMilliseconds() - cpuBefore;
                std::printf("cpu-ms-per-second %.3f\n", cpu * 1000.0 / wall.elapsed());
                std::printf("peak-rss-kb %ld\n", peakResidentKilobytes());
                QApplication::quit();
            });
        });
    });
    board.show();
    return QApplication::exec();
}
