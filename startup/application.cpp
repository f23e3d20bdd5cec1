#include "application.h"

#include "board/frmscoreboard.h"
#include "board/qtsoundplayer.h"
#include "settings/settingsstore.h"
#include "settings/uiservices.h"

#include <QSettings>

Application::Application(UiServices &ui, std::unique_ptr<QSettings> store)
    : m_ui(ui)
    , m_store(std::move(store))
{
}

Application::~Application()
{
    delete m_board;
}

frmScoreboard *Application::board() const
{
    return m_board;
}

void Application::start()
{
    LoadSettings(m_settings, *m_store);
    m_web.WebSBFailCount = -1;
    showBoard();
}

void Application::showBoard()
{
    frmScoreboard::Context context{m_settings, m_game, m_web, m_time, m_ui};
    m_board = new frmScoreboard(context, std::make_unique<QtSoundPlayer>());
    m_board->setAttribute(Qt::WA_DeleteOnClose);
    m_board->showMaximized();
}
