// The running cost of the board beside the same board made of Qt's QLCDNumber widgets.
// bench/board_bench.sh drives it under Xvfb and valgrind and prints the figures.
//
//   board_bench --board varnelo|lcd|empty --mode ticks|cpu|idle|launch|memory
//               [--width W --height H] [--ticks N] [--seconds S]
//
// ticks:  instruments N clock ticks for callgrind (run under --instr-atstart=no)
// cpu:    process CPU per second with the clock running;  idle: with it stopped
// launch: prints the realtime clock at the board's first paint and quits ("empty": an empty
//         window of the same size instead, for comparison)
// memory: runs S seconds with the clock running and prints the peak resident memory
#include "board/digitgroup.h"
#include "board/frmscoreboard.h"
#include "board/modsoccer.h"
#include "board/qtsoundplayer.h"
#include "board/timesource.h"
#include "settings/settingsstore.h"
#include "startup/fontwarmup.h"
#include "ui/uiservices.h"
#include "web/webstate.h"

#include <valgrind/callgrind.h>

#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QFile>
#include <QLCDNumber>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <ctime>
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

// The same board with every digit group covered by a QLCDNumber of the same place and size;
// a 50 ms timer shows the clock with display().
class LcdBoard : public QObject
{
public:
    LcdBoard(frmScoreboard &board, const TimeSource &time)
        : m_time(time)
    {
        for (DigitGroup *group : board.design().groupList) {
            const bool clock = group->groupName() == QLatin1String("sgmTime");
            auto *lcd = new QLCDNumber(clock ? 5 : group->digitCount(), &board);
            lcd->setSegmentStyle(QLCDNumber::Filled);
            lcd->setFrameShape(QFrame::NoFrame);
            lcd->setAutoFillBackground(true);
            QPalette p = lcd->palette();
            p.setColor(QPalette::Window, Qt::black);
            p.setColor(QPalette::WindowText, Qt::yellow);
            lcd->setPalette(p);
            lcd->setGeometry(group->geometry());
            lcd->show();
            group->hide();
            (clock ? m_clock : m_counters.emplace_back()) = lcd;
        }
        m_timer.setInterval(50);
        connect(&m_timer, &QTimer::timeout, this, &LcdBoard::tick);
    }
    void start()
    {
        m_start = m_time.nowMilliseconds();
        m_timer.start();
    }
    QTimer &timer() { return m_timer; }

private:
    void tick()
    {
        const qint64 left = std::max<qint64>(0, 600'000 - (m_time.nowMilliseconds() - m_start));
        const qint64 seconds = (left + 999) / 1000;
        m_clock->display(QStringLiteral("%1:%2")
                             .arg(seconds / 60, 2, 10, QLatin1Char('0'))
                             .arg(seconds % 60, 2, 10, QLatin1Char('0')));
        for (QLCDNumber *lcd : m_counters) {
            lcd->display(0);
        }
    }

    const TimeSource &m_time;
    QLCDNumber *m_clock = nullptr;
    std::vector<QLCDNumber *> m_counters;
    QTimer m_timer;
    qint64 m_start = 0;
};

} // namespace

int main(int argc, char *argv[])
{
    const timespec launched = [] {
        timespec t{};
        clock_gettime(CLOCK_REALTIME, &t);
        return t;
    }();
    const FontWarmUp fonts;
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addOptions({{QStringLiteral("board"), QStringLiteral("varnelo or lcd"),
                           QStringLiteral("board"), QStringLiteral("varnelo")},
        {QStringLiteral("mode"), QStringLiteral("what to measure"), QStringLiteral("mode"),
            QStringLiteral("cpu")},
        {QStringLiteral("width"), QStringLiteral("window width"), QStringLiteral("px"),
            QStringLiteral("1920")},
        {QStringLiteral("height"), QStringLiteral("window height"), QStringLiteral("px"),
            QStringLiteral("1080")},
        {QStringLiteral("ticks"), QStringLiteral("ticks to count"), QStringLiteral("n"),
            QStringLiteral("100")},
        {QStringLiteral("seconds"), QStringLiteral("seconds to run"), QStringLiteral("s"),
            QStringLiteral("10")}});
    parser.process(app);
    const bool lcd = parser.value(QStringLiteral("board")) == QLatin1String("lcd");
    const QString mode = parser.value(QStringLiteral("mode"));
    const QSize size(parser.value(QStringLiteral("width")).toInt(),
        parser.value(QStringLiteral("height")).toInt());
    if (parser.value(QStringLiteral("board")) == QLatin1String("empty")) {
        QWidget empty;
        empty.setGeometry(QRect(QPoint(0, 0), size));
        FirstPaint painted(&empty, [&] {
            timespec now{};
            clock_gettime(CLOCK_REALTIME, &now);
            std::printf("first-paint-realtime-ns %lld\n",
                static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
            QApplication::quit();
        });
        empty.show();
        return QApplication::exec();
    }

    QElapsedTimer stages;
    stages.start();
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
    if (mode == QLatin1String("launch")) {
        std::fprintf(stderr, "board constructed %lld ms after the application\n", stages.elapsed());
    }
    std::unique_ptr<LcdBoard> lcdBoard;
    if (lcd) {
        lcdBoard = std::make_unique<LcdBoard>(board, time);
    }
    QTimer &tickTimer = lcd ? lcdBoard->timer() : board.tmrClock();
    const auto startClock = [&] {
        if (lcd) {
            lcdBoard->start();
        } else {
            board.AllKeyPress(settings.StartStopClockKey);
        }
    };

    int ticks = 0;
    const int ticksWanted = parser.value(QStringLiteral("ticks")).toInt();
    const int seconds = parser.value(QStringLiteral("seconds")).toInt();
    FirstPaint firstPaint(&board, [&] {
        if (mode == QLatin1String("launch")) {
            timespec now{};
            clock_gettime(CLOCK_REALTIME, &now);
            const double sinceMain
                = (now.tv_sec - launched.tv_sec) * 1e3 + (now.tv_nsec - launched.tv_nsec) / 1e6;
            std::printf("first-paint-realtime-ns %lld\nms-since-main %.2f\n",
                static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec, sinceMain);
            QApplication::quit();
            return;
        }
        // Let the start settle, then measure.
        QTimer::singleShot(1000, &board, [&] {
            if (mode == QLatin1String("ticks")) {
                QObject::connect(&tickTimer, &QTimer::timeout, &board, [&] {
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
    if (mode == QLatin1String("launch")) {
        std::fprintf(stderr, "board shown %lld ms after the application\n", stages.elapsed());
    }
    return QApplication::exec();
}
