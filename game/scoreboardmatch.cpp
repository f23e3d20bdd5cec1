// ScoreboardGame's match: the format, the phases and the match clock they set, added time, and
// the penalty shoot-out. Each change is one step of the operator's undo history.
#include "scoreboardgame.h"

#include "game/modsoccer.h"
#include "game/timesource.h"
#include "settings/typedkeys.h"

namespace {

constexpr int GameClockSlot = 0;

// The period a playing half stands for; 0 for any other phase.
int PeriodOf(Phase phase)
{
    switch (phase) {
    case Phase::FirstHalf:
        return 1;
    case Phase::SecondHalf:
        return 2;
    case Phase::ExtraTimeFirstHalf:
        return 3;
    case Phase::ExtraTimeSecondHalf:
        return 4;
    default:
        return 0;
    }
}

} // namespace

bool ScoreboardGame::countsUp() const
{
    return m_match.format.clock == ClockDirection::Up;
}

qint32 ScoreboardGame::countUpFlag() const
{
    return countsUp() && !IsBreak(m_match.phase) ? 1 : 0;
}

int ScoreboardGame::maximum(Figure figure) const
{
    // The largest is what the web scoreboard's fields are checked to carry (figures.h).
    return countsUp() ? LargestMaximum(InfoOf(figure)) : InfoOf(figure).maximum;
}

FigureInfo ScoreboardGame::infoOf(Figure figure) const
{
    FigureInfo info = InfoOf(figure);
    info.maximum = maximum(figure);
    return info;
}

ScoreboardGame::MatchSnapshot ScoreboardGame::matchSnapshot() const
{
    ClockSlots copy = m_game.Clock;
    return {m_match, ReadClock(copy, m_time, GameClockSlot), counting(), m_game.LastEnteredTime,
        figureValue(Figure::Period)};
}

void ScoreboardGame::applyMatchSnapshot(const MatchSnapshot &snapshot, bool withClock)
{
    // The format is a setting, which undo leaves as the operator chose it.
    const MatchFormat format = m_match.format;
    m_match = snapshot.match;
    m_match.format = format;
    m_entry.reset();
    if (withClock) {
        m_game.LastEnteredTime = snapshot.lastEntered;
        setValue(Figure::Period, snapshot.period);
        setMatchClock(snapshot.clock, snapshot.running);
    }
    emitMatchChanged();
}

void ScoreboardGame::recordMatchChange(const std::function<void()> &change)
{
    const MatchSnapshot before = matchSnapshot();
    change();
    const MatchSnapshot after = matchSnapshot();
    if (after == before) {
        return;
    }
    // Within a phase (added time, a kick) the clock runs on, and undo leaves it running; a change
    // of phase set the clock, and undo sets it back.
    const bool withClock = before.match.phase != after.match.phase;
    m_history.record({[this, before, withClock] { applyMatchSnapshot(before, withClock); },
        [this, after, withClock] { applyMatchSnapshot(after, withClock); }});
    emitMatchChanged();
}

void ScoreboardGame::setMatchClock(ClockValue value, bool start)
{
    if (clockRunning()) {
        StopClock(m_game.Clock, GameClockSlot);
    }
    SetClock(m_game.Clock, value, countUpFlag(), GameClockSlot);
    // A count-down at zero has nothing left to run.
    const bool run = start && (countUpFlag() != 0 || value > 0);
    if (run) {
        StartClock(m_game.Clock, m_time, GameClockSlot);
    }
    if (run != m_ticking) {
        setTicking(run);
    }
    refreshClock();
}

void ScoreboardGame::enterPhase(Phase phase)
{
    // The clock as the audience sees it: held at the half's end during added time.
    refreshClock();
    const ClockValue shown = m_face.value;
    const Phase previous = m_match.phase;
    if (phase == Phase::PreMatch) {
        // A new match: nothing has happened in it yet.
        m_match.events.clear();
        m_match.log.clear();
    }
    logPhase(phase);
    m_match.phase = phase;
    m_match.addedMinutes = 0;
    m_entry.reset();
    if (phase == Phase::PreMatch || (phase == Phase::Penalties && previous != Phase::Penalties)) {
        m_match.shootout = {};
    }

    if (const std::optional<HalfSpan> span = HalfSpanOf(phase, m_match.format)) {
        // Waits at the half's start for the kick-off.
        const int start = countsUp() ? span->start : span->length();
        m_game.LastEnteredTime = start;
        setValue(Figure::Period, {PeriodOf(phase), false});
        setMatchClock(ClockSeconds(start), false);
    } else if (IsBreak(phase)) {
        const int seconds = BreakSeconds(phase, m_match.format);
        m_game.LastEnteredTime = seconds;
        setMatchClock(ClockSeconds(seconds), true);
    } else if (phase == Phase::PreMatch) {
        const int start = countsUp() ? 0 : m_match.format.halfMinutes * 60;
        m_game.LastEnteredTime = start;
        setMatchClock(ClockSeconds(start), false);
    } else if (clockRunning()) {
        // The shoot-out and full time stop the clock where it shows.
        setMatchClock(shown, false);
    }
    if (!m_match.log.isEmpty()) {
        m_match.log.last().clockStart = m_face.text;
    }
}

