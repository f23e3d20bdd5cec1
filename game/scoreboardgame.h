#pragma once

#include "game/figures.h"
#include "game/figurevalue.h"
#include "game/gamehistory.h"
#include "game/matchstate.h"
#include "game/modcount.h"

#include <QObject>
#include <QString>

#include <array>
#include <functional>
#include <optional>

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

    // The match: its format, phase, added time and shoot-out.
    const MatchState &match() const { return m_match; }
    bool countsUp() const;
    // The largest value a counter takes in this format: corner kicks reach 99 when the clock
    // counts up, as in a soccer match; the board's own limits otherwise.
    int maximum(Figure figure) const;
    // Plays by `format` from now on; refused (false) when it cannot be played. Before the
    // kick-off the clock shows the new format's start; in a half, the time played in it stays.
    // A setting, not a step of the game: undo leaves it.
    bool setMatchFormat(const MatchFormat &format);
    // Ends the phase and starts the one the rules give, or `to`; false when there is none
    // (full time, or `to` is the phase already). A playing half waits at its start for the
    // kick-off; a break counts down at once.
    bool nextPhase(std::optional<Phase> to = std::nullopt);
    // Announces added time for the half being played (0 clears); false outside a playing half
    // or beyond the longest.
    bool announceAddedTime(int minutes);
    // Seconds played beyond the half's end while the clock holds there (up only).
    qint64 addedPlayed() const { return m_addedPlayed; }
    // The minute of anything that happens now, "23'", "45+2'"; empty outside a playing half.
    QString matchMinute() const;
    // One penalty kick; false outside the shoot-out or when it is not the team's kick. A
    // decided shoot-out ends the match at once.
    bool penaltyKick(Team team, bool scored);

    // What happened: goals (one for every point a score goes up, taken back for every point it
    // goes down, whoever changes it) and cards, in match order; the phases played.
    const QList<MatchEvent> &events() const { return m_match.events; }
    const QList<PhaseRecord> &phaseLog() const { return m_match.log; }
    int sendingOffs(Team team) const { return SendingOffs(m_match.events, team); }
    // A card for shirt `player` of `team`; a yellow to a player already booked is a second
    // yellow. False when `player` is no shirt number.
    bool addCard(Team team, bool red, const QString &player);
    // What an edit changes; the rest stays. A goal moved to the other team or made a card moves
    // the scores with it.
    struct EventEdit
    {
        std::optional<EventKind> kind;
        std::optional<Team> team;
        std::optional<QString> minute;
        std::optional<QString> player;
        std::optional<QString> name;
    };
    // False, changing nothing, for an unknown id or a value the event cannot take.
    bool editEvent(int id, const EventEdit &edit);
    // Removing a goal lowers its team's score.
    bool removeEvent(int id);
    // Names given to shirt numbers typed from now on.
    void setTeamSheets(const TeamSheet &home, const TeamSheet &visitor);

    // What the operator types after a key: the added time (only in a playing half), the scorer
    // of the latest goal, or the shirt number of a card for one team. Digits collect, Backspace
    // takes one back, Enter commits, Esc or the space bar cancels; typeEntryKey answers whether
    // it took the key, and any other key closes the entry and is left to the board.
    enum class Entry { AddedTime, Scorer, HomeYellow, VisitorYellow, HomeRed, VisitorRed };
    bool beginEntry(Entry entry);
    bool beginAddedTimeEntry() { return beginEntry(Entry::AddedTime); }
    bool entryOpen() const { return m_entry.has_value(); }
    std::optional<Entry> entry() const
    {
        return m_entry ? std::optional(m_entry->kind) : std::nullopt;
    }
    QString entryText() const { return m_entry ? m_entry->text : QString(); }
    bool typeEntryKey(short keyAscii);

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
    // The match's format, phase, added time (announced or played) or shoot-out changed.
    void matchChanged();
    // A typed key was refused; `reason` says why in the operator's words. The game changed
    // nothing for it.
    void refused(const QString &reason);

private:
    // What a change of phase, added time or kick takes back: the match, the clock and the
    // period it set.
    struct MatchSnapshot
    {
        MatchState match;
        ClockValue clock = 0;
        bool running = false;
        qint32 lastEntered = 0;
        FigureValue period;
        bool operator==(const MatchSnapshot &) const = default;
    };
    MatchSnapshot matchSnapshot() const;
    void applyMatchSnapshot(const MatchSnapshot &snapshot, bool withClock);
    // Runs `change` and records it, with the clock and period it moved, for undo.
    void recordMatchChange(const std::function<void()> &change);
    void enterPhase(Phase phase);
    // The goals and cards and the scores they go with, for undo.
    struct EventsSnapshot
    {
        QList<MatchEvent> events;
        int nextEventId = 1;
        FigureValue home;
        FigureValue visitor;
        bool operator==(const EventsSnapshot &) const = default;
    };
    EventsSnapshot eventsSnapshot() const;
    void applyEventsSnapshot(const EventsSnapshot &snapshot);
    // Tells readers the events moved, once, whether or not a score moved with them.
    void announceEvents(const EventsSnapshot &before);
    // Runs `change` and records what it did to the events and scores, for undo.
    bool recordEventsChange(const std::function<bool()> &change);
    // Adds or takes back goals of `team` as its score moved by `delta`.
    void followScore(Team team, int delta);
    MatchEvent newEvent(EventKind kind, Team team, const QString &player);
    // The phase log: the current phase ends, the next begins.
    void logPhase(Phase next);
    // Why the entry could not be committed; empty when it was.
    QString commitEntry(Entry entry, const QString &text);
    void setMatchClock(ClockValue value, bool start);
    // The clock counts up in this phase: up mode, and no break.
    qint32 countUpFlag() const;
    void showMatchClock(ClockValue value);
    void emitMatchChanged();
    // The figure's table row with the maximum of this format.
    FigureInfo infoOf(Figure figure) const;
    qint32 longestClock() const;

    void showClock(ClockValue value);
    void setTicking(bool ticking);
    void setValue(Figure figure, const FigureValue &value);
    // Gives a counter a value committed by entry or by another front end, with its history.
    void commitFigure(Figure figure, int value);
    bool enterClockKey(short keyAscii, QString &refusal);
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
    MatchState m_match;
    qint64 m_addedPlayed = 0;
    struct OpenEntry
    {
        Entry kind;
        QString text;
    };
    std::optional<OpenEntry> m_entry;
    TeamSheet m_homeSheet;
    TeamSheet m_visitorSheet;
};

// The figure shown by the LED array `ledArray` ("sgmScoreH"); nullopt for none.
std::optional<Figure> FigureOfLedArray(const QString &ledArray);
QString LedArrayOf(Figure figure);
