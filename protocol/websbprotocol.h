#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

// The one wire format between the board and the web scoreboard service, for both programs: the
// update query's fields in their order and range, and the texts of the reply. Header-only and
// free of Qt, so that the board (Qt) and the service (Asio) read the same definitions.
//
//   GET <service address><page>?ttl=…&ht=…&…&vsa=…[&ph=…&at=…&hpk=…&vpk=…][&hso=…&…&run=…]
//       &passcode=…[&final=1]
//   accepted:  "<interval>|<echo>"   the echo being the thirteen values as received, joined
//   refused:   a 4xx with one of the texts below, none of which holds a "|"
//
// The thirteen values are all a service that knows nothing more ever gets. The match's fields
// (ph, at, hpk, vpk) go only to a service that said it understands them: it answers an accepted
// update with the header UnderstandsHeader listing UnderstandsMatch; the teams' fields (hso … run)
// likewise only to one that lists UnderstandsTeams.
namespace websbprotocol {

enum class FieldKind {
    Text, // any UTF-8 up to MaxValueLength code points
    Number, // "0" to `maximum`, no leading zero, or empty before the board is opened
    // "M:SS", "MM:SS" or "1MM:SS" (a match counted up past 100 minutes) while a minute or more
    // is shown, then "S.T" or "SS.T"; or empty
    Clock,
};

struct Field
{
    std::string_view key;
    FieldKind kind;
    int maximum; // numbers only
};

inline constexpr std::size_t FieldCount = 13;

// In wire order, which is also the order of the echo.
inline constexpr std::array<Field, FieldCount> Fields = {{
    {"ttl", FieldKind::Text, 0}, // title
    {"ht", FieldKind::Text, 0}, // home team
    {"vt", FieldKind::Text, 0}, // visitors
    {"hs", FieldKind::Number, 99}, // home score
    {"gt", FieldKind::Clock, 0}, // game time
    {"vs", FieldKind::Number, 99}, // visitors' score
    {"per", FieldKind::Number, 4}, // period
    {"hsh", FieldKind::Number, 99}, // home shots
    {"hck", FieldKind::Number, 99}, // home corner kicks (up to 9 counting down, 99 counting up)
    {"hsa", FieldKind::Number, 99}, // home saves
    {"vsh", FieldKind::Number, 99},
    {"vck", FieldKind::Number, 99},
    {"vsa", FieldKind::Number, 99},
}};

inline constexpr std::string_view PasscodeKey = "passcode";
// Sent only with the last update of a game, and then only as "final=1".
inline constexpr std::string_view FinalKey = "final";
inline constexpr std::string_view FinalValue = "1";

// The clock's extremes that the service accepts.
inline constexpr std::string_view LongestClock = "199:59";
inline constexpr std::string_view ShortestClock = "0.0";
inline constexpr int LongestClockMinutes = 199;

// What a service that knows the match says with every accepted update, as
//   X-Scoreboard-Understands: match
// (a comma-separated list, so that more can follow). A board sends the match's fields only while
// the service's last accepted reply listed "match".
inline constexpr std::string_view UnderstandsHeader = "X-Scoreboard-Understands";
inline constexpr std::string_view UnderstandsMatch = "match";

// The match's fields, sent together or not at all, after the thirteen values:
//   ph   the phase, one of PhaseNames
//   at   the added time announced for the half being played, "0" to MaxAddedMinutes
//   hpk  the home team's shoot-out kicks in order, "1" scored and "0" missed ("11010"); empty
//        before the shoot-out; at most MaxKicks, and never more than one kick apart from vpk
//   vpk  the visitors' kicks, the same way
// A service that understands them refuses an update whose match fields are incomplete or out
// of shape, like one with a malformed figure; the echo stays the thirteen values.
inline constexpr std::string_view PhaseKey = "ph";
inline constexpr std::string_view AddedKey = "at";
inline constexpr std::string_view HomeKicksKey = "hpk";
inline constexpr std::string_view VisitorKicksKey = "vpk";
inline constexpr std::array<std::string_view, 4> MatchKeys
    = {PhaseKey, AddedKey, HomeKicksKey, VisitorKicksKey};
inline constexpr std::array<std::string_view, 9> PhaseNames
    = {"preMatch", "firstHalf", "halfTime", "secondHalf", "extraTimeFirstHalf", "extraTimeHalfTime",
        "extraTimeSecondHalf", "penalties", "fullTime"};
inline constexpr int MaxAddedMinutes = 30;
inline constexpr std::size_t MaxKicks = 99;
inline constexpr char KickScored = '1';
inline constexpr char KickMissed = '0';

// What a service that shows the teams' identity, the board's language and its running clock adds
// to the list: "X-Scoreboard-Understands: match, teams". A board sends the teams' fields only while
// the service's last accepted reply listed "teams", whatever it says of the match.
inline constexpr std::string_view UnderstandsTeams = "teams";

// The teams' fields, sent together or not at all, after the match's:
//   hso  the home team's players sent off, "0" to MaxSendingOffs
//   vso  the visitors', the same way
//   lang the board's language, two lower-case letters ("en", "de")
//   hsn  the home team's short name, 1 to MaxShortNameLength letters or digits
//   vsn  the visitors' short name, the same way
//   hc1  the home team's main colour, "rrggbb" in hexadecimal digits
//   hc2  its second colour, the same way
//   vc1  the visitors' main colour
//   vc2  their second colour
//   run  how the clock moves: "0" it stands; "down" it counts down as the board does, whole
//        seconds and then tenths below a minute, stopping at 0.0; "down:seconds" it counts
//        down in whole seconds to 0:00 (a break of a match counted up); "up:M" it counts up
//        and holds at M:00 (the end of the half, 1 to LongestClockMinutes)
// A service that understands them refuses an update whose teams' fields are incomplete or out of
// shape, naming the field; the echo stays the thirteen values.
inline constexpr std::string_view HomeSendingOffsKey = "hso";
inline constexpr std::string_view VisitorSendingOffsKey = "vso";
inline constexpr std::string_view LanguageKey = "lang";
inline constexpr std::string_view HomeShortKey = "hsn";
inline constexpr std::string_view VisitorShortKey = "vsn";
inline constexpr std::string_view HomeMainColourKey = "hc1";
inline constexpr std::string_view HomeSecondColourKey = "hc2";
inline constexpr std::string_view VisitorMainColourKey = "vc1";
inline constexpr std::string_view VisitorSecondColourKey = "vc2";
inline constexpr std::string_view ClockRunKey = "run";
inline constexpr std::array<std::string_view, 10> TeamKeys = {HomeSendingOffsKey,
    VisitorSendingOffsKey, LanguageKey, HomeShortKey, VisitorShortKey, HomeMainColourKey,
    HomeSecondColourKey, VisitorMainColourKey, VisitorSecondColourKey, ClockRunKey};
inline constexpr int MaxSendingOffs = 11;
inline constexpr std::size_t MaxShortNameLength = 4;
inline constexpr std::size_t ColourLength = 6;
inline constexpr std::string_view ClockStands = "0";
inline constexpr std::string_view ClockCountsDown = "down";
inline constexpr std::string_view ClockCountsDownInSeconds = "down:seconds";
inline constexpr std::string_view ClockCountsUpTo = "up:"; // followed by the minute it holds at

// Raw query bytes; the longest query of a real board is a few hundred.
inline constexpr std::size_t MaxQueryLength = 8000;
// Characters (code points) of one decoded value, the passcode included.
inline constexpr std::size_t MaxValueLength = 200;

// Between the interval and the echo of an accepted update; never in a refusal.
inline constexpr char ReplySeparator = '|';

inline std::string acceptedReply(int interval, std::string_view echo)
{
    std::string reply = std::to_string(interval);
    reply += ReplySeparator;
    reply += echo;
    return reply;
}

// The refusals' texts, beside their statuses.
namespace refusal {
inline constexpr std::string_view WrongPasscode = "wrong passcode"; // 403
inline constexpr std::string_view UnknownPage = "unknown page"; // 403
inline constexpr std::string_view EveryValueEmpty = "every value is empty"; // 400
inline constexpr std::string_view TooManyGuesses = "too many wrong passcodes, wait"; // 429
inline constexpr std::string_view TooManyChecks = "too many passcodes to check, try again"; // 503
inline constexpr std::string_view SharedStateDown = "the shared state is unavailable"; // 503
inline constexpr std::string_view Stopping = "the service is stopping, try again"; // 503
inline constexpr std::array<std::string_view, 7> All = {WrongPasscode, UnknownPage, EveryValueEmpty,
    TooManyGuesses, TooManyChecks, SharedStateDown, Stopping};
} // namespace refusal

constexpr bool holdsNoSeparator(std::string_view text)
{
    return text.find(ReplySeparator) == std::string_view::npos;
}

constexpr bool refusalsHoldNoSeparator()
{
    for (std::string_view text : refusal::All) {
        if (!holdsNoSeparator(text)) {
            return false;
        }
    }
    return true;
}
static_assert(refusalsHoldNoSeparator(), "the board would read a refusal as accepted");

} // namespace websbprotocol
