#pragma once

#include "game/matchevents.h"
#include "game/matchtime.h"

// Where a match stands beside its figures and clock: the format it is played by, its phase,
// the added time announced for the half being played, the shoot-out, what happened in it, and
// the phases played so far.
struct MatchState
{
    MatchFormat format;
    Phase phase = Phase::PreMatch;
    // Minutes the fourth official announced for the half being played; 0 when none.
    int addedMinutes = 0;
    Shootout shootout;
    // Goals and cards in match order, and the id the next one takes.
    QList<MatchEvent> events;
    int nextEventId = 1;
    // Every phase entered, the current one last (still open: no end).
    QList<PhaseRecord> log;

    bool operator==(const MatchState &) const = default;
};

inline constexpr int LongestAddedMinutes = 30;
// The longest time the clock takes when it counts up: two halves and extra time of the longest
// format, and a little added time is not typed but played.
inline constexpr int LongestMatchClockMinutes = 120;
