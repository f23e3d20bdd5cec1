#pragma once

#include "board/clockannouncer.h"
#include "game/modcount.h"

#include <QString>

#include <array>
#include <optional>

class BoardShape;
class DigitGroup;
struct LiveSettings;

// The game clock on the board: its four LED digits, the two colon dots (a colon in minutes, a
// decimal point in the last minute) and what a screen reader hears of it. A running clock is
// shown twenty times a second; most of those change nothing, and nothing is redone then.
class ClockDisplay
{
public:
    ClockDisplay(DigitGroup &clock, std::array<BoardShape *, 2> colonDots);

    void show(const ClockFace &face, bool running, const LiveSettings &settings);

private:
    DigitGroup &m_clock;
    std::array<BoardShape *, 2> m_colonDots;
    ClockAnnouncer m_announcer;
    // What the digits and dots were last set to.
    struct ShownDigits
    {
        std::array<qint16, 4> captions;
        bool minutesMode;
        qint32 textColor;
        qint32 backColor;
        bool operator==(const ShownDigits &) const = default;
    };
    std::optional<ShownDigits> m_shown;
    // What the spoken value was last made from.
    struct SpokenState
    {
        QString text;
        bool minutesMode = false;
        bool running = false;
        bool operator==(const SpokenState &) const = default;
    };
    std::optional<SpokenState> m_spoken;
};
