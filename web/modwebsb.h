#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>
#include <optional>
#include <string_view>
#include <utility>

class HttpClient;
class QObject;
class ScoreboardGame;
class WebPrompts;
struct LiveSettings;
struct MatchState;
struct WebState;

// The update request to the web scoreboard service: one GET carrying the title, the team names
// and every figure of the board, answered with an interval and an echo of what was stored.

// The thirteen values of an update, in their order: title, home and visitor names, then the
// board's figures (the game's WebSBValues, slots 3 to 12).
QStringList WebSBFieldValues(const LiveSettings &settings, const WebState &web);

// A field beyond the thirteen values: its key and its text.
using WebSBField = std::pair<QString, QString>;

// The match's fields for a service that understands them (see websbprotocol::MatchKeys): the
// phase's name, the added minutes announced, and each team's shoot-out kicks as "1" and "0".
QList<WebSBField> WebSBMatchFields(const MatchState &match);

// The teams' fields for a service that understands them (see websbprotocol::TeamKeys): each
// team's sending-offs, `language`, the short names and colours of the settings, and how the
// game's clock moves.
QList<WebSBField> WebSBTeamFields(
    const LiveSettings &settings, const ScoreboardGame &game, const QString &language);

// Whether the value of a service's websbprotocol::UnderstandsHeader lists `capability`
// (websbprotocol::UnderstandsMatch or UnderstandsTeams).
bool WebSBUnderstands(const QByteArray &understands, std::string_view capability);

// The request for an update: the thirteen values, then `extra`, the passcode and the final flag.
// Every value travels percent-encoded, so that any text reaches the service exactly as typed and
// cannot add a field of its own.
QUrl BuildWebSBUrl(const QString &serviceAddress, const QString &page, const QStringList &values,
    const QString &passcode, bool final, const QList<WebSBField> &extra = {});

// What a reply says: whether it is accepted (an echo of exactly the values sent, and something
// was sent), and the interval the service asks for when its head is not empty.
struct WebSBReply
{
    bool accepted = false;
    std::optional<qint16> interval;
};
WebSBReply ParseWebSBReply(const QString &reply, const QString &echo);

// The whole-number part, rounded down, of the number that `text` begins with (leading blanks
// skipped; reading stops where the number ends); 0 when it begins with none. Held to 16 bits.
qint16 LeadingInterval(const QString &text);

// What an update works with.
struct WebSBContext
{
    const LiveSettings &settings;
    WebState &web;
    // Who tells the operator of a failed transfer; nobody when null or gone.
    WebPrompts *prompts = nullptr;
    // A periodic update: a failed transfer is told once per outage, in a message that leaves
    // the board working, and publishing goes on trying. Otherwise (Start, the final update) it
    // is told in a message to be answered.
    bool periodic = false;
};

// Sends one update and calls `done` with 1 when the service accepted it, 0 otherwise (nothing
// sent after too many refusals, a failed transfer, or a refused reply). Counts refusals in
// WebSBFailCount and takes the service's interval into WebSBInterval; a failed transfer is
// reported (see WebSBContext::periodic) and not counted. Never blocks: `done` runs when the reply
// is in. A reply that comes back after publishing was switched (WebState::WebSBSession) changes
// nothing and shows nothing; `done` gets 0.
// The match's fields go along only while the service's last accepted reply said it understands
// them (WebState::WebSBServiceKnowsMatch); a service that never says so gets the thirteen values
// alone, exactly as before the match had fields. The teams' fields likewise go along only while it
// said it understands them (WebState::WebSBServiceKnowsTeams).
void SendWebSBUpdate(WebSBContext context, const QString &page, const QString &passcode,
    HttpClient &client, bool final, std::function<void(int)> done);

// Runs `then` once no update of any client is in flight, so that what it sends reaches the
// service after them: at once when none is, otherwise from the event loop after the last one is
// answered or dropped (every request ends within its client's time-out). Nothing runs if
// `context` is gone by then.
void WhenNoUpdateInFlight(WebState &web, QObject *context, std::function<void()> then);
