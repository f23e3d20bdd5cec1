#pragma once

#include <QJsonObject>
#include <QString>

#include <optional>
#include <string>
#include <string_view>

// The match a board publishes beside its figures once the service has said it understands it
// (the fields ph, at, hpk and vpk of protocol/websbprotocol.h): what the query carries, how it is
// checked, and how a page's JSON holds it.
namespace websb {

struct MatchExtras
{
    std::string phase; // one of websbprotocol::PhaseNames
    int addedMinutes = 0;
    // In the order taken, websbprotocol::KickScored or KickMissed each.
    std::string homeKicks;
    std::string visitorKicks;

    bool operator==(const MatchExtras &) const = default;
};

// The match fields as they came, decoded; a field not sent is empty.
struct MatchFieldsSeen
{
    std::optional<std::string> phase;
    std::optional<std::string> added;
    std::optional<std::string> homeKicks;
    std::optional<std::string> visitorKicks;
};

struct MatchReading
{
    std::optional<MatchExtras> match; // none when no match field was sent
    std::string error; // why the update is refused; names fields but never repeats a value

    bool ok() const { return error.empty(); }
};

// All four fields or none; each in shape.
MatchReading readMatchFields(const MatchFieldsSeen &seen);

// Why `match` cannot be shown; empty when it can.
std::string matchProblem(const MatchExtras &match);

// Adds "phase", "addedTime" and "shootout": {"home": [true, false, …], "visitor": […]} to a
// page's JSON.
void insertMatch(QJsonObject &page, const MatchExtras &match);
// Reads what insertMatch wrote: none when the page has no "phase", false with `error` set when
// it holds something insertMatch never writes.
bool matchFromJson(const QJsonObject &page, std::optional<MatchExtras> &match, QString &error);

} // namespace websb
