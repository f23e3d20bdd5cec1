#include "modcount.h"

#include "game/modsoccer.h"
#include "game/timesource.h"

#include <algorithm>
#include <limits>

namespace {

bool validSlot(int slot)
{
    return slot >= 0 && slot < ClockSlotCount;
}

// Floor division that also holds for negative numerators.
qint64 floorDiv(qint64 a, qint64 b)
{
    const qint64 q = a / b;
    return (a % b != 0 && ((a < 0) != (b < 0))) ? q - 1 : q;
}

} // namespace

void SetClock(ClockSlots &bank, ClockValue value, qint32 countUp, int slot)
{
    if (!validSlot(slot)) {
        return;
    }
    ClockSlot &s = bank[static_cast<std::size_t>(slot)];
    s.BaseValue = value;
    s.BankedTime = 0;
    s.RunTime = 0;
    StopClock(bank, slot);
    s.CountUp = countUp;
}

void StartClock(ClockSlots &bank, const TimeSource &time, int slot)
{
    if (!validSlot(slot)) {
        return;
    }
    ClockSlot &s = bank[static_cast<std::size_t>(slot)];
    if (s.Running) {
        return;
    }
    const qint64 now = time.nowMilliseconds();
    s.StartStamp = floorDiv(now, 1000);
    s.StartMilliseconds = static_cast<qint32>(now - *s.StartStamp * 1000);
    s.RunTime = 0;
    s.Running = true;
}

void StopClock(ClockSlots &bank, int slot)
{
    if (!validSlot(slot)) {
        return;
    }
    ClockSlot &s = bank[static_cast<std::size_t>(slot)];
    if (!s.Running) {
        return;
    }
    // Banks the run time of the last read, so the clock stops at the value last shown.
    s.BankedTime += s.RunTime;
    s.Running = false;
}

ClockValue ReadClock(ClockSlots &bank, const TimeSource &time, int slot)
{
    if (!validSlot(slot)) {
        return 0;
    }
    ClockSlot &s = bank[static_cast<std::size_t>(slot)];
    if (s.StartStamp && s.Running) {
        const qint64 now = time.nowMilliseconds();
        const qint64 nowSecond = floorDiv(now, 1000);
        const qint64 nowMilliseconds = now - nowSecond * 1000;
        // Whole seconds between the two stamps, then corrected to tenths.
        s.RunTime = ClockSeconds(nowSecond - *s.StartStamp);
        const qint64 startTenth = s.StartMilliseconds / 100;
        const qint64 nowTenth = nowMilliseconds / 100;
        if (nowTenth >= startTenth) {
            s.RunTime += ClockTenths(nowTenth - startTenth);
        } else {
            s.RunTime = s.RunTime - ClockSeconds(1) + ClockTenths(10 - (startTenth - nowTenth));
        }
    } else {
        s.RunTime = 0;
    }
    const ClockValue remaining = s.BaseValue - s.BankedTime - s.RunTime;
    if (remaining <= 0 && s.CountUp == 0) {
        s.BankedTime = s.BaseValue;
        return 0;
    }
    if (s.CountUp != 0) {
        return s.BaseValue + s.BankedTime + s.RunTime;
    }
    return remaining;
}

std::optional<bool> ClockRunning(const ClockSlots &bank, int slot)
{
    if (!validSlot(slot)) {
        return std::nullopt;
    }
    return bank[static_cast<std::size_t>(slot)].Running;
}

qint16 IntQuotient(ClockValue a, ClockValue b)
{
    if (b == 0) {
        return 0;
    }
    const qint64 q = floorDiv(a, b);
    return static_cast<qint16>(std::clamp<qint64>(
        q, std::numeric_limits<qint16>::min(), std::numeric_limits<qint16>::max()));
}

ClockFace ShowClock(ClockValue value)
{
    ClockFace face;
    ShowClock(value, face);
    return face;
}

