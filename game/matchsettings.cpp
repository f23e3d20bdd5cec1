#include "matchsettings.h"

#include "settings/livesettings.h"
#include "settings/settingsstore.h"

// The store refuses what the game cannot play.
static_assert(StoredHalfMinutesMax == LongestHalfMinutes);
static_assert(StoredBreakMinutesMax == LongestBreakMinutes);
static_assert(StoredExtraTimeMinutesMax == LongestExtraTimeMinutes);

MatchFormat MatchFormatOf(const LiveSettings &settings)
{
    MatchFormat format;
    format.clock = settings.MatchClockUp == 1 ? ClockDirection::Up : ClockDirection::Down;
    format.halfMinutes = settings.HalfMinutes;
    format.breakMinutes = settings.BreakMinutes;
    format.extraTimeMinutes = settings.ExtraTimeMinutes;
    format.penalties = settings.Penalties == 1;
    return MatchFormatRefusal(format) ? MatchFormat() : format;
}

void StoreMatchFormat(LiveSettings &settings, const MatchFormat &format)
{
    settings.MatchClockUp = format.clock == ClockDirection::Up ? 1 : 0;
    settings.HalfMinutes = static_cast<qint16>(format.halfMinutes);
    settings.BreakMinutes = static_cast<qint16>(format.breakMinutes);
    settings.ExtraTimeMinutes = static_cast<qint16>(format.extraTimeMinutes);
    settings.Penalties = format.penalties ? 1 : 0;
}
