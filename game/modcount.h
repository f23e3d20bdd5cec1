#pragma once

#include <QString>
#include <QtGlobal>

#include <array>
#include <optional>

class TimeSource;

// The game clock's arithmetic: a bank of five independent clocks, each set to whole seconds,
// started, stopped and read to a tenth of a second, and how a clock value is shown on the four
// clock digits. The board uses slot 0, counting down. Typing the clock is in clockentry.h.

// Seconds as fixed-point: a count of ten-thousandths of a second.
using ClockValue = qint64;
inline constexpr ClockValue ClockUnitsPerSecond = 10000;

constexpr ClockValue ClockSeconds(qint64 seconds)
{
    return seconds * ClockUnitsPerSecond;
}
constexpr ClockValue ClockTenths(qint64 tenths)
{
    return tenths * (ClockUnitsPerSecond / 10);
}

struct ClockSlot
{
    ClockValue BaseValue = 0; // the value the slot was last set to
    ClockValue BankedTime = 0; // elapsed time of earlier runs since the last set
    ClockValue RunTime = 0; // the current run as last measured by ReadClock
    bool Running = false;
    qint32 CountUp = 0; // 0 counts down from BaseValue, anything else counts up
    // When the current run started: whole seconds and the millisecond part, on the monotonic
    // clock of the TimeSource; no stamp before the slot's first start.
    std::optional<qint64> StartStamp;
    qint32 StartMilliseconds = 0;
};

inline constexpr int ClockSlotCount = 5;
using ClockSlots = std::array<ClockSlot, ClockSlotCount>;

// Each refuses a slot outside 0..4 quietly (ReadClock gives 0).
void SetClock(ClockSlots &bank, ClockValue value, qint32 countUp, int slot);
void StartClock(ClockSlots &bank, const TimeSource &time, int slot);
void StopClock(ClockSlots &bank, int slot);
ClockValue ReadClock(ClockSlots &bank, const TimeSource &time, int slot);
// Whether the slot runs; nullopt for a slot outside 0..4, which the caller answers with a beep.
std::optional<bool> ClockRunning(const ClockSlots &bank, int slot);

// The largest whole number not above a / b, as a 16-bit integer.
qint16 IntQuotient(ClockValue a, ClockValue b);

// What the four clock digits and the two colon dots show for a clock value.
struct ClockFace
{
    // Left to right; -1 is a blank digit.
    std::array<qint16, 4> captions{-1, -1, -1, -1};
    // The hundreds of minutes, left of the four digits, that a match clock counting up to
    // 120:00 reaches; -1 (blank) below 100 minutes and always on the board's own clock.
    qint16 hundreds = -1;
    // Minutes and seconds (both dots lit, a colon) rather than seconds and tenths (the lower
    // dot alone, a decimal point).
    bool minutesMode = false;
    // The clock as shown, e.g. "10:00", "9:59", "59.9", "0.0".
    QString text;
    // The value shown, to a tenth of a second.
    ClockValue value = 0;
    // The whole second (minutes and seconds) or tenth the digits were made from; the same step
    // shows the same digits.
    qint64 step = 0;
};

ClockFace ShowClock(ClockValue value);
// A match clock, always minutes and seconds (no tenths), up to 199:59: counting up shows the
// whole seconds passed, counting down (a break) the whole seconds left, rounded up. Whether the
// digits changed.
bool ShowMatchClock(ClockValue value, bool countsUp, ClockFace &face);
// The same into a face shown before, which it updates; whether the digits or the dots changed.
bool ShowClock(ClockValue value, ClockFace &face);
