#pragma once

#include "board/modsoccer.h"
#include "board/timesource.h"
#include "settings/livesettings.h"
#include "web/webstate.h"

#include <QPointer>

#include <memory>

class QSettings;
class UiServices;
class frmScoreboard;

// Owns the program-wide state (settings, game, web) and the program's windows, and wires them
// together: the one place that knows how the windows reach one another.
class Application final
{
public:
    Application(UiServices &ui, std::unique_ptr<QSettings> store);
    ~Application();

    // Loads the settings and opens the board.
    void start();

    LiveSettings &settings() { return m_settings; }
    GameState &game() { return m_game; }
    WebState &web() { return m_web; }
    frmScoreboard *board() const;

private:
    void showBoard();

    UiServices &m_ui;
    std::unique_ptr<QSettings> m_store;
    MonotonicTimeSource m_time;
    LiveSettings m_settings;
    GameState m_game;
    WebState m_web;
    QPointer<frmScoreboard> m_board;
};
