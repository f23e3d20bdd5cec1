#include "scoreboardgame.h"

#include "board/figureundo.h"
#include "board/modshowdigits.h"
#include "game/clockentry.h"
#include "game/figures.h"
#include "game/gamejournal.h"
#include "game/journalwriter.h"
#include "game/modsoccer.h"
#include "game/timesource.h"
#include "settings/typedkeys.h"
#include "web/webstate.h"

namespace {

constexpr int GameClockSlot = 0;
constexpr qint32 DefaultGameSeconds = 600;
constexpr qint32 LongestGameSeconds = FigureNamed("sgmTime")->maximum;
// Changes an operator can take back in one game.
constexpr int UndoLimit = 100;

const FigureInfo *infoOf(const QString &ledArray)
{
    const QByteArray name = ledArray.toLatin1();
    return FigureNamed(std::string_view(name.constData(), size_t(name.size())));
}

QString nameOf(const FigureInfo &figure)
{
    return QString::fromLatin1(figure.ledArray.data(), qsizetype(figure.ledArray.size()));
}

} // namespace

ScoreboardGame::ScoreboardGame(
    GameState &game, WebState &web, const TimeSource &time, JournalWriter *journal, QObject *parent)
    : QObject(parent)
    , m_game(game)
    , m_web(web)
    , m_time(time)
    , m_journal(journal)
{
    for (const FigureInfo &info : Figures) {
        if (!info.isClock) {
            m_figures.push_back(std::make_unique<FigureDigits>(nameOf(info), DigitCount(info)));
            m_byName.insert(m_figures.back()->groupName(), m_figures.back().get());
            m_web.WebSBValues[static_cast<std::size_t>(info.webSlot)] = QStringLiteral("0");
        }
    }
    m_undo.setUndoLimit(UndoLimit);
    // Undoing shows the figures as they were, whoever drives the history.
    connect(&m_undo, &QUndoStack::indexChanged, this, &ScoreboardGame::showEveryFigure);
    m_game.LastEnteredTime = DefaultGameSeconds;
    SetClock(m_game.Clock, ClockSeconds(DefaultGameSeconds), 0, GameClockSlot);
    showClock(ClockSeconds(DefaultGameSeconds));
}

ScoreboardGame::~ScoreboardGame()
{
    // The history clears itself as it goes; nobody is shown that any more.
    m_undo.disconnect(this);
}

const FigureDigits *ScoreboardGame::figure(const QString &ledArray) const
{
    return m_byName.value(ledArray);
}

bool ScoreboardGame::clockRunning() const
{
    return ClockRunning(m_game.Clock, GameClockSlot).value_or(false);
}

bool ScoreboardGame::typeKey(const QString &ledArray, short keyAscii)
{
    bool beep = false;
    if (ledArray == QLatin1String("sgmTime")) {
        beep = enterClockKey(keyAscii);
    } else if (FigureDigits *counter = m_byName.value(ledArray)) {
        enterFigureKey(*counter, keyAscii);
    }
    saveJournal();
    return beep;
}

void ScoreboardGame::recordFigureChange(FigureDigits &counter, const std::function<void()> &change)
{
    const FigureState before = CaptureFigure(counter, m_web);
    change();
    const FigureState after = CaptureFigure(counter, m_web);
    if (after != before) {
        // Recording a change moves the history's index; only this figure needs showing.
        m_recording = true;
        m_undo.push(new FigureChange(counter, m_web, before, after));
        m_recording = false;
        Q_EMIT figureChanged(counter.groupName());
    }
}

void ScoreboardGame::enterFigureKey(FigureDigits &counter, short keyAscii)
{
    const FigureInfo *info = infoOf(counter.groupName());
    recordFigureChange(counter, [&] {
        NumberEntryTarget target{m_game.NumberEntry, m_web, m_dispatch};
        EnterNumberKey(target, counter, keyAscii, info->minimum, info->maximum);
    });
}

bool ScoreboardGame::commitFigure(const QString &ledArray, const QString &text)
{
    FigureDigits *counter = m_byName.value(ledArray);
    if (!counter) {
        return false;
    }
    const FigureInfo *info = infoOf(ledArray);
    recordFigureChange(
        *counter, [&] { CommitNumber(*counter, text, info->minimum, info->maximum, m_web); });
    saveJournal();
    return true;
}

bool ScoreboardGame::setFigure(const QString &ledArray, qint64 value)
{
    const FigureInfo *info = infoOf(ledArray);
    if (!info || info->isClock || value < info->minimum || value > info->maximum) {
        return false;
    }
    return commitFigure(ledArray, QString::number(value));
}

