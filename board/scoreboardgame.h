#pragma once

#include "board/digitdisplay.h"
#include "game/modcount.h"

#include <QHash>
#include <QObject>
#include <QUndoStack>

#include <functional>
#include <memory>
#include <vector>

class JournalWriter;
class TimeSource;
struct GameState;
struct JournalRecord;
struct WebState;

// The game behind the board, with no window: the game clock and its start, stop, reset and
// tick, what is typed into the figures and the clock, the undo history, the journal and the
// values published to the web. The board window, a test or any other front end drives it and
// shows what it emits.
class ScoreboardGame final : public QObject
{
    Q_OBJECT

public:
    // All of it outlives the game; `journal` may be null (nothing journalled).
    ScoreboardGame(GameState &game, WebState &web, const TimeSource &time, JournalWriter *journal,
        QObject *parent = nullptr);
    ~ScoreboardGame() override;

    // The counter shown by `ledArray` ("sgmScoreH"); nullptr for the clock and anything else.
    const FigureDigits *figure(const QString &ledArray) const;
    const std::vector<std::unique_ptr<FigureDigits>> &figures() const { return m_figures; }
    // The clock as last shown.
    const ClockFace &clockFace() const { return m_face; }
    // Measures the clock and shows it anew (a stop banks the time last measured).
    void refreshClock();
    bool clockRunning() const;
    // Whether the clock is ticked (false once it has run out).
    bool ticking() const { return m_ticking; }
    // Whether the clock counts down on the face: it runs and is ticked. A countdown that reached
    // zero still runs (its slot is not stopped) but is no longer counting.
    bool counting() const { return clockRunning() && m_ticking; }
    QUndoStack &undoStack() { return m_undo; }

    // Every key typed into a figure is a command first; the front end says who takes it.
    void setKeyDispatch(std::function<void(short)> dispatch) { m_dispatch = std::move(dispatch); }
    // One character typed into the figure shown by `ledArray`. Answers whether it asks for the
    // short beep of a well-formed clock time.
    bool typeKey(const QString &ledArray, short keyAscii);

    // What another front end does with a figure: the same ranges, refusals and undo history as
    // typing it. Each answers false, changing nothing, when refused.
    bool setFigure(const QString &ledArray, qint64 value);
    bool changeFigure(const QString &ledArray, qint64 delta);
    // Sets the clock, stopped, as typing a time and Enter does; at most the longest game.
    bool setClock(qint32 seconds);

    void startStopClock();
    void resetClock();
    // The buzzer's command, as its key gives it.
    void soundBuzzer() { Q_EMIT buzzer(); }
    // One tick of the running clock; at zero it stops ticking and asks for the buzzer.
    void tick();
    void undo();
    void redo();

    // Takes up a game from its journal: every figure, the last entered time, and the clock,
    // which has counted on for the time the program was down.
    void resume(const JournalRecord &record);
    // The game as the journal keeps it, at this moment.
    JournalRecord journalRecord() const;
    // The game is over: from now on nothing is journalled.
    void endGame() { m_ended = true; }

Q_SIGNALS:
    // A counter shows other digits.
    void figureChanged(const QString &ledArray);
    // The clock is shown anew (on every tick while it runs).
    void clockShown(const ClockFace &face);
    // The clock needs ticks (it started) or needs them no more (stopped, or ran out).
    void tickingChanged(bool ticking);
    // The clock reached zero: the buzzer sounds.
    void expired();
    // Another front end sounds the buzzer.
    void buzzer();

private:
    void showClock(ClockValue value);
    void setTicking(bool ticking);
    void enterFigureKey(FigureDigits &figure, short keyAscii);
    bool enterClockKey(short keyAscii);
    // Runs `change` on `figure` and records it in the history when it changed something.
    void recordFigureChange(FigureDigits &figure, const std::function<void()> &change);
    bool commitFigure(const QString &ledArray, const QString &text);
    // Runs `change` on the clock and records it when it changed the clock or stopped it.
    void recordClockChange(const std::function<void()> &change);
    void saveJournal();
    void showEveryFigure();

    GameState &m_game;
    WebState &m_web;
    const TimeSource &m_time;
    JournalWriter *m_journal;
    std::function<void(short)> m_dispatch;
    std::vector<std::unique_ptr<FigureDigits>> m_figures;
    QHash<QString, FigureDigits *> m_byName;
    QUndoStack m_undo;
    ClockFace m_face;
    bool m_ended = false;
    bool m_ticking = false;
    bool m_recording = false;
};
