#pragma once

#include "boardquery.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <optional>
#include <string>
#include <string_view>

// What a page shows: the board's last update, and its JSON form, which is both the answer of
// /api/<page> and the file that keeps it across a restart.
namespace websb {

struct PageState
{
    BoardValues values;
    bool final = false;
    qint64 updatedMs = 0; // milliseconds since the epoch; 0 before the first update
    std::optional<MatchExtras> match; // as the last update carried it
    std::optional<TeamExtras> teams; // the same

    bool operator==(const PageState &) const = default;
};

// {"page":…,"updated":"<ISO 8601 UTC>"|null,"updatedMs":…,"final":…,"values":{"ttl":…,…}}, and
// when the update carried a match: "phase":…,"addedTime":…,"shootout":{"home":[…],"visitor":[…]},
// and when it carried the teams: "language":…,"clock":{…},"teams":{…} (see insertTeams)
std::string pageJson(std::string_view page, const PageState &state);

// Reads what pageJson wrote for the same page; false with `error` set for anything else.
bool pageStateFromJson(
    const QByteArray &json, std::string_view page, PageState &state, QString &error);

} // namespace websb
