#include "matchtime.h"

#include <algorithm>

namespace {

constexpr std::array<std::string_view, PhaseCount> PhaseNames{"preMatch", "firstHalf", "halfTime",
    "secondHalf", "extraTimeFirstHalf", "extraTimeHalfTime", "extraTimeSecondHalf", "penalties",
    "fullTime"};

QString minuteText(qint64 minute)
{
    return QString::number(minute) + QLatin1Char('\'');
}

} // namespace

std::optional<QString> MatchFormatRefusal(const MatchFormat &format)
{
    if (format.halfMinutes < 1 || format.halfMinutes > LongestHalfMinutes) {
        return QStringLiteral("halfMinutes is a whole number from 1 to %1").arg(LongestHalfMinutes);
    }
    if (format.breakMinutes < 0 || format.breakMinutes > LongestBreakMinutes) {
        return QStringLiteral("breakMinutes is a whole number from 0 to %1")
            .arg(LongestBreakMinutes);
    }
    if (format.extraTimeMinutes < 0 || format.extraTimeMinutes > LongestExtraTimeMinutes) {
        return QStringLiteral("extraTimeMinutes is a whole number from 0 to %1")
            .arg(LongestExtraTimeMinutes);
    }
    return std::nullopt;
}

std::string_view PhaseName(Phase phase)
{
    return PhaseNames[static_cast<std::size_t>(phase)];
}

std::optional<Phase> PhaseNamed(std::string_view name)
{
    for (std::size_t i = 0; i < PhaseNames.size(); ++i) {
        if (PhaseNames[i] == name) {
            return static_cast<Phase>(i);
        }
    }
    return std::nullopt;
}

bool IsPlayingHalf(Phase phase)
{
    return phase == Phase::FirstHalf || phase == Phase::SecondHalf
        || phase == Phase::ExtraTimeFirstHalf || phase == Phase::ExtraTimeSecondHalf;
}

bool IsBreak(Phase phase)
{
    return phase == Phase::HalfTime || phase == Phase::ExtraTimeHalfTime;
}

Phase NextPhase(Phase current, const MatchFormat &format, bool level)
{
    // After normal time or extra time: more play only while nobody has won.
    const auto afterPlay = [&](bool extraTimeToCome) {
        if (level && extraTimeToCome) {
            return Phase::ExtraTimeFirstHalf;
        }
        return level && format.penalties ? Phase::Penalties : Phase::FullTime;
    };
    switch (current) {
    case Phase::PreMatch:
        return Phase::FirstHalf;
    case Phase::FirstHalf:
        return Phase::HalfTime;
    case Phase::HalfTime:
        return Phase::SecondHalf;
    case Phase::SecondHalf:
        return afterPlay(format.extraTimeMinutes > 0);
    case Phase::ExtraTimeFirstHalf:
        return Phase::ExtraTimeHalfTime;
    case Phase::ExtraTimeHalfTime:
        return Phase::ExtraTimeSecondHalf;
    case Phase::ExtraTimeSecondHalf:
        return afterPlay(false);
    case Phase::Penalties:
    case Phase::FullTime:
        return Phase::FullTime;
    }
    return Phase::FullTime;
}

std::optional<HalfSpan> HalfSpanOf(Phase phase, const MatchFormat &format)
{
    const int half = format.halfMinutes * 60;
    const int extra = format.extraTimeMinutes * 60;
    const bool up = format.clock == ClockDirection::Up;
    switch (phase) {
    case Phase::FirstHalf:
        return HalfSpan{0, half};
    case Phase::SecondHalf:
        return up ? HalfSpan{half, 2 * half} : HalfSpan{0, half};
    case Phase::ExtraTimeFirstHalf:
        return up ? HalfSpan{2 * half, 2 * half + extra} : HalfSpan{0, extra};
    case Phase::ExtraTimeSecondHalf:
        return up ? HalfSpan{2 * half + extra, 2 * half + 2 * extra} : HalfSpan{0, extra};
    default:
        return std::nullopt;
    }
}

int BreakSeconds(Phase phase, const MatchFormat &format)
{
    switch (phase) {
    case Phase::HalfTime:
        return format.breakMinutes * 60;
    case Phase::ExtraTimeHalfTime:
        return ExtraTimeBreakSeconds;
    default:
        return 0;
    }
}

QString MatchMinute(Phase phase, const MatchFormat &format, qint64 played)
{
    const std::optional<HalfSpan> span = HalfSpanOf(phase, format);
    if (!span) {
        return {};
    }
    played = std::max<qint64>(0, played);
    if (format.clock == ClockDirection::Down) {
        return minuteText(std::min<qint64>(played, span->length() - 1) / 60 + 1);
    }
    if (played < span->length()) {
        return minuteText((span->start + played) / 60 + 1);
    }
    // Added time: the half's last minute, and the minute of added time it is in.
    const qint64 added = played - span->length();
    return QString::number(span->end / 60) + QLatin1Char('+') + minuteText(added / 60 + 1);
}

int Shootout::scored(Team team) const
{
    return static_cast<int>(kicks(team).count(true));
}

bool Shootout::mayKick(Team team) const
{
    const Team other = team == Team::Home ? Team::Visitor : Team::Home;
    return !winner() && kicks(team).size() <= kicks(other).size();
}

bool Shootout::kick(Team team, bool scored)
{
    if (!mayKick(team)) {
        return false;
    }
    (team == Team::Home ? m_home : m_visitor).append(scored);
    return true;
}

void Shootout::undoKick(Team team)
{
    QList<bool> &kicks = team == Team::Home ? m_home : m_visitor;
    if (!kicks.isEmpty()) {
        kicks.removeLast();
    }
}

std::optional<Team> Shootout::winner() const
{
    const qsizetype home = m_home.size();
    const qsizetype visitor = m_visitor.size();
    const int homeScored = scored(Team::Home);
    const int visitorScored = scored(Team::Visitor);
    if (home <= ShootoutRounds && visitor <= ShootoutRounds) {
        // In the first five rounds: won once the other cannot catch up with the kicks it has left.
        if (homeScored > visitorScored + (ShootoutRounds - visitor)) {
            return Team::Home;
        }
        if (visitorScored > homeScored + (ShootoutRounds - home)) {
            return Team::Visitor;
        }
        if (home < ShootoutRounds || visitor < ShootoutRounds) {
            return std::nullopt;
        }
    }
    // Sudden death: after the same number of kicks, whoever has scored more.
    if (home == visitor && homeScored != visitorScored) {
        return homeScored > visitorScored ? Team::Home : Team::Visitor;
    }
    return std::nullopt;
}

std::optional<Shootout> Shootout::FromKicks(const QList<bool> &home, const QList<bool> &visitor)
{
    Shootout shootout;
    qsizetype h = 0;
    qsizetype v = 0;
    while (h < home.size() || v < visitor.size()) {
        if (h < home.size() && shootout.kick(Team::Home, home.at(h))) {
            ++h;
        } else if (v < visitor.size() && shootout.kick(Team::Visitor, visitor.at(v))) {
            ++v;
        } else {
            return std::nullopt;
        }
    }
    return shootout;
}
