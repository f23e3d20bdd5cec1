// The board's figures as the operator changes them: typing into a digit group, undoing and
// redoing what was committed, journalling the game, and naming each figure for screen readers.
#include "board/frmscoreboard.h"

#include "board/clockentry.h"
#include "board/digitgroup.h"
#include "board/figures.h"
#include "board/figureundo.h"
#include "board/journalwriter.h"
#include "board/modshowdigits.h"
#include "board/modsoccer.h"
#include "board/timesource.h"
#include "settings/livesettings.h"
#include "settings/typedkeys.h"
#include "web/webstate.h"

#include <QAction>

namespace {

constexpr int GameClockSlot = 0;
constexpr qint32 LongestGameSeconds = FigureNamed("sgmTime")->maximum;
// Changes an operator can take back in one game.
constexpr int UndoLimit = 100;

// The counter shown by `group`; nullptr for the clock and for anything else.
const FigureInfo *counterOf(const QString &group)
{
    const QByteArray name = group.toLatin1();
    const FigureInfo *figure = FigureNamed(std::string_view(name.constData(), size_t(name.size())));
    return figure && !figure->isClock ? figure : nullptr;
}

} // namespace

void frmScoreboard::setUpHistory()
{
    m_undo.setUndoLimit(UndoLimit);
    // Shortcuts are taken before any key reaches a figure, so these never type a character.
    auto *undo = new QAction(QStringLiteral("Undo"), this);
    undo->setObjectName(QStringLiteral("actUndo"));
    undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    connect(undo, &QAction::triggered, this, [this] {
        m_undo.undo();
        saveJournal();
        updateAccessibleNames();
    });
    auto *redo = new QAction(QStringLiteral("Redo"), this);
    redo->setObjectName(QStringLiteral("actRedo"));
    redo->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    connect(redo, &QAction::triggered, this, [this] {
        m_undo.redo();
        saveJournal();
        updateAccessibleNames();
    });
    for (QAction *action : {undo, redo}) {
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);
    }
}

void frmScoreboard::enterFigureKey(DigitGroup *group, short keyAscii)
{
    const FigureInfo *figure = counterOf(group->groupName());
    if (!figure) {
        return;
    }
    const FigureState before = CaptureFigure(*group, m_context.web);
    NumberEntryTarget target{
        m_context.game.NumberEntry, m_context.web, [this](short key) { AllKeyPress(key); }};
    EnterNumberKey(target, *group, keyAscii, figure->minimum, figure->maximum);
    const FigureState after = CaptureFigure(*group, m_context.web);
    if (after != before) {
        m_undo.push(new FigureChange(*group, m_context.web, before, after));
    }
}

void frmScoreboard::enterClockKey(DigitGroup *group, short keyAscii)
{
    // Read on a copy, so that the running clock's own measurements are left as the tick made
    // them.
    ClockSlots copy = m_context.game.Clock;
    const ClockEntryState before{
        ReadClock(copy, m_context.time, GameClockSlot), m_context.game.LastEnteredTime};
    const bool wasRunning = m_context.game.Clock[GameClockSlot].Running;
    ClockEntryTarget target{m_context.game, m_context.time, m_context.ui,
        [this](short key) { AllKeyPress(key); }, [this](ClockValue value) { showClock(value); }};
    EnterClockKey(target, group->groupName(), keyAscii, LongestGameSeconds, 0, GameClockSlot);
    if (keyAscii != KeyCode::Enter) {
        return;
    }
    copy = m_context.game.Clock;
    const ClockEntryState after{
        ReadClock(copy, m_context.time, GameClockSlot), m_context.game.LastEnteredTime};
    const bool stopped = wasRunning && !m_context.game.Clock[GameClockSlot].Running;
    if (after != before || stopped) {
        m_undo.push(new ClockEntryChange(
            [this](const ClockEntryState &state) { applyClockEntry(state); }, before, after));
    }
}

void frmScoreboard::applyClockEntry(const ClockEntryState &state)
{
    SetClock(m_context.game.Clock, state.value, 0, GameClockSlot);
    m_context.game.LastEnteredTime = state.lastEntered;
    showClock(ReadClock(m_context.game.Clock, m_context.time, GameClockSlot));
}

JournalRecord frmScoreboard::journalRecord() const
{
    JournalRecord record;
    ClockSlots copy = m_context.game.Clock;
    ReadClock(copy, m_context.time, GameClockSlot);
    const ClockSlot &slot = copy[GameClockSlot];
    record.BaseValue = slot.BaseValue;
    record.ElapsedTime = slot.BankedTime + slot.RunTime;
    record.Running = slot.Running;
    record.LastEnteredTime = m_context.game.LastEnteredTime;
    record.WrittenAt = m_context.time.wallClockMilliseconds();
    for (const DigitGroup *group : m_design.groupList) {
        if (counterOf(group->groupName())) {
            QList<qint16> captions;
            for (int i = 0; i < group->digitCount(); ++i) {
                captions << group->caption(i);
            }
            record.Figures.insert(group->groupName(), captions);
        }
    }
    return record;
}

void frmScoreboard::saveJournal()
{
    if (!m_context.journal || m_closing) {
        return;
    }
    m_context.journal->save(journalRecord());
}

void frmScoreboard::ResumeGame(const JournalRecord &record)
{
    for (auto it = record.Figures.constBegin(); it != record.Figures.constEnd(); ++it) {
        DigitGroup *figure = group(it.key());
        const int slot = WebSlotOf(it.key());
        if (!figure || !counterOf(it.key()) || it.value().size() != figure->digitCount()) {
            continue;
        }
        for (int i = 0; i < figure->digitCount(); ++i) {
            figure->setCaption(i, it.value().at(i));
        }
        m_context.web.WebSBValues[static_cast<std::size_t>(slot)]
            = QString::number(ShownValue(*figure));
    }
    m_context.game.LastEnteredTime = record.LastEnteredTime;
    ClockSlot &clock = m_context.game.Clock[GameClockSlot];
    clock = ResumedClock(record, m_context.time.wallClockMilliseconds());
    if (record.Running) {
        StartClock(m_context.game.Clock, m_context.time, GameClockSlot);
        m_tmrClock.start();
    }
    showClock(ReadClock(m_context.game.Clock, m_context.time, GameClockSlot));
    m_undo.clear();
    saveJournal();
    updateAccessibleNames();
}

void frmScoreboard::updateAccessibleNames()
{
    // The clock names itself as it is shown.
    for (DigitGroup *figure : std::as_const(m_design.groupList)) {
        if (const FigureInfo *known = counterOf(figure->groupName())) {
            figure->setAccessibleName(
                QLatin1String(known->spokenName.data(), qsizetype(known->spokenName.size()))
                + QLatin1Char(' ') + QString::number(ShownValue(*figure)));
        }
    }
}
