#pragma once

#include <QDateTime>
#include <QElapsedTimer>
#include <QtGlobal>

// Where the game clock reads the time: milliseconds on a monotonic clock, so that a change of
// the computer's clock never moves a running game clock. Tests substitute a clock they drive.
class TimeSource
{
public:
    virtual ~TimeSource() = default;
    virtual qint64 nowMilliseconds() const = 0;
    // The calendar time, for what must outlast the program (the game journal); never used to
    // measure a running clock.
    virtual qint64 wallClockMilliseconds() const { return QDateTime::currentMSecsSinceEpoch(); }
};

class MonotonicTimeSource final : public TimeSource
{
public:
    MonotonicTimeSource() { m_timer.start(); }
    qint64 nowMilliseconds() const override { return m_timer.elapsed(); }

private:
    QElapsedTimer m_timer;
};
