#include "scoreboardgame.h"

#include "game/clockentry.h"
#include "game/gamejournal.h"
#include "game/journalwriter.h"
#include "game/modsoccer.h"
#include "game/numberentry.h"
#include "game/timesource.h"
#include "settings/typedkeys.h"

namespace {

constexpr int GameClockSlot = 0;
constexpr qint32 DefaultGameSeconds = 600;
constexpr qint32 LongestGameSeconds = InfoOf(Figure::Time).maximum;
constexpr qint32 LongestMatchClockSeconds = LongestMatchClockMinutes * 60;
// Changes an operator can take back in one game.
constexpr int UndoLimit = 100;

// What a clock entry changes: the clock's value (stopped) and the last entered time.
struct ClockEntryState
{
    ClockValue value = 0;
    qint32 lastEntered = 0;
    bool operator==(const ClockEntryState &) const = default;
};

} // namespace

std::optional<Figure> FigureOfLedArray(const QString &ledArray)
{
    const QByteArray name = ledArray.toLatin1();
    const FigureInfo *info = FigureNamed(std::string_view(name.constData(), size_t(name.size())));
    return info ? std::optional(info->figure) : std::nullopt;
}

QString LedArrayOf(Figure figure)
{
    const std::string_view name = InfoOf(figure).ledArray;
    return QString::fromLatin1(name.data(), qsizetype(name.size()));
}

ScoreboardGame::ScoreboardGame(
    GameState &game, const TimeSource &time, JournalWriter *journal, QObject *parent)
    : QObject(parent)
    , m_game(game)
    , m_time(time)
    , m_journal(journal)
    , m_history(UndoLimit)
{
    m_game.LastEnteredTime = DefaultGameSeconds;
    SetClock(m_game.Clock, ClockSeconds(DefaultGameSeconds), 0, GameClockSlot);
    showClock(ClockSeconds(DefaultGameSeconds));
}

ScoreboardGame::~ScoreboardGame() = default;

bool ScoreboardGame::clockRunning() const
{
    return ClockRunning(m_game.Clock, GameClockSlot).value_or(false);
}

void ScoreboardGame::setValue(Figure figure, const FigureValue &value)
{
    FigureValue &held = m_values[static_cast<std::size_t>(figure)];
    if (held == value) {
        return;
    }
    held = value;
    Q_EMIT figureChanged(figure, value);
    Q_EMIT changed();
}

void ScoreboardGame::commitFigure(Figure figure, int value)
{
    const FigureValue before = figureValue(figure);
    const FigureValue after{value, false};
    if (after == before) {
        return;
    }
    if (figure == Figure::ScoreH || figure == Figure::ScoreV) {
        // Every point is a goal, whoever gives it; undo takes back both together.
        recordEventsChange([&] {
            setValue(figure, after);
            followScore(
                figure == Figure::ScoreH ? Team::Home : Team::Visitor, after.value - before.value);
            return true;
        });
        return;
    }
    setValue(figure, after);
    m_history.record({[this, figure, before] { setValue(figure, before); },
        [this, figure, after] { setValue(figure, after); }});
}

bool ScoreboardGame::typeKey(Figure figure, short keyAscii)
{
    bool beep = false;
    QString refusal;
    if (InfoOf(figure).isClock) {
        beep = enterClockKey(keyAscii, refusal);
    } else if (const auto committed
        = EnterNumberKey(m_game.NumberEntry, infoOf(figure), value(figure), keyAscii, &refusal)) {
        commitFigure(figure, *committed);
    }
    saveJournal();
    if (!refusal.isEmpty()) {
        Q_EMIT refused(refusal);
    }
    return beep;
}

bool ScoreboardGame::setFigure(Figure figure, qint64 value)
{
    const FigureInfo info = infoOf(figure);
    if (info.isClock || value < info.minimum || value > info.maximum) {
        return false;
    }
    commitFigure(figure, static_cast<int>(value));
    saveJournal();
    return true;
}

bool ScoreboardGame::changeFigure(Figure figure, qint64 delta)
{
    return !InfoOf(figure).isClock && setFigure(figure, value(figure) + delta);
}

void ScoreboardGame::recordClockChange(const std::function<void()> &change)
{
    // Read on a copy, so that the running clock's own measurements are left as the tick made
    // them.
    ClockSlots copy = m_game.Clock;
    const ClockEntryState before{ReadClock(copy, m_time, GameClockSlot), m_game.LastEnteredTime};
    const bool wasRunning = clockRunning();
    change();
    copy = m_game.Clock;
    const ClockEntryState after{ReadClock(copy, m_time, GameClockSlot), m_game.LastEnteredTime};
    const bool stopped = wasRunning && !clockRunning();
    if (after != before || stopped) {
        // Undoing sets the clock, stopped, to what it showed before; it never moves a running
        // clock otherwise.
        const auto apply = [this](const ClockEntryState &state) {
            SetClock(m_game.Clock, state.value, countUpFlag(), GameClockSlot);
            m_game.LastEnteredTime = state.lastEntered;
            showClock(ReadClock(m_game.Clock, m_time, GameClockSlot));
        };
        m_history.record({[apply, before] { apply(before); }, [apply, after] { apply(after); }});
    }
}

