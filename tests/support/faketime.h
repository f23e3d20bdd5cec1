#pragma once

#include "game/timesource.h"

// A monotonic clock the test moves by hand.
class FakeTime final : public TimeSource
{
public:
    explicit FakeTime(qint64 start = 1'000'000)
        : now(start)
    {
    }
    qint64 nowMilliseconds() const override { return now; }
    qint64 wallClockMilliseconds() const override { return wall + now; }
    // Time passing for the program and the calendar alike.
    void advance(qint64 milliseconds) { now += milliseconds; }
    qint64 now;
    // The calendar time at monotonic zero.
    qint64 wall = 1'800'000'000'000;
};
