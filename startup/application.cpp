#include "application.h"

#include "board/frmscoreboard.h"
#include "board/qtsoundplayer.h"
#include "settings/frmoptions.h"
#include "settings/settingsstore.h"
#include "settings/uiservices.h"
#include "startup/frmhelp.h"
#include "startup/frmsplash.h"

#include <QSettings>

Application::Application(UiServices &ui, std::unique_ptr<QSettings> store)
    : m_ui(ui)
    , m_store(std::move(store))
{
}

Application::~Application()
{
    delete m_splash;
    delete m_board;
    delete m_help;
}

frmSplash *Application::splash() const
{
    return m_splash;
}

frmScoreboard *Application::board() const
{
    return m_board;
}

frmHelp *Application::help() const
{
    return m_help;
}

void Application::start()
{
    m_splash = new frmSplash(
        m_settings, m_web, *m_store, m_ui, DefaultBuzzerFile(), [this] { showBoard(); },
        [this] { showHelp(); });
    m_splash->setAttribute(Qt::WA_DeleteOnClose);
    m_splash->show();
}

void Application::showBoard()
{
    if (m_board) {
        return;
    }
    frmScoreboard::Context context{m_settings, m_game, m_web, m_time, m_ui};
    m_board = new frmScoreboard(context, std::make_unique<QtSoundPlayer>());
    m_board->setAttribute(Qt::WA_DeleteOnClose);
    m_board->setHelpCommand([this] { showHelp(); });
    m_board->setOptionsCommand([this](QWidget *owner) { showOptions(owner); });
    m_board->showMaximized();
}

void Application::showHelp()
{
    ShowHelpWindow(m_help);
}

void Application::showOptions(QWidget *owner)
{
    frmOptions options(m_settings, m_web, *m_store, m_ui, owner);
    options.exec();
}