bool ScoreboardGame::enterClockKey(short keyAscii, QString &refusal)
{
    ClockEntryTarget target{m_game, m_time, [this](ClockValue value) { showClock(value); }};
    const auto type = [&] {
        return EnterClockKey(target, LedArrayOf(Figure::Time), keyAscii, longestClock(),
            countUpFlag(), GameClockSlot, countsUp() ? LongestMatchClockMinutes : 59, &refusal);
    };
    if (keyAscii != KeyCode::Enter) {
        return type();
    }
    bool beep = false;
    recordClockChange([&] { beep = type(); });
    return beep;
}

bool ScoreboardGame::setClock(qint32 seconds)
{
    if (seconds < 0 || seconds > longestClock()) {
        return false;
    }
    recordClockChange([&] {
        SetClock(m_game.Clock, ClockSeconds(seconds), countUpFlag(), GameClockSlot);
        m_game.LastEnteredTime = seconds;
        showClock(ReadClock(m_game.Clock, m_time, GameClockSlot));
    });
    saveJournal();
    return true;
}

qint32 ScoreboardGame::longestClock() const
{
    return countsUp() ? LongestMatchClockSeconds : LongestGameSeconds;
}

void ScoreboardGame::startStopClock()
{
    // Counting up, the clock's first start is the kick-off.
    if (countsUp() && m_match.phase == Phase::PreMatch && !clockRunning()) {
        nextPhase(Phase::FirstHalf);
    }
    if (clockRunning()) {
        StopClock(m_game.Clock, GameClockSlot);
        setTicking(false);
    } else {
        StartClock(m_game.Clock, m_time, GameClockSlot);
        setTicking(true);
        // A half's first start is its kick-off.
        if (IsPlayingHalf(m_match.phase) && !m_match.log.isEmpty()
            && m_match.log.last().wallStart == 0) {
            m_match.log.last().wallStart = m_time.wallClockMilliseconds();
        }
    }
    saveJournal();
}

void ScoreboardGame::resetClock()
{
    if (clockRunning()) {
        startStopClock();
    }
    SetClock(m_game.Clock, ClockSeconds(m_game.LastEnteredTime), countUpFlag(), GameClockSlot);
    refreshClock();
    saveJournal();
}

void ScoreboardGame::tick()
{
    const ClockValue value = ReadClock(m_game.Clock, m_time, GameClockSlot);
    showClock(value);
    // A match clock counting up never runs out: the referee ends the half.
    if (value <= 0 && countUpFlag() == 0) {
        Q_EMIT expired();
        setTicking(false);
    }
}

void ScoreboardGame::setTicking(bool ticking)
{
    m_ticking = ticking;
    Q_EMIT tickingChanged(ticking);
    Q_EMIT changed();
}

void ScoreboardGame::refreshClock()
{
    showClock(ReadClock(m_game.Clock, m_time, GameClockSlot));
}

void ScoreboardGame::showClock(ClockValue value)
{
    if (!countsUp()) {
        const bool moved = ShowClock(value, m_face);
        Q_EMIT clockShown(m_face);
        if (moved) {
            Q_EMIT changed();
        }
        return;
    }
    showMatchClock(value);
}

void ScoreboardGame::undo()
{
    m_history.undo();
    saveJournal();
}

void ScoreboardGame::redo()
{
    m_history.redo();
    saveJournal();
}

std::array<QString, 14> ScoreboardGame::WebSBValues() const
{
    std::array<QString, 14> values;
    for (const FigureInfo &info : Figures) {
        values[static_cast<std::size_t>(info.webSlot)]
            = info.isClock ? m_face.text : FigureText(figureValue(info.figure));
    }
    return values;
}

JournalRecord ScoreboardGame::journalRecord() const
{
    JournalRecord record;
    ClockSlots copy = m_game.Clock;
    ReadClock(copy, m_time, GameClockSlot);
    const ClockSlot &slot = copy[GameClockSlot];
    record.BaseValue = slot.BaseValue;
    record.ElapsedTime = slot.BankedTime + slot.RunTime;
    record.Running = slot.Running;
    record.CountsUp = slot.CountUp != 0;
    record.Match = m_match;
    record.LastEnteredTime = m_game.LastEnteredTime;
    record.WrittenAt = m_time.wallClockMilliseconds();
    for (const FigureInfo &info : Figures) {
        if (!info.isClock) {
            record.Figures.insert(LedArrayOf(info.figure),
                DigitCaptions(figureValue(info.figure), DigitCount(infoOf(info.figure))));
        }
    }
    return record;
}

void ScoreboardGame::saveJournal()
{
    if (m_journal && !m_ended) {
        m_journal->save(journalRecord());
    }
}

void ScoreboardGame::resume(const JournalRecord &record)
{
    // The match first: it decides how many digits a figure has and how the clock counts.
    m_match = record.Match;
    m_entry.reset();
    for (auto it = record.Figures.constBegin(); it != record.Figures.constEnd(); ++it) {
        const std::optional<Figure> figure = FigureOfLedArray(it.key());
        if (!figure || InfoOf(*figure).isClock
            || it.value().size() != DigitCount(infoOf(*figure))) {
            continue;
        }
        setValue(*figure, FigureFromCaptions(it.value()));
    }
    m_game.LastEnteredTime = record.LastEnteredTime;
    m_game.Clock[GameClockSlot] = ResumedClock(record, m_time.wallClockMilliseconds());
    if (record.Running) {
        StartClock(m_game.Clock, m_time, GameClockSlot);
        setTicking(true);
    }
    refreshClock();
    m_history.clear();
    emitMatchChanged();
    saveJournal();
}
