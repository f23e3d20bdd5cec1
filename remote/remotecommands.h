#pragma once

#include <QJsonObject>
#include <QString>

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
// "add" (figure, by: 1 when absent) and "clock" (minutes, seconds). Anything unknown, out of
// range or malformed is refused and changes nothing.
CommandResult RunRemoteCommand(ScoreboardGame &game, const QJsonObject &command);

// Everything the board shows: title, team names, the clock as shown, whether it runs, and every
// figure by its key ("homeScore").
QJsonObject RemoteState(const ScoreboardGame &game, const LiveSettings &settings);
