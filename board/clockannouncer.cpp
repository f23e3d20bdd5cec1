#include "clockannouncer.h"

#include <QCoreApplication>

namespace {

constexpr ClockValue LastSecondsTold = ClockSeconds(10);
// A mark outside every minute and every last second.
constexpr int NoMark = -1;
constexpr int MinuteMarks = 1000;

ClockValue ceilDiv(ClockValue a, ClockValue b)
{
    return a > 0 ? (a + b - 1) / b : -((-a) / b);
}

// The whole minute or last second that `value` lies in, as the digits show it: minutes and
// seconds round up, so "9:00" is the first face of the ninth minute mark.
int markOf(ClockValue value)
{
    if (value <= LastSecondsTold) {
        return static_cast<int>(ceilDiv(value, ClockSeconds(1)));
    }
    if (value > ClockTenths(599)) {
        const ClockValue shownSeconds = (value + ClockTenths(9)) / ClockSeconds(1);
        return MinuteMarks + static_cast<int>(ceilDiv(shownSeconds, 60));
    }
    return NoMark;
}

} // namespace

bool ClockAnnouncer::shouldAnnounce(ClockValue value, bool running)
{
    const State now{value, running, markOf(value)};
    const std::optional<State> last = m_last;
    m_last = now;
    if (!last) {
        // The clock as the board opens is what the reader finds; nothing has changed yet.
        m_told = now;
        return false;
    }
    bool tell = false;
    if (running != last->running) {
        tell = true;
    } else if (!running) {
        // A stopped clock changes only when it is set.
        tell = value != last->value;
    } else {
        tell = now.mark != last->mark && now.mark != NoMark;
    }
    if (!tell || (m_told && m_told->value == value && m_told->running == running)) {
        return false;
    }
    m_told = now;
    return true;
}

QString SpokenClock(const ClockFace &face)
{
    //: A clock in its last minute as a screen reader says it: %1 is "42.5".
    return face.minutesMode
        ? face.text
        : QCoreApplication::translate("BoardDesign", "%1 seconds").arg(face.text);
}
