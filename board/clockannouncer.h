#pragma once

#include "game/modcount.h"

#include <QString>

#include <optional>

// Which states of the game clock a screen reader is told of. A running clock is shown twenty
// times a second; announcing each would drown every other word, so a running clock is told
// only at each whole minute and at each of its last ten seconds, and a clock that starts,
// stops or is set is told at once. The same state is never told twice.
class ClockAnnouncer
{
public:
    // Whether the clock, now showing `value` and running or not, is to be announced.
    bool shouldAnnounce(ClockValue value, bool running);

private:
    struct State
    {
        ClockValue value;
        bool running;
        int mark;
        bool operator==(const State &) const = default;
    };
    std::optional<State> m_last;
    std::optional<State> m_told;
};

// How a screen reader says the clock as `face` shows it: "9:59", or "14.9 seconds" in the last
// minute.
QString SpokenClock(const ClockFace &face);
