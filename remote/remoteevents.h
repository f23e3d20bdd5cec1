#pragma once

#include "remote/remotecommands.h"

#include <QJsonArray>
#include <QJsonObject>

#include <optional>

class ScoreboardGame;

// The match's goals and cards for the remote control: the commands that add, change and remove
// them, and the list other programs read.

// Runs `name` when it is one of the events' commands: "card" (team, colour "yellow"/"red",
// player), "editEvent" (id and any of kind, team, minute, player, name) and "removeEvent" (id);
// nullopt for any other command.
std::optional<CommandResult> RunEventCommand(
    ScoreboardGame &game, const QString &name, const QJsonObject &command);

// The events in match order: [{"id":1,"kind":"goal","team":"home","minute":"23'",
// "phase":"firstHalf","player":"9","name":""}, ...].
QJsonArray RemoteEvents(const ScoreboardGame &game);

// {"home":n,"visitor":n}: the players each team has had sent off.
QJsonObject RemoteSendingOffs(const ScoreboardGame &game);

// Whether `minute` is a match minute as the events note it: "23'", "45+2'", or empty for one
// outside a half.
bool IsMatchMinute(const QString &minute);
