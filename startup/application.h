#pragma once

#include "game/gamejournal.h"
#include "game/journalwriter.h"
#include "game/modsoccer.h"
#include "game/timesource.h"
#include "settings/livesettings.h"
#include "startup/frmsplash.h"
#include "startup/journallock.h"
#include "web/webstate.h"

#include <QPointer>

#include <memory>
#include <optional>

class QSettings;
class QWidget;
class RemoteControl;
class UiServices;
class frmHelp;
class frmScoreboard;

// Owns the program-wide state (settings, game, web) and the program's windows, and wires them
// together: the one place that knows how the windows reach one another.
class Application final
{
public:
    // `time` and `journalPath` are for tests; by default the monotonic clock and the journal in
    // the per-user data folder.
    Application(UiServices &ui, std::unique_ptr<QSettings> store, const TimeSource *time = nullptr,
        const QString &journalPath = {});
    ~Application();

    // Shows the splash screen, which loads the settings. When the last game did not end
    // normally, offers to take it up again. When another program already runs this game's
    // journal, brings that one to the front instead and answers false: this one has nothing to
    // show and should end.
    bool start();

    LiveSettings &settings() { return m_settings; }
    GameState &game() { return m_game; }
    WebState &web() { return m_web; }
    frmSplash *splash() const;
    frmScoreboard *board() const;
    frmHelp *help() const;
    // The remote control; none until the board is shown.
    RemoteControl *remote() const;

private:
    void showBoard();
    void showHelp();
    void showOptions(QWidget *owner);
    void saveReport(QWidget *owner);
    void offerToResume();
    void bringToFront();
    // A journal whose content could not even be read may still hold a game: it is kept aside,
    // or, where it cannot be moved, this game is not journalled over it.
    void keepUnreadableJournal(const QString &why);
    // Tells the operator, over whichever window is up, that the game is (not) being saved.
    void tellJournalStatus(bool saving, const QString &why);

    UiServices &m_ui;
    std::unique_ptr<QSettings> m_store;
    MonotonicTimeSource m_monotonic;
    const TimeSource &m_time;
    // What the journal's writer thread reports is taken up here, on this thread; declared before
    // the writer, so that it outlives it.
    QObject m_events;
    GameJournal m_journal;
    JournalLock m_journalLock{m_journal.path()};
    JournalWriter m_journalWriter{m_journal};
    // Whether this game is journalled at all (not when an unreadable journal could not be kept
    // aside).
    bool m_journalling = true;
    std::optional<JournalRecord> m_resume;
    LiveSettings m_settings;
    GameState m_game;
    WebState m_web;
    QPointer<frmSplash> m_splash;
    QPointer<frmScoreboard> m_board;
    QPointer<frmHelp> m_help;
    QPointer<RemoteControl> m_remote;
};
