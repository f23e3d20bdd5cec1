#pragma once

#include "board/boarddesign.h"
#include "board/boardplacement.h"
#include "board/clockdisplay.h"
#include "game/modcount.h"
#include "game/scoreboardgame.h"
#include "layout/modstretch.h"
#include "web/webpublisher.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <optional>

class DigitGroup;
class FocusMarker;
class frmEvents;
class JournalWriter;
class MatchDisplay;
class HttpClient;
class SoundPlayer;
class TimeSource;
class UiServices;
class WindowPrompts;
struct GameState;
struct JournalRecord;
struct LiveSettings;
struct WebState;

// The board: the one large window the audience watches. It shows the game its ScoreboardGame
// holds, drives the game clock's ticks, sounds the buzzer and takes the operator's keys.
class frmScoreboard final : public QWidget
{
    Q_OBJECT

public:
    // What the board works with; all of it outlives the board.
    struct Context
    {
        LiveSettings &settings;
        GameState &game;
        WebState &web;
        const TimeSource &time;
        UiServices &ui;
        // Makes the board's HTTP client; a real one with the standard time-out when empty.
        std::function<std::unique_ptr<HttpClient>()> makeHttpClient = {};
        // Where the game is journalled so that it survives a crash; none when empty.
        JournalWriter *journal = nullptr;
    };

    frmScoreboard(Context context, std::unique_ptr<SoundPlayer> player, QWidget *parent = nullptr);
    ~frmScoreboard() override;

    // The one command dispatch for a typed character.
    void AllKeyPress(short keyAscii);
    void Buzzer();
    void UpdateLabels();
    void UpdateFormColors();

    // Takes up a game from its journal: every figure, the last entered time, and the clock,
    // which has counted on for the time the program was down.
    void ResumeGame(const JournalRecord &record);
    // The game as the journal keeps it, at this moment.
    JournalRecord journalRecord() const;
    // The game behind the window, for other front ends.
    ScoreboardGame &scoreboardGame() { return m_scoreboardGame; }

    // Where the board stands now.
    BoardPlacement placement() const;
    // Shows the board maximised (or full screen) on the screen named, or on its own screen
    // when that one is not connected.
    void showPlaced(const BoardPlacement &placement);

    // The help window and the modal options dialog belong to the application.
    void setHelpCommand(std::function<void()> showHelp);
    void setOptionsCommand(std::function<void(QWidget *owner)> showOptionsModally);
    // Shows the operator's window of the match's events, made when first asked for.
    void showEventsWindow();
    frmEvents *eventsWindow() const;
    // Saving the match report belongs to the application too.
    void setReportCommand(std::function<void(QWidget *owner)> saveReport);

    DigitGroup *group(const QString &ledArrayName) const;
    FocusMarker *focusMarker() const;

    // While the operator has a console of their own, the board draws neither the focus marker
    // nor what is typed: the console's preview does, and the audience sees only the figures.
    void setMarkShownElsewhere(bool elsewhere);
    bool markShownElsewhere() const { return m_markElsewhere; }
    // The figure that has the board's focus (nullptr: none) and what is typed into it.
    QWidget *focusedFigure() const;
    QString focusedEntry() const;
    // The figure the marker frames (nullptr: none, or the marker is off), wherever it is drawn.
    QWidget *markedFigure() const;
    // A key pressed in another of the operator's windows, handled exactly as if pressed on the
    // board: by the figure that has the board's focus, or by the board.
    void typeForwarded(const QKeyEvent &event);

Q_SIGNALS:
    // The operator moved the board to another screen or in or out of full screen.
    void placementChanged();
    // Publishing stopped after too many refusals in a row; the operator is told.
    void webPublishingStopped();
    // A key was refused; `reason` says why in the operator's words. The board shows it nowhere.
    void refused(const QString &reason);
    // The focused figure or what is typed into it changed.
    void focusMarkChanged();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void Load();
    void showClock(const ClockFace &face);
    void showFigure(Figure figure, const FigureValue &value);
    void optionsCommand();
    void onBuzzerDone();
    void onGroupKey(Figure figure, short keyAscii);
    // Hands a key to the entry being typed after a match key (added time, scorer, card);
    // whether it took it.
    bool takeEntryKey(short keyAscii);
    void setUpPlacementKeys();
    void moveToNeighbourScreen(int step);
    void setUpHistory();
    void setUpFocusMarker();
    void refreshMarker();

    Context m_context;
    ScoreboardGame m_scoreboardGame;
    std::unique_ptr<SoundPlayer> m_mmcBuzzer;
    BoardDesign m_design;
    LayoutRecord m_layout;
    QTimer m_tmrClock;
    QTimer m_tmrUpdateWeb;
    std::function<void()> m_showHelp;
    std::function<void(QWidget *)> m_showOptions;
    std::function<void(QWidget *)> m_saveReport;
    WebPublisher m_publisher;
    WindowPrompts *m_prompts;
    // Made at the first showing of the clock, which comes before the constructor ends.
    std::optional<ClockDisplay> m_clockDisplay;
    QPointer<FocusMarker> m_marker;
    MatchDisplay *m_matchDisplay = nullptr;
    QPointer<frmEvents> m_events;
    QMetaObject::Connection m_focusWatch;
    bool m_markElsewhere = false;
    // The board is closing, and has nothing left to wait for.
    bool m_closing = false;
    bool m_closed = false;
    // Declared last, so it is gone before anything its callbacks use.
    std::unique_ptr<HttpClient> m_inet1;
};
