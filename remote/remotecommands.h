#pragma once

#include "game/figures.h"

#include <QJsonObject>
#include <QJsonValue>
#include <QString>

#include <optional>

class OverlayState;
class ScoreboardGame;
struct LiveSettings;

// The remote control's commands and the board's state as JSON. A command is an object with a
// "command" and its arguments; it goes to the game model as a key would, one at a time.

struct CommandResult
{
    bool ok = false;
    // Why it was refused, for the person or program that sent it.
    QString error;
};

// Runs one command: "startStop", "start", "stop", "reset", "buzzer", "set" (figure, value),
// "add" (figure, by: 1 when absent), "clock" (minutes, seconds; up to 120 minutes when the match
// counts up), and the match's: "matchFormat" (any of clock "up"/"down", halfMinutes,
// breakMinutes, extraTimeMinutes, penalties; the rest kept), "nextPhase" (to: a phase's name,
// the rules' next when absent), "addedTime" (minutes, 0 clears) and "penalty" (team
// "home"/"visitor", scored), and the events' (remote/remoteevents.h): "card", "editEvent",
// "removeEvent". Anything unknown, out of range or malformed is refused and changes nothing.
CommandResult RunRemoteCommand(ScoreboardGame &game, const QJsonObject &command);

// Runs one of the overlay's commands: "overlay" (panel "scoreBug", "statistics", "shootout" or
// "board", visible true or false) and "goalPopup" (the latest goal shown again); nullopt for a
// command that is not the overlay's.
std::optional<CommandResult> RunOverlayCommand(OverlayState &overlay, const QJsonObject &command);

// Everything the board shows: title, team names, the clock as shown, whether it runs, every
// figure by its key ("homeScore"), and the match: its format, phase, added time announced and
// played, the minute now ("45+2'"), the shoot-out's kicks once it has begun, and each team's
// sending-offs. For readers that run the clock themselves, its value in milliseconds (counting
// up, the time played in the half with its added time) and whether it counts up now; and each
// team's name, short name and colours ("#rrggbb").
QJsonObject RemoteState(const ScoreboardGame &game, const LiveSettings &settings);

// Why a counter does not take `value`: the limit it passed in this match's format ("corner kicks
// go up to 9", "the period does not go below 1"), as the phone page's catalogue holds it.
QString FigureLimitRefusal(const ScoreboardGame &game, Figure figure, qint64 value);

// A JSON number that is a whole number within `minimum`..`maximum`; nullopt for anything else
// (a text of digits too: commands take numbers as numbers).
std::optional<qint64> WholeNumber(const QJsonValue &value, qint64 minimum, qint64 maximum);
