#pragma once

#include "game/figures.h"
#include "game/figurevalue.h"
#include "game/gamehistory.h"
#include "game/modcount.h"

#include <QObject>
#include <QString>

#include <array>
#include <functional>

class JournalWriter;
class TimeSource;
struct GameState;
struct JournalRecord;

// The game, with no window: the game clock and its start, stop, reset and tick, one integer per
// counter, what is typed into the figures and the clock, the undo history and the journal. The
// board, the web publisher, the phones and tests all drive it and read what it emits.
class ScoreboardGame final : public QObject
{
    Q_OBJECT

public:
    // All of it outlives the game; `journal` may be null (nothing journalled).
    ScoreboardGame(
        GameState &game, const TimeSource &time, JournalWriter *journal, QObject *parent = nullptr);
    ~ScoreboardGame() override;

    // A counter's value (the clock's figure has none: read clockFace()).
    int value(Figure figure) const { return figureValue(figure).value; }
    const FigureValue &figureValue(Figure figure) const
    {
        return m_values[static_cast<std::size_t>(figure)];
    }
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
    const GameHistory &history() const { return m_history; }

    // One character typed into a figure, after the board's commands have seen it. Answers
    // whether it asks for the short beep of a well-formed clock time.
    bool typeKey(Figure figure, short keyAscii);

    // What another front end does with a figure: the same ranges, refusals and undo history as
    // typing it. Each answers false, changing nothing, when refused.
    bool setFigure(Figure figure, qint64 value);
    bool changeFigure(Figure figure, qint64 delta);
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

    // The texts the web scoreboard is sent, made from the game now: slots 3 to 12 hold the
    // figures (see the figure table), the others stay empty.
    std::array<QString, 14> WebSBValues() const;

Q_SIGNALS:
    // A counter took another value.
    void figureChanged(Figure figure, const FigureValue &value);
    // The clock is shown anew (on every tick while it runs).
    void clockShown(const ClockFace &face);
    // The clock needs ticks (it started) or needs them no more (stopped, or ran out).
    void tickingChanged(bool ticking);
    // The clock reached zero: the buzzer sounds.
    void expired();
    // Another front end sounds the buzzer.
    void buzzer();
    // Something a reader of the game sees changed: a figure, the clock's digits, or whether the
    // clock counts. Every front end that shows the whole game follows this one signal.
    void changed();

private:
    void showClock(ClockValue value);
    void setTicking(bool ticking);
    void setValue(Figure figure, const FigureValue &value);
    // Gives a counter a value committed by entry or by another front end, with its history.
    void commitFigure(Figure figure, int value);
    bool enterClockKey(short keyAscii);
    // Runs `change` on the clock and records it when it changed the clock or stopped it.
    void recordClockChange(const std::function<void()> &change);
    void saveJournal();

    GameState &m_game;
    const TimeSource &m_time;
    JournalWriter *m_journal;
    std::array<FigureValue, FigureCount> m_values{};
    GameHistory m_history;
    ClockFace m_face;
    bool m_ended = false;
    bool m_ticking = false;
};

// The figure shown by the LED array `ledArray` ("sgmScoreH"); nullopt for none.
std::optional<Figure> FigureOfLedArray(const QString &ledArray);
QString LedArrayOf(Figure figure);
