#pragma once

#include "settings/livesettings.h"
#include "tests/support/gamefixture.h"

// A cup match played through the game model as the operator plays it: two goals each side with
// their scorers, one in the first half's added time, a second yellow, extra time and a
// shoot-out won 4-3. Or an ordinary match: two halves, 1-0.

inline constexpr qint64 ScriptMinute = 60'000;
inline constexpr qint64 ScriptSecond = 1'000;

inline void playFor(GameFixture &f, qint64 milliseconds)
{
    f.time.advance(milliseconds);
    f.model->tick();
}

// The latest goal gets its scorer, named by the team sheet.
inline bool scoredBy(GameFixture &f, Figure score, const char *player)
{
    ScoreboardGame &game = *f.model;
    if (!game.changeFigure(score, 1) || game.events().isEmpty()) {
        return false;
    }
    ScoreboardGame::EventEdit edit;
    edit.player = QString::fromLatin1(player);
    return game.editEvent(game.events().last().id, edit);
}

inline LiveSettings reportSettings()
{
    LiveSettings settings;
    settings.TitleText = QStringLiteral("County Cup Final");
    // Both a comma and quotes: the CSV must quote it and give it back whole.
    settings.HomeText = QStringLiteral("Rovers, \"North\"");
    settings.GuestText = QStringLiteral("Kickers Öhringen");
    settings.HomeSheet = QStringLiteral("1 Max Keeper\n9 Alex Morgan\n10 Sam Kerr");
    settings.GuestSheet = QStringLiteral("4 Tom Hardt\n7 Jo Brandt\n11 Lea Vogt");
    return settings;
}

// Whether every step was taken.
inline bool playCupMatch(GameFixture &f, const LiveSettings &settings)
{
    ScoreboardGame &game = *f.model;
    bool ok = game.setMatchFormat({ClockDirection::Up, 45, 15, 15, true});
    game.setTeamSheets(TeamSheet(settings.HomeSheet), TeamSheet(settings.GuestSheet));
    game.startStopClock();
    playFor(f, 22 * ScriptMinute + 10 * ScriptSecond);
    ok = ok && scoredBy(f, Figure::ScoreH, "9"); // 23'
    ok = ok && game.announceAddedTime(3);
    playFor(f, 22 * ScriptMinute + 50 * ScriptSecond + 2 * ScriptMinute + 10 * ScriptSecond);
    ok = ok && scoredBy(f, Figure::ScoreV, "7"); // 45+3'
    ok = ok && game.nextPhase();
    playFor(f, 15 * ScriptMinute);
    ok = ok && game.nextPhase();
    game.startStopClock();
    playFor(f, 10 * ScriptMinute + 30 * ScriptSecond);
    ok = ok && scoredBy(f, Figure::ScoreH, "10"); // 56'
    playFor(f, 4 * ScriptMinute);
    ok = ok && game.addCard(Team::Visitor, false, QStringLiteral("4")); // 60'
    playFor(f, 8 * ScriptMinute);
    ok = ok && game.addCard(Team::Visitor, false, QStringLiteral("4")); // 68'
    playFor(f, 11 * ScriptMinute);
    ok = ok && scoredBy(f, Figure::ScoreV, "11"); // 79'
    playFor(f, 11 * ScriptMinute);
    for (const auto &[figure, value] : {std::pair(Figure::ShotsH, 12), std::pair(Figure::ShotsV, 7),
             std::pair(Figure::CKH, 5), std::pair(Figure::CKV, 3), std::pair(Figure::SavesH, 4),
             std::pair(Figure::SavesV, 6)}) {
        ok = ok && game.setFigure(figure, value);
    }
    ok = ok && game.nextPhase(); // extra time: level
    game.startStopClock();
    playFor(f, 15 * ScriptMinute);
    ok = ok && game.nextPhase();
    playFor(f, ScriptMinute);
    ok = ok && game.nextPhase();
    game.startStopClock();
    playFor(f, 15 * ScriptMinute);
    ok = ok && game.nextPhase(); // penalties
    const QList<bool> home{true, true, false, true, true};
    const QList<bool> visitor{true, true, true, false, false};
    for (qsizetype i = 0; i < home.size(); ++i) {
        ok = ok && game.penaltyKick(Team::Home, home.at(i));
        ok = ok && game.penaltyKick(Team::Visitor, visitor.at(i));
    }
    return ok && game.match().phase == Phase::FullTime;
}

inline bool playOrdinaryMatch(GameFixture &f)
{
    ScoreboardGame &game = *f.model;
    bool ok = game.setMatchFormat({ClockDirection::Up, 45, 15, 0, false});
    game.startStopClock();
    playFor(f, 30 * ScriptMinute);
    ok = ok && scoredBy(f, Figure::ScoreH, "9");
    playFor(f, 15 * ScriptMinute);
    ok = ok && game.nextPhase();
    playFor(f, 15 * ScriptMinute);
    ok = ok && game.nextPhase();
    game.startStopClock();
    playFor(f, 45 * ScriptMinute);
    ok = ok && game.nextPhase();
    return ok && game.match().phase == Phase::FullTime;
}
