#pragma once

#include "game/figurevalue.h"
#include "game/modsoccer.h"
#include "game/scoreboardgame.h"
#include "tests/support/faketime.h"

#include <QList>
#include <QString>

#include <memory>

// The game model with no window over a hand-moved clock: the one place in the tests that builds
// a game on its own. It records what the model emits, as a front end would see it.
class GameFixture
{
public:
    FakeTime time;
    GameState game;
    std::unique_ptr<ScoreboardGame> model;
    // Every figureChanged, in order, and how many times changed() was emitted.
    QList<Figure> changedFigures;
    int changes = 0;
    int beeps = 0;

    explicit GameFixture(JournalWriter *journal = nullptr) { newGame(journal); }

    void newGame(JournalWriter *journal = nullptr)
    {
        model.reset();
        game = {};
        changedFigures.clear();
        changes = 0;
        beeps = 0;
        model = std::make_unique<ScoreboardGame>(game, time, journal);
        QObject::connect(model.get(), &ScoreboardGame::figureChanged,
            [this](Figure figure, const FigureValue &) { changedFigures << figure; });
        QObject::connect(model.get(), &ScoreboardGame::changed, [this] { ++changes; });
    }

    // Types `keys` into `figure` as the board hands them on; "\r" is Enter.
    void type(Figure figure, const char *keys)
    {
        for (const char *c = keys; *c; ++c) {
            beeps += model->typeKey(figure, *c) ? 1 : 0;
        }
    }

    // A figure as the audience reads it: highest digit first, blanks as spaces ("00", " 7").
    QString digits(Figure figure) const
    {
        const QList<qint16> captions
            = DigitCaptions(model->figureValue(figure), DigitCount(InfoOf(figure)));
        QString text;
        for (auto it = captions.crbegin(); it != captions.crend(); ++it) {
            text += *it < 0 ? QLatin1Char(' ') : QChar(static_cast<char16_t>(u'0' + *it));
        }
        return text;
    }
    QString clock() const { return model->clockFace().text; }
    // What the web scoreboard would be sent for `figure` now.
    QString published(Figure figure) const
    {
        return model->WebSBValues()[static_cast<std::size_t>(InfoOf(figure).webSlot)];
    }
};
