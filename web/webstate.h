#pragma once

#include <QString>
#include <QtGlobal>

#include <functional>
#include <vector>

class ScoreboardGame;

// What publishing to the web scoreboard works with: the game whose figures are sent, and the
// state of publishing.
struct WebState
{
    // The game whose figures an update carries (ScoreboardGame::WebSBValues, read as the update
    // is built); none before the board is shown, when the figures are sent empty.
    const ScoreboardGame *game = nullptr;
    // -1 off, 0..5 on (consecutive refused updates), 6 stopped after too many refusals.
    qint16 WebSBFailCount = -1;
    // Timer ticks (seconds) between periodic updates, as the service last asked.
    qint16 WebSBInterval = 0;

    // Counts every switch of publishing on or off. An update carries the session it was sent
    // in; its reply, if it comes back after a switch, belongs to publishing that has ended and
    // changes nothing.
    quint32 WebSBSession = 0;
    // Updates sent and not yet answered (or dropped), whichever client sent them.
    int WebSBInFlight = 0;
    // The service could not be reached by the last update and has not answered since: the
    // operator has been told of this outage.
    bool WebSBOutage = false;
    // The service's last accepted reply said it understands the match's fields: updates carry
    // them. Forgotten when publishing is switched, since the service may be another by then.
    bool WebSBServiceKnowsMatch = false;
    // The same for the teams' fields (websbprotocol::UnderstandsTeams).
    bool WebSBServiceKnowsTeams = false;
    // What runs once no update is in flight any more (see WhenNoUpdateInFlight).
    std::vector<std::function<void()>> WebSBWhenIdle;

    bool publishing() const { return WebSBFailCount >= 0 && WebSBFailCount <= 5; }
    // Switches publishing to `failCount` (-1 off, 0 on) and ends the session.
    void switchPublishing(qint16 failCount)
    {
        WebSBFailCount = failCount;
        WebSBServiceKnowsMatch = false;
        WebSBServiceKnowsTeams = false;
        endSession();
    }
    // Ends the session without changing the state: whatever is still in flight is dropped.
    void endSession() { ++WebSBSession; }
};