bool ScoreboardGame::changeFigure(const QString &ledArray, qint64 delta)
{
    const FigureDigits *counter = m_byName.value(ledArray);
    if (!counter) {
        return false;
    }
    return setFigure(ledArray, ShownValue(*counter) + delta);
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
        const auto apply = [this](const ClockEntryState &state) {
            SetClock(m_game.Clock, state.value, 0, GameClockSlot);
            m_game.LastEnteredTime = state.lastEntered;
            showClock(ReadClock(m_game.Clock, m_time, GameClockSlot));
        };
        m_undo.push(new ClockEntryChange(apply, before, after));
    }
}

bool ScoreboardGame::enterClockKey(short keyAscii)
{
    ClockEntryTarget target{
        m_game, m_time, m_dispatch, [this](ClockValue value) { showClock(value); }};
    if (keyAscii != KeyCode::Enter) {
        return EnterClockKey(
            target, QStringLiteral("sgmTime"), keyAscii, LongestGameSeconds, 0, GameClockSlot);
    }
    bool beep = false;
    recordClockChange([&] {
        beep = EnterClockKey(
            target, QStringLiteral("sgmTime"), keyAscii, LongestGameSeconds, 0, GameClockSlot);
    });
    return beep;
}

bool ScoreboardGame::setClock(qint32 seconds)
{
    if (seconds < 0 || seconds > LongestGameSeconds) {
        return false;
    }
    recordClockChange([&] {
        SetClock(m_game.Clock, ClockSeconds(seconds), 0, GameClockSlot);
        m_game.LastEnteredTime = seconds;
        showClock(ReadClock(m_game.Clock, m_time, GameClockSlot));
    });
    saveJournal();
    return true;
}

void ScoreboardGame::startStopClock()
{
    if (clockRunning()) {
        StopClock(m_game.Clock, GameClockSlot);
        setTicking(false);
    } else {
        StartClock(m_game.Clock, m_time, GameClockSlot);
        setTicking(true);
    }
    saveJournal();
}

void ScoreboardGame::resetClock()
{
    if (clockRunning()) {
        startStopClock();
    }
    SetClock(m_game.Clock, ClockSeconds(m_game.LastEnteredTime), 0, GameClockSlot);
    refreshClock();
    saveJournal();
}

void ScoreboardGame::tick()
{
    const ClockValue value = ReadClock(m_game.Clock, m_time, GameClockSlot);
    showClock(value);
    if (value <= 0) {
        Q_EMIT expired();
        setTicking(false);
    }
}

void ScoreboardGame::setTicking(bool ticking)
{
    m_ticking = ticking;
    Q_EMIT tickingChanged(ticking);
}

void ScoreboardGame::refreshClock()
{
    showClock(ReadClock(m_game.Clock, m_time, GameClockSlot));
}

void ScoreboardGame::showClock(ClockValue value)
{
    if (ShowClock(value, m_face)) {
        m_web.WebSBValues[static_cast<std::size_t>(ClockWebSlot)] = m_face.text;
    }
    Q_EMIT clockShown(m_face);
}

void ScoreboardGame::undo()
{
    m_undo.undo();
    saveJournal();
}

void ScoreboardGame::redo()
{
    m_undo.redo();
    saveJournal();
}

void ScoreboardGame::showEveryFigure()
{
    if (m_recording) {
        return;
    }
    for (const auto &counter : m_figures) {
        Q_EMIT figureChanged(counter->groupName());
    }
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
    record.LastEnteredTime = m_game.LastEnteredTime;
    record.WrittenAt = m_time.wallClockMilliseconds();
    for (const auto &counter : m_figures) {
        record.Figures.insert(counter->groupName(), counter->captions());
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
    for (auto it = record.Figures.constBegin(); it != record.Figures.constEnd(); ++it) {
        FigureDigits *counter = m_byName.value(it.key());
        if (!counter || it.value().size() != counter->digitCount()) {
            continue;
        }
        for (int i = 0; i < counter->digitCount(); ++i) {
            counter->setCaption(i, it.value().at(i));
        }
        m_web.WebSBValues[static_cast<std::size_t>(WebSlotOf(it.key()))]
            = QString::number(ShownValue(*counter));
    }
    m_game.LastEnteredTime = record.LastEnteredTime;
    m_game.Clock[GameClockSlot] = ResumedClock(record, m_time.wallClockMilliseconds());
    if (record.Running) {
        StartClock(m_game.Clock, m_time, GameClockSlot);
        setTicking(true);
    }
    refreshClock();
    m_undo.clear();
    showEveryFigure();
    saveJournal();
}
