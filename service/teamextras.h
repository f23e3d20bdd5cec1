#pragma once

#include <QJsonObject>
#include <QString>

#include <array>
#include <optional>
#include <string>

// The teams' identity, the board's language and how its clock moves, which a board publishes
// once the service has said it understands "teams" (the fields hso … run of
// protocol/websbprotocol.h): how the query's fields are checked and how a page's JSON holds them.
namespace websb {

struct TeamSide
{
    int sendingOffs = 0;
    std::string shortName; // UTF-8, 1 to 4 letters or digits
    std::string mainColour; // "rrggbb", lower case
    std::string secondColour;

    bool operator==(const TeamSide &) const = default;
};

struct TeamExtras
{
    TeamSide home;
    TeamSide visitor;
    std::string language; // two lower-case letters
    // How the clock moves: websbprotocol::ClockStands, ClockCountsDown, ClockCountsDownInSeconds,
    // or ClockCountsUpTo followed by the minute the face holds at.
    std::string clockRun;

    bool operator==(const TeamExtras &) const = default;
};

// The teams' fields as they came, decoded, in the order of websbprotocol::TeamKeys; a field not
// sent is empty.
using TeamFieldsSeen = std::array<std::optional<std::string>, 10>;

struct TeamReading
{
    std::optional<TeamExtras> teams; // none when no field of the teams was sent
    std::string error; // why the update is refused; names fields but never repeats a value

    bool ok() const { return error.empty(); }
};

// All the fields or none; each in shape. Colours are taken in either case and kept in lower case.
TeamReading readTeamFields(const TeamFieldsSeen &seen);

// Why `teams` cannot be shown; empty when it can.
std::string teamsProblem(const TeamExtras &teams);

// Adds "language", "clock": {"runs": false} or {"runs": true, "counts": "down", "tenths": bool}
// (tenths below a minute, or whole seconds to 0:00) or {"runs": true, "counts": "up",
// "holdsAt": M}, and "teams": {"home": {"short":…, "main":
// "#rrggbb", "second": "#rrggbb", "sendingOffs": n}, "visitor": {…}} to a page's JSON.
void insertTeams(QJsonObject &page, const TeamExtras &teams);
// Reads what insertTeams wrote: none when the page has no "teams", false with `error` set when it
// holds something insertTeams never writes.
bool teamsFromJson(const QJsonObject &page, std::optional<TeamExtras> &teams, QString &error);

} // namespace websb
