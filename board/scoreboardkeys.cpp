// The board's keys: the commands a typed character gives, what goes to an entry or a figure,
// the keys that type nothing (focus marker, undo, screens), and where the focus marker is drawn.
#include "frmscoreboard.h"

#include "board/boardplacement.h"
#include "board/boardshortcut.h"
#include "board/digitgroup.h"
#include "board/focusmarker.h"
#include "settings/livesettings.h"
#include "settings/typedkeys.h"
#include "ui/uiservices.h"

#include <QApplication>
#include <QKeyEvent>
#include <QScreen>

void frmScoreboard::setUpFocusMarker()
{
    // A key that types no character, so that no binding and no figure can take it.
    AddBoardShortcut(
        *this, "actFocusMarker", tr("Mark the focused figure"), QKeySequence(Qt::Key_F7), [this] {
            qint16 &shown = m_context.settings.ShowFocusMarker;
            shown = shown ? 0 : 1;
            refreshMarker();
        });
    m_focusWatch = connect(qApp, &QApplication::focusChanged, this, &frmScoreboard::refreshMarker);
    refreshMarker();
}

FocusMarker *frmScoreboard::focusMarker() const
{
    return m_marker;
}

void frmScoreboard::refreshMarker()
{
    if (!m_marker) {
        return;
    }
    if (m_markElsewhere) {
        m_marker->mark(nullptr, QString(), 0, 0);
    } else {
        MarkFocusedFigure(*m_marker, focusWidget(), m_context.game, m_context.settings);
    }
    Q_EMIT focusMarkChanged();
}

void frmScoreboard::setMarkShownElsewhere(bool elsewhere)
{
    m_markElsewhere = elsewhere;
    refreshMarker();
}

QWidget *frmScoreboard::focusedFigure() const
{
    return qobject_cast<DigitGroup *>(focusWidget());
}

QString frmScoreboard::focusedEntry() const
{
    QWidget *figure = focusedFigure();
    return figure ? TypedInto(*figure, m_context.game) : QString();
}

QWidget *frmScoreboard::markedFigure() const
{
    return FocusMark(focusWidget(), m_context.game, m_context.settings).target;
}

void frmScoreboard::typeForwarded(const QKeyEvent &event)
{
    QKeyEvent copy(event.type(), event.key(), event.modifiers(), event.text(), event.isAutoRepeat(),
        ushort(event.count()));
    QWidget *target = focusWidget() ? focusWidget() : this;
    QCoreApplication::sendEvent(target, &copy);
    // Tab moves the focus of a window that is not active, which QApplication does not announce.
    refreshMarker();
}

void frmScoreboard::setUpPlacementKeys()
{
    // Keys that type no character, taken as shortcuts before they reach any figure.
    AddBoardShortcut(*this, "actFullScreen", {}, QKeySequence(Qt::Key_F11), [this] {
        showPlaced({placement().screenName, !isFullScreen()});
    });
    AddBoardShortcut(*this, "actPreviousScreen", {},
        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Left), [this] { moveToNeighbourScreen(-1); });
    AddBoardShortcut(*this, "actNextScreen", {}, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Right),
        [this] { moveToNeighbourScreen(1); });
}

void frmScoreboard::moveToNeighbourScreen(int step)
{
    QScreen *next = NeighbourScreen(screen(), step);
    if (next && next != screen()) {
        showPlaced({next->name(), isFullScreen()});
    }
}

void frmScoreboard::AllKeyPress(short keyAscii)
{
    const LiveSettings &settings = m_context.settings;
    if (keyAscii == settings.StartStopClockKey) {
        m_scoreboardGame.startStopClock();
    } else if (keyAscii == settings.ResetClockKey) {
        m_scoreboardGame.resetClock();
    } else if (keyAscii == settings.BuzzerKey) {
        Buzzer();
    } else if (keyAscii == settings.NextPhaseKey) {
        // Refused at full time; the reason goes to the operator, never to the board.
        if (!m_scoreboardGame.nextPhase()) {
            Q_EMIT refused(tr("The match is over: there is no next phase"));
        }
    } else if (keyAscii == settings.AddedTimeKey) {
        if (!m_scoreboardGame.beginAddedTimeEntry()) {
            Q_EMIT refused(tr("Added time is announced during a half"));
        }
    } else if (keyAscii == 'n') {
        m_scoreboardGame.beginEntry(ScoreboardGame::Entry::Scorer);
    } else if (keyAscii == 'y') {
        m_scoreboardGame.beginEntry(ScoreboardGame::Entry::HomeYellow);
    } else if (keyAscii == 'Y') {
        m_scoreboardGame.beginEntry(ScoreboardGame::Entry::VisitorYellow);
    } else if (keyAscii == 'x') {
        m_scoreboardGame.beginEntry(ScoreboardGame::Entry::HomeRed);
    } else if (keyAscii == 'X') {
        m_scoreboardGame.beginEntry(ScoreboardGame::Entry::VisitorRed);
    } else if (keyAscii == 'e') {
        showEventsWindow();
    } else if (keyAscii == KeyCode::Help) {
        if (m_showHelp) {
            m_showHelp();
        }
    } else if (keyAscii == KeyCode::Options) {
        optionsCommand();
    } else if (keyAscii == KeyCode::SaveReport && m_saveReport) {
        m_saveReport(this);
    }
}

bool frmScoreboard::takeEntryKey(short keyAscii)
{
    // While an entry is typed, its digits, Backspace, Enter, Esc and space are its own; any other
    // key closes it and goes on as ever.
    return m_scoreboardGame.entryOpen() && m_scoreboardGame.typeEntryKey(keyAscii);
}

void frmScoreboard::onGroupKey(Figure figure, short keyAscii)
{
    if (takeEntryKey(keyAscii)) {
        refreshMarker();
        return;
    }
    // Every key typed into a figure is a command first.
    AllKeyPress(keyAscii);
    if (m_scoreboardGame.typeKey(figure, keyAscii)) {
        m_context.ui.beep();
    }
    refreshMarker();
}

void frmScoreboard::setUpHistory()
{
    // Shortcuts are taken before any key reaches a figure, so these never type a character.
    AddBoardShortcut(*this, "actUndo", tr("Undo"), QKeySequence(Qt::CTRL | Qt::Key_Z), [this] {
        if (!m_scoreboardGame.history().canUndo()) {
            Q_EMIT refused(tr("There is nothing to undo"));
        }
        m_scoreboardGame.undo();
        refreshMarker();
    });
    AddBoardShortcut(
        *this, "actRedo", tr("Redo"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), [this] {
            if (!m_scoreboardGame.history().canRedo()) {
                Q_EMIT refused(tr("There is nothing to redo"));
            }
            m_scoreboardGame.redo();
            refreshMarker();
        });
}

void frmScoreboard::keyPressEvent(QKeyEvent *event)
{
    const QString text = event->text();
    if (text.isEmpty()) {
        QWidget::keyPressEvent(event);
        return;
    }
    for (const qint16 code : TypedKeyCodes(text)) {
        if (!takeEntryKey(code)) {
            AllKeyPress(code);
        }
    }
    refreshMarker();
}
