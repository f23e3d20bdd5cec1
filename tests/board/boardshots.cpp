// Draws the board through a match, for a person to look at; not run by CTest. Under Xvfb:
//   QT_QPA_PLATFORM=xcb boardshots <folder> [language] [WIDTHxHEIGHT ...]
// writes <folder>/<language>-<step>-<width>x<height>.png as the window system shows the board,
// and <folder>/<language>-events.png, the events window at the end.
// Catalogues not yet in the program (a .qm each) are added from VARNELO_EXTRA_QM, ':'-separated.

#include "board/frmevents.h"
#include "board/matchdisplay.h"
#include "languages/languages.h"
#include "tests/support/boardfixture.h"

#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QTableWidget>
#include <QTest>
#include <QTranslator>

#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace {

struct Step
{
    const char *name;
    std::function<bool(ScoreboardGame &)> apply;
};

bool kicks(ScoreboardGame &game, std::initializer_list<std::pair<Team, bool>> taken)
{
    for (const auto &[team, scored] : taken) {
        if (!game.penaltyKick(team, scored)) {
            return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.isEmpty()) {
        std::fprintf(stderr, "usage: boardshots <folder> [language] [WIDTHxHEIGHT ...]\n");
        return 2;
    }
    const QDir folder(args.at(0));
    const QString language = args.value(1, QStringLiteral("en"));
    QList<QSize> sizes;
    for (const QString &size : args.mid(2)) {
        const QStringList wh = size.split(QLatin1Char('x'));
        sizes.append(QSize(wh.value(0).toInt(), wh.value(1).toInt()));
    }
    if (sizes.isEmpty()) {
        sizes = {QSize(1920, 1080), QSize(1024, 768), QSize(3840, 2160)};
    }
    Translations translations;
    if (!translations.install(language)) {
        std::fprintf(stderr, "no catalogue for %s\n", qPrintable(language));
        return 2;
    }
    std::vector<std::unique_ptr<QTranslator>> extra;
    const QString extraQm = qEnvironmentVariable("VARNELO_EXTRA_QM");
    for (const QString &file : extraQm.split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        auto translator = std::make_unique<QTranslator>();
        if (translator->load(file)) {
            QCoreApplication::installTranslator(translator.get());
            extra.push_back(std::move(translator));
        }
    }

    BoardFixture fixture;
    frmScoreboard &board = fixture.openBoard();
    ScoreboardGame &game = board.scoreboardGame();
    game.setTeamSheets(TeamSheet(QStringLiteral("9 Alex Morgan\n4 Sam Kerr")),
        TeamSheet(QStringLiteral("5 Lena Oberdorf\n8 Sara Däbritz\n10 Dzsenifer Marozsán")));
    board.show();
    const MatchFormat cup{ClockDirection::Up, 45, 15, 15, true};
    const std::vector<Step> steps{
        {"default", [](ScoreboardGame &) { return true; }},
        {"prematch-up", [&cup](ScoreboardGame &g) { return g.setMatchFormat(cup); }},
        {"first-half",
            [](ScoreboardGame &g) {
                return g.nextPhase() && g.setClock(23 * 60 + 10) && g.setFigure(Figure::ScoreH, 1)
                    && g.setFigure(Figure::CKH, 12) && g.setFigure(Figure::CKV, 3);
            }},
        {"added-3",
            [](ScoreboardGame &g) { return g.setClock(45 * 60) && g.announceAddedTime(3); }},
        // Two of the visitors sent off, beside the added time: a red, and a second yellow.
        {"sent-off",
            [](ScoreboardGame &g) {
                return g.addCard(Team::Visitor, true, QStringLiteral("5"))
                    && g.addCard(Team::Visitor, false, QStringLiteral("8"))
                    && g.addCard(Team::Visitor, false, QStringLiteral("8"));
            }},
        {"half-time", [](ScoreboardGame &g) { return g.nextPhase(); }},
        {"second-half",
            [](ScoreboardGame &g) {
                return g.nextPhase() && g.setClock(67 * 60 + 12) && g.setFigure(Figure::ScoreV, 1)
                    && g.addCard(Team::Home, false, QStringLiteral("4"));
            }},
        {"extra-time", [](ScoreboardGame &g) { return g.nextPhase() && g.setClock(98 * 60); }},
        {"et-half-time", [](ScoreboardGame &g) { return g.nextPhase(); }},
        {"extra-time-112",
            [](ScoreboardGame &g) {
                return g.nextPhase() && g.setClock(112 * 60 + 30) && g.announceAddedTime(2);
            }},
        {"penalties",
            [](ScoreboardGame &g) {
                return g.nextPhase()
                    && kicks(g,
                        {{Team::Home, true}, {Team::Visitor, true}, {Team::Home, false},
                            {Team::Visitor, true}, {Team::Home, true}});
            }},
        {"full-time",
            [](ScoreboardGame &g) {
                return kicks(g,
                    {{Team::Visitor, false}, {Team::Home, true}, {Team::Visitor, true},
                        {Team::Home, true}, {Team::Visitor, true}, {Team::Home, true},
                        {Team::Visitor, false}});
            }},
    };
    int refused = 0;
    for (const Step &step : steps) {
        if (!step.apply(game)) {
            std::fprintf(stderr, "the game refused the step %s\n", step.name);
            ++refused;
        }
        for (const QSize &size : sizes) {
            board.resize(size);
            QTest::qWait(150);
            const QString name = QStringLiteral("%1-%2-%3x%4.png")
                                     .arg(language, QLatin1String(step.name))
                                     .arg(size.width())
                                     .arg(size.height());
            board.screen()->grabWindow(board.winId()).save(folder.filePath(name));
        }
    }
    // The operator's events window over the match as it ended.
    board.showEventsWindow();
    if (frmEvents *events = board.eventsWindow()) {
        QTest::qWait(300);
        events->grab().save(folder.filePath(QStringLiteral("%1-events.png").arg(language)));
        // And with a team being chosen anew.
        events->table()->setCurrentCell(1, frmEvents::TeamColumn);
        events->table()->edit(events->table()->currentIndex());
        QTest::qWait(200);
        events->grab().save(folder.filePath(QStringLiteral("%1-events-editing.png").arg(language)));
    }
    return refused == 0 ? 0 : 1;
}