bool ShowClock(ClockValue value, ClockFace &face)
{
    face.value = value;
    const ClockValue lastMinute = ClockTenths(599); // 59.9 s
    const bool minutesMode = value > lastMinute;
    // Minutes and seconds show the whole seconds rounded up.
    const qint64 step = minutesMode ? floorDiv(value + ClockTenths(9), ClockSeconds(1))
                                    : floorDiv(value, ClockTenths(1));
    // Nineteen ticks in twenty show the same digits.
    if (step == face.step && minutesMode == face.minutesMode && face.hundreds < 0
        && !face.text.isEmpty()) {
        return false;
    }
    face.step = step;
    // P[1..5]: tens of minutes, minutes, tens of seconds, seconds, tenths.
    std::array<qint64, 6> p{};
    ClockValue w = value;
    if (minutesMode) {
        w += ClockTenths(9);
    }
    const ClockValue units[] = {ClockSeconds(600), ClockSeconds(60), ClockSeconds(10)};
    for (std::size_t i = 0; i < 3; ++i) {
        p[i + 1] = IntQuotient(w, units[i]);
        if (p[i + 1] > 0) {
            w -= units[i] * p[i + 1];
        }
    }
    p[4] = floorDiv(w, ClockSeconds(1));
    w -= ClockSeconds(p[4]);
    p[5] = floorDiv(w * 10, ClockSeconds(1));

    const int first = minutesMode ? 1 : 3;
    const int last = minutesMode ? 4 : 5;
    std::array<qint16, 4> captions{-1, -1, -1, -1};
    for (int i = first; i <= last; ++i) {
        const auto k = static_cast<std::size_t>(i - first);
        const qint64 figure = p[static_cast<std::size_t>(i)];
        if (figure > 0 || i == 4) {
            captions[k] = static_cast<qint16>(std::clamp<qint64>(figure, -1, 9));
        } else if (i != first && captions[k - 1] >= 0) {
            captions[k] = 0;
        }
    }
    if (captions == face.captions && minutesMode == face.minutesMode && face.hundreds < 0
        && !face.text.isEmpty()) {
        return false;
    }
    face.captions = captions;
    face.hundreds = -1;
    face.minutesMode = minutesMode;
    std::array<char16_t, 6> text{};
    std::size_t n = 0;
    for (std::size_t k = 0; k < captions.size(); ++k) {
        if (captions[k] >= 0) {
            text[n++] = static_cast<char16_t>(u'0' + captions[k]);
        }
        if (k == 1) {
            text[n++] = minutesMode ? u':' : u'.';
        }
    }
    face.text = QString(reinterpret_cast<const QChar *>(text.data()), qsizetype(n));
    return true;
}

bool ShowMatchClock(ClockValue value, bool countsUp, ClockFace &face)
{
    face.value = value;
    constexpr qint64 longest = 199 * 60 + 59;
    const qint64 whole = countsUp ? floorDiv(value, ClockSeconds(1))
                                  : floorDiv(value + ClockSeconds(1) - 1, ClockSeconds(1));
    const qint64 total = std::clamp<qint64>(whole, 0, longest);
    const qint64 minutes = total / 60;
    const qint64 seconds = total % 60;
    const std::array<qint16, 4> captions{qint16(minutes >= 10 ? (minutes / 10) % 10 : -1),
        qint16(minutes % 10), qint16(seconds / 10), qint16(seconds % 10)};
    const qint16 hundreds = minutes >= 100 ? qint16(minutes / 100) : qint16(-1);
    face.step = total;
    if (captions == face.captions && hundreds == face.hundreds && face.minutesMode
        && !face.text.isEmpty()) {
        return false;
    }
    face.captions = captions;
    face.hundreds = hundreds;
    face.minutesMode = true;
    face.text = QStringLiteral("%1:%2").arg(minutes).arg(seconds, 2, 10, QLatin1Char('0'));
    return true;
}
