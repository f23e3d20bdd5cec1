#pragma once

#include "game/gamejournal.h"
#include "game/journalwriter.h"
#include "game/modsoccer.h"
#include "game/timesource.h"
#include "settings/livesettings.h"
#include "startup/frmsplash.h"
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
    // normally, offers to take it up again.
    void start();

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
    void offerToResume();

    UiServices &m_ui;
    std::unique_ptr<QSettings> m_store;
    MonotonicTimeSource m_monotonic;
    const TimeSource &m_time;
    GameJournal m_journal;
    JournalWriter m_journalWriter{m_journal};
    std::optional<JournalRecord> m_resume;
    LiveSettings m_settings;
    GameState m_game;
    WebState m_web;
    QPointer<frmSplash> m_splash;
    QPointer<frmScoreboard> m_board;
    QPointer<frmHelp> m_help;
    QPointer<RemoteControl> m_remote;
};
