#include "clockdisplay.h"

#include "board/boardshape.h"
#include "board/digitgroup.h"
#include "settings/livesettings.h"

#include <QCoreApplication>

ClockDisplay::ClockDisplay(DigitGroup &clock, std::array<BoardShape *, 2> colonDots)
    : m_clock(clock)
    , m_colonDots(colonDots)
{
}

void ClockDisplay::show(const ClockFace &face, bool running, const LiveSettings &settings)
{
    const ShownDigits digits{
        face.captions, face.minutesMode, settings.TextColor, settings.LEDBackColor};
    if (digits != m_shown) {
        m_shown = digits;
        for (int i = 0; i < 4; ++i) {
            m_clock.setCaption(i, face.captions[static_cast<std::size_t>(i)]);
        }
        m_colonDots[0]->setFillColor(face.minutesMode ? settings.TextColor : settings.LEDBackColor);
        m_colonDots[1]->setFillColor(settings.TextColor);
    }
    // The reader finds the clock as shown at any time, but hears of it only now and then.
    m_clock.setAccessibleValue(double(face.value) / double(ClockSeconds(1)));
    // Most ticks change no digit: the words are made again only when the face or state moved.
    const SpokenState spoken{face.text, face.minutesMode, running};
    if (spoken != m_spoken) {
        m_spoken = spoken;
        m_clock.setSpokenValue(running
                //: The clock as a screen reader hears it: %1 is the time, "9:58" or "42.5 seconds".
                ? QCoreApplication::translate("frmScoreboard", "%1, running").arg(SpokenClock(face))
                : QCoreApplication::translate("frmScoreboard", "%1, stopped")
                      .arg(SpokenClock(face)));
    }
    if (m_announcer.shouldAnnounce(face.value, running)) {
        m_clock.announceName();
    }
}
