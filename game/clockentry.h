#pragma once

#include "game/modcount.h"

#include <QString>

#include <functional>

class TimeSource;
struct GameState;

// Typing the game clock on its digit group: minutes, a point and seconds, committed with Enter.

// The whole seconds of a clock text typed as minutes, a point and seconds, with an optional
// hours part and point in front ("25.3" is 25:03); -1 when it is no clock time. Minutes go up
// to `longestMinutes` when no hours are typed (a match clock counting up reaches 120). The
// caller sounds a short beep for every well-formed text, even one too long for its clock.
qint32 ParseClockEntry(const QString &text, qint32 longestMinutes = 59);

// What the clock's entry acts on.
struct ClockEntryTarget
{
    GameState &game;
    const TimeSource &time;
    // Shows a clock value on the group's digits and colon dots.
    std::function<void(ClockValue)> showClock;
};

// One typed character in the clock's digit group: digits and "." collect, the space bar clears,
// Enter sets the clock (stopped) to the typed time when it is at most `maximum` seconds.
// Answers whether the key asks for the short beep of a well-formed time. A refused time leaves
// why in `refusal`, in the operator's words.
bool EnterClockKey(ClockEntryTarget &target, const QString &groupName, short keyAscii,
    qint32 maximum, qint32 countUp, int slot, qint32 longestMinutes = 59,
    QString *refusal = nullptr);
