// One full rescale of the board plus the repaint that follows, at 1920x1080 and 3840x2160,
// beside the time Qt takes to repaint the same window without rescaling. Medians of repeated
// resizes; run it under Xvfb with a screen at least 3840x2160.
#include "board/frmscoreboard.h"
#include "board/qtsoundplayer.h"
#include "game/modsoccer.h"
#include "game/timesource.h"
#include "settings/settingsstore.h"
#include "ui/uiservices.h"
#include "web/webstate.h"

#include <QApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int Repeats = 41;

double median(std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    LiveSettings settings = DefaultSettings(QString());
    GameState game;
    WebState web;
    MonotonicTimeSource time;
    QtUiServices ui;
    frmScoreboard board({settings, game, web, time, ui}, std::make_unique<QtSoundPlayer>());
    board.move(0, 0);
    board.show();
    QCoreApplication::processEvents();

    std::printf(
        "platform %s, median of %d\n", qPrintable(QGuiApplication::platformName()), Repeats);
    for (const QSize size : {QSize(1920, 1080), QSize(3840, 2160)}) {
        std::vector<double> rescales;
        std::vector<double> repaints;
        for (int i = 0; i < Repeats; ++i) {
            // Alternate between two sizes a pixel apart, so that every resize rescales.
            const QSize target = i % 2 ? size : size - QSize(1, 1);
            QElapsedTimer timer;
            timer.start();
            board.resize(target);
            board.repaint();
            QCoreApplication::processEvents();
            rescales.push_back(timer.nsecsElapsed() / 1e6);

            timer.restart();
            board.repaint();
            QCoreApplication::processEvents();
            repaints.push_back(timer.nsecsElapsed() / 1e6);
        }
        const double rescale = median(rescales);
        const double repaint = median(repaints);
        std::printf("%4dx%-4d  rescale + repaint %6.2f ms   repaint alone %6.2f ms   ratio %.2f\n",
            size.width(), size.height(), rescale, repaint, rescale / repaint);
    }
    return 0;
}