bool ScoreboardGame::setMatchFormat(const MatchFormat &format)
{
    if (MatchFormatRefusal(format)) {
        return false;
    }
    if (format == m_match.format) {
        return true;
    }
    // A setting rather than a step of the game, so undo does not take it back.
    [&] {
        const MatchFormat before = m_match.format;
        const std::optional<HalfSpan> span = HalfSpanOf(m_match.phase, before);
        ClockSlots copy = m_game.Clock;
        const ClockValue clock = ReadClock(copy, m_time, GameClockSlot);
        const bool running = counting();
        m_match.format = format;
        if (m_match.phase == Phase::PreMatch) {
            enterPhase(Phase::PreMatch);
        } else if (span && before.clock != format.clock) {
            // The half goes on: the time played in it stays, read the other way.
            const ClockValue played = before.clock == ClockDirection::Up
                ? clock - ClockSeconds(span->start)
                : ClockSeconds(span->length()) - clock;
            const HalfSpan now = *HalfSpanOf(m_match.phase, format);
            const ClockValue value = format.clock == ClockDirection::Up
                ? ClockSeconds(now.start) + played
                : std::max<ClockValue>(0, ClockSeconds(now.length()) - played);
            m_game.LastEnteredTime = format.clock == ClockDirection::Up ? now.start : now.length();
            setMatchClock(value, running);
        } else {
            refreshClock();
        }
    }();
    emitMatchChanged();
    saveJournal();
    return true;
}

bool ScoreboardGame::nextPhase(std::optional<Phase> to)
{
    const Phase next = to.value_or(
        NextPhase(m_match.phase, m_match.format, value(Figure::ScoreH) == value(Figure::ScoreV)));
    if (next == m_match.phase) {
        return false;
    }
    recordMatchChange([&] { enterPhase(next); });
    saveJournal();
    return true;
}

bool ScoreboardGame::announceAddedTime(int minutes)
{
    if (!IsPlayingHalf(m_match.phase) || minutes < 0 || minutes > LongestAddedMinutes) {
        return false;
    }
    if (minutes == m_match.addedMinutes) {
        return true;
    }
    recordMatchChange([&] { m_match.addedMinutes = minutes; });
    saveJournal();
    return true;
}

QString ScoreboardGame::matchMinute() const
{
    const std::optional<HalfSpan> span = HalfSpanOf(m_match.phase, m_match.format);
    if (!span) {
        return {};
    }
    ClockSlots copy = m_game.Clock;
    const ClockValue clock = ReadClock(copy, m_time, GameClockSlot);
    const ClockValue played
        = countsUp() ? clock - ClockSeconds(span->start) : ClockSeconds(span->length()) - clock;
    return MatchMinute(m_match.phase, m_match.format, played / ClockUnitsPerSecond);
}

bool ScoreboardGame::penaltyKick(Team team, bool scored)
{
    if (m_match.phase != Phase::Penalties || !m_match.shootout.mayKick(team)) {
        return false;
    }
    recordMatchChange([&] {
        m_match.shootout.kick(team, scored);
        if (m_match.shootout.winner()) {
            enterPhase(Phase::FullTime);
        }
    });
    saveJournal();
    return true;
}

void ScoreboardGame::showMatchClock(ClockValue value)
{
    qint64 played = 0;
    if (countUpFlag() != 0) {
        if (const std::optional<HalfSpan> span = HalfSpanOf(m_match.phase, m_match.format)) {
            // The clock holds at the half's end while the added time is played.
            const ClockValue end = ClockSeconds(span->end);
            if (value > end) {
                played = (value - end) / ClockUnitsPerSecond;
                value = end;
            }
        }
    }
    const bool moved = ShowMatchClock(value, countUpFlag() != 0, m_face);
    Q_EMIT clockShown(m_face);
    if (played != m_addedPlayed) {
        m_addedPlayed = played;
        Q_EMIT matchChanged();
        if (!moved) {
            Q_EMIT changed();
        }
    }
    if (moved) {
        Q_EMIT changed();
    }
}

void ScoreboardGame::emitMatchChanged()
{
    Q_EMIT matchChanged();
    Q_EMIT changed();
}

void ScoreboardGame::logPhase(Phase next)
{
    const qint64 now = m_time.wallClockMilliseconds();
    if (!m_match.log.isEmpty() && m_match.log.last().wallEnd == 0) {
        PhaseRecord &ending = m_match.log.last();
        ending.wallEnd = now;
        ending.clockEnd = m_face.text;
        ending.addedAnnounced = m_match.addedMinutes;
        ending.addedPlayed = m_addedPlayed;
        ending.homeScore = value(Figure::ScoreH);
        ending.visitorScore = value(Figure::ScoreV);
    }
    if (next == Phase::PreMatch) {
        return;
    }
    PhaseRecord record;
    record.phase = next;
    // A half starts at its kick-off, anything else now.
    record.wallStart = IsPlayingHalf(next) ? 0 : now;
    m_match.log.append(record);
}
