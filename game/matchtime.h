#pragma once

#include <QList>
#include <QString>

#include <array>
#include <optional>
#include <string_view>

// Match time as soccer keeps it, as pure rules: the format a club plays, the phases of a match
// and which follows which, where each half starts and ends on the match clock, the minute of
// anything that happens now ("23'", "45+2'"), and the penalty shoot-out. The game model holds
// the state; these only answer.

enum class ClockDirection { Down, Up };

struct MatchFormat
{
    // Down counts each half down from its length (the board's way until now); up counts the
    // match clock up, 0:00 to 45:00, 45:00 to 90:00, as soccer does.
    ClockDirection clock = ClockDirection::Down;
    int halfMinutes = 45; // 1 to 60
    int breakMinutes = 15; // 0 to 30
    int extraTimeMinutes = 0; // 0 (none) to 30
    bool penalties = false;
    bool operator==(const MatchFormat &) const = default;
};

inline constexpr int LongestHalfMinutes = 60;
inline constexpr int LongestBreakMinutes = 30;
inline constexpr int LongestExtraTimeMinutes = 30;

// Why a format cannot be played; nullopt when it can.
std::optional<QString> MatchFormatRefusal(const MatchFormat &format);

// Formats a club picks by name.
struct MatchPreset
{
    std::string_view name;
    MatchFormat format;
};
inline constexpr std::array<MatchPreset, 7> MatchPresets{{
    {"Adult 2 × 45", {ClockDirection::Up, 45, 15, 0, false}},
    {"Cup 2 × 45, extra time, penalties", {ClockDirection::Up, 45, 15, 15, true}},
    {"Youth 2 × 40", {ClockDirection::Up, 40, 15, 0, false}},
    {"Youth 2 × 35", {ClockDirection::Up, 35, 10, 0, false}},
    {"Youth 2 × 30", {ClockDirection::Up, 30, 10, 0, false}},
    {"Youth 2 × 25", {ClockDirection::Up, 25, 10, 0, false}},
    {"Futsal-style 2 × 20, counting down", {ClockDirection::Down, 20, 10, 0, false}},
}};

// The phases of a match, in the order they may come.
enum class Phase {
    PreMatch,
    FirstHalf,
    HalfTime,
    SecondHalf,
    ExtraTimeFirstHalf,
    ExtraTimeHalfTime,
    ExtraTimeSecondHalf,
    Penalties,
    FullTime,
};
inline constexpr int PhaseCount = 9;

// The name other programs know a phase by ("firstHalf").
std::string_view PhaseName(Phase phase);
std::optional<Phase> PhaseNamed(std::string_view name);

bool IsPlayingHalf(Phase phase);
bool IsBreak(Phase phase);

// The phase the rules give after `current`: extra time only when the format has it and the
// scores are level, penalties only when it has them and they still are. Full time stays.
Phase NextPhase(Phase current, const MatchFormat &format, bool level);

// A playing half on the match clock, in seconds: up, where it starts and where the clock holds
// (45:00 to 90:00); down, the length it counts down from (start 0, end its length).
struct HalfSpan
{
    int start = 0;
    int end = 0;
    int length() const { return end - start; }
};
std::optional<HalfSpan> HalfSpanOf(Phase phase, const MatchFormat &format);

// How long a break counts down, in seconds; 0 for anything that is no break. Teams change ends
// without leaving the field between the halves of extra time.
int BreakSeconds(Phase phase, const MatchFormat &format);
inline constexpr int ExtraTimeBreakSeconds = 60;

// The minute, in the usual notation, of anything that happens `played` seconds into the current
// half: "23'" at 22:10 of the first half, "45+2'" in the second minute of its added time,
// "105+1'" in extra time. Down, counted from the half's start. Empty outside a playing half.
QString MatchMinute(Phase phase, const MatchFormat &format, qint64 played);

enum class Team { Home, Visitor };

// A penalty shoot-out: five kicks each, then one each until one team has scored more after the
// same number of kicks; decided as soon as one team cannot be caught.
class Shootout
{
public:
    const QList<bool> &kicks(Team team) const { return team == Team::Home ? m_home : m_visitor; }
    int scored(Team team) const;
    // Whether `team` may take the next kick: the shoot-out is not decided and it is not a kick
    // ahead of the other team.
    bool mayKick(Team team) const;
    // Records a kick; false, changing nothing, when the team may not kick now.
    bool kick(Team team, bool scored);
    // Takes back the last kick of `team`.
    void undoKick(Team team);
    std::optional<Team> winner() const;
    // The shoot-out of these kicks, taken in turn; nullopt when no shoot-out could have them.
    static std::optional<Shootout> FromKicks(const QList<bool> &home, const QList<bool> &visitor);

    bool operator==(const Shootout &) const = default;

private:
    QList<bool> m_home;
    QList<bool> m_visitor;
};

inline constexpr int ShootoutRounds = 5;
