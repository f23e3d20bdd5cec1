#pragma once

#include "game/matchtime.h"

#include <QJsonObject>
#include <QList>
#include <QString>

#include <optional>
#include <string_view>

// What happened in a match: goals and cards with their minute, phase and player, and the log of
// its phases that a match report is made from. Plain values; the game model keeps them.

enum class EventKind { Goal, Yellow, SecondYellow, Red };
inline constexpr int EventKindCount = 4;

struct MatchEvent
{
    // Unique in a match, never reused; other programs name an event by it.
    int id = 0;
    EventKind kind = EventKind::Goal;
    Team team = Team::Home;
    // The minute in the usual notation ("23'", "45+2'"); empty when it happened outside a half.
    QString minute;
    Phase phase = Phase::PreMatch;
    // The shirt number as typed (up to 3 digits), empty while unknown, and the player's name
    // from the team sheet or as edited.
    QString player;
    QString name;
    // When it was recorded: calendar milliseconds since 1970 (UTC).
    qint64 wallClock = 0;

    bool operator==(const MatchEvent &) const = default;
};

// The names other programs know them by: "goal", "yellow", "secondYellow", "red"; "home",
// "visitor".
std::string_view EventKindName(EventKind kind);
std::optional<EventKind> EventKindNamed(std::string_view name);
std::string_view TeamName(Team team);
std::optional<Team> TeamNamed(std::string_view name);

// An event as other programs read it: id, kind, team, minute, phase, player and name.
QJsonObject EventJson(const MatchEvent &event);

// Whether `player` is a shirt number as the events keep it: empty, or 1 to 3 digits.
bool IsShirtNumber(const QString &player);
inline constexpr int LongestShirtNumber = 3;

// A second yellow or a red sends a player off.
bool SendsOff(EventKind kind);
int SendingOffs(const QList<MatchEvent> &events, Team team);

// One phase as it was played, for the report.
struct PhaseRecord
{
    Phase phase = Phase::PreMatch;
    // Calendar milliseconds: a half starts at its kick-off (the clock's first start in it), a
    // break when it began; 0 while not yet started or ended.
    qint64 wallStart = 0;
    qint64 wallEnd = 0;
    // The clock's face at the start and the end ("45:00").
    QString clockStart;
    QString clockEnd;
    // Added time announced (minutes) and played beyond the half's end (seconds).
    int addedAnnounced = 0;
    qint64 addedPlayed = 0;
    // The score when the phase ended.
    int homeScore = 0;
    int visitorScore = 0;

    bool operator==(const PhaseRecord &) const = default;
};

// A team sheet: one line per player, a shirt number and a name ("9 Alex Morgan"); other lines
// are passed over.
class TeamSheet
{
public:
    TeamSheet() = default;
    explicit TeamSheet(const QString &text);
    // The name of shirt `player`; empty when the sheet has none.
    QString nameOf(const QString &player) const;
    bool operator==(const TeamSheet &) const = default;

private:
    QList<std::pair<QString, QString>> m_players;
};
