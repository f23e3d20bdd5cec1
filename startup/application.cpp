#include "application.h"

#include "board/boardplacement.h"
#include "board/consoleswitch.h"
#include "board/frmscoreboard.h"
#include "board/overlaykeys.h"
#include "board/qtsoundplayer.h"
#include "game/matchsettings.h"
#include "options/frmoptions.h"
#include "options/matchreportfile.h"
#include "remote/remotecontrol.h"
#include "settings/settingsstore.h"
#include "startup/frmhelp.h"
#include "startup/frmsplash.h"
#include "ui/uiservices.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

Application::Application(UiServices &ui, std::unique_ptr<QSettings> store, const TimeSource *time,
    const QString &journalPath)
    : m_ui(ui)
    , m_store(std::move(store))
    , m_time(time ? *time : m_monotonic)
    , m_journal(journalPath.isEmpty() ? GameJournal::DefaultPath() : journalPath)
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

bool Application::start()
{
    if (!m_journalLock.claim()) {
        return false;
    }
    QObject::connect(
        &m_journalLock, &JournalLock::frontWanted, &m_events, [this] { bringToFront(); });
    m_journalWriter.setStatusListener([this](bool saving, const QString &why) {
        QMetaObject::invokeMethod(
            &m_events, [this, saving, why] { tellJournalStatus(saving, why); },
            Qt::QueuedConnection);
    });
    m_splash = new frmSplash(
        m_settings, m_web, *m_store, m_ui, DefaultBuzzerFile(), [this] { showBoard(); },
        [this] { showHelp(); }, [this](QWidget *owner) { showOptions(owner); });
    m_splash->setAttribute(Qt::WA_DeleteOnClose);
    m_splash->show();
    offerToResume();
    return true;
}

void Application::keepUnreadableJournal(const QString &why)
{
    QString aside = m_journal.path() + QStringLiteral(".unread");
    for (int n = 2; QFileInfo::exists(aside); ++n) {
        aside = m_journal.path() + QStringLiteral(".unread-%1").arg(n);
    }
    QString text;
    if (QFile::rename(m_journal.path(), aside)) {
        text = QCoreApplication::translate("Application",
            "The last game's journal could not be read (%1). It is kept as %2, and this game is "
            "saved anew.")
                   .arg(why, QDir::toNativeSeparators(aside));
    } else {
        m_journalling = false;
        text = QCoreApplication::translate("Application",
            "The last game's journal could not be read (%1) and is left as it is, at %2. This "
            "game will not be saved.")
                   .arg(why, QDir::toNativeSeparators(m_journal.path()));
    }
    m_ui.showMessage(m_splash, QStringLiteral("Varnelo"), text);
}

void Application::bringToFront()
{
    QWidget *window = m_board ? static_cast<QWidget *>(m_board) : m_splash.data();
    if (!window) {
        return;
    }
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
}

void Application::tellJournalStatus(bool saving, const QString &why)
{
    QWidget *over = m_board ? static_cast<QWidget *>(m_board) : m_splash.data();
    m_ui.showNotice(over, QStringLiteral("Varnelo"),
        saving ? QCoreApplication::translate("Application", "The game is being saved again.")
               : QCoreApplication::translate("Application",
                   "The game is not being saved (%1). Varnelo goes on trying; the board goes on "
                   "as it is.")
                     .arg(why));
}

void Application::offerToResume()
{
    if (!m_journal.exists()) {
        return;
    }
    bool unreadable = false;
    QString why;
    std::optional<JournalRecord> record = m_journal.read(&unreadable, &why);
    if (unreadable) {
        keepUnreadableJournal(why);
        return;
    }
    // A journal that is not a sound one of ours is of no use: it goes without a word.
    if (!record) {
        m_journal.remove();
        return;
    }
    if (!m_ui.askYesNo(m_splash, QStringLiteral("Varnelo"),
            QCoreApplication::translate("Application", "Resume the last game?"))) {
        m_journal.remove();
        return;
    }
    m_resume = std::move(record);
    m_splash->GoScore();
}

void Application::showBoard()
{
    if (m_board) {
        return;
    }
    frmScoreboard::Context context{
        m_settings, m_game, m_web, m_time, m_ui, {}, m_journalling ? &m_journalWriter : nullptr};
    m_board = new frmScoreboard(context, std::make_unique<QtSoundPlayer>());
    // The saved format plays from the kick-off; a resumed match brings its own, which wins.
    ScoreboardGame &game = m_board->scoreboardGame();
    game.setMatchFormat(MatchFormatOf(m_settings));
    game.setTeamSheets(TeamSheet(m_settings.HomeSheet), TeamSheet(m_settings.GuestSheet));
    if (m_resume) {
        m_board->ResumeGame(*m_resume);
        m_resume.reset();
    }
    // The board goes where the operator last put it for the audience.
    QObject::connect(m_board, &frmScoreboard::placementChanged, m_board, [this] {
        const BoardPlacement now = m_board->placement();
        m_settings.BoardScreen = now.screenName;
        m_settings.BoardFullScreen = now.fullScreen ? 1 : 0;
        SaveBoardPlacement(m_settings, *m_store);
    });
    m_board->showPlaced({m_settings.BoardScreen, m_settings.BoardFullScreen == 1});
    // The operator's console, while the board has a screen of its own.
    new ConsoleSwitch(*m_board, m_settings);
    // The remote control drives the board's game and goes with it.
    m_remote = new RemoteControl(
        m_board->scoreboardGame(), m_settings, [this] { SavePairingCode(m_settings, *m_store); },
        m_board);
    QObject::connect(m_remote, &RemoteControl::matchFormatChosen, m_board,
        [this] { SaveMatchFormat(m_settings, *m_store); });
    m_remote->setSaveToken([this] { SaveOverlayToken(m_settings, *m_store); });
    // The stream overlay's panels answer keys of the board too.
    AddOverlayKeys(*m_board, m_remote->overlay());
    m_remote->apply();
    m_board->setAttribute(Qt::WA_DeleteOnClose);
    m_board->setHelpCommand([this] { showHelp(); });
    m_board->setOptionsCommand([this](QWidget *owner) { showOptions(owner); });
    m_board->setReportCommand([this](QWidget *owner) { saveReport(owner); });
    // At full time the operator is offered the report once, over the board (the question goes
    // to the operator's screen).
    new ReportOffer(
        game, m_ui, m_board, [this] { saveReport(m_board); }, m_board);
}

void Application::saveReport(QWidget *owner)
{
    if (m_board) {
        SaveMatchReport(owner, m_ui, m_board->scoreboardGame(), m_settings);
    }
}

RemoteControl *Application::remote() const
{
    return m_remote;
}

void Application::showHelp()
{
    ShowHelpWindow(m_help);
}

void Application::showOptions(QWidget *owner)
{
    frmOptions options(m_settings, m_web, *m_store, m_ui, owner);
    // The board's updates go on arriving while the dialog is open; its web tab shows the truth.
    if (m_board) {
        QObject::connect(m_board, &frmScoreboard::webPublishingStopped, &options,
            &frmOptions::UpdateWebSBStatus);
    }
    options.setRemoteControl(m_remote);
    options.setGame(m_board ? &m_board->scoreboardGame() : nullptr);
    options.exec();
    if (m_remote) {
        m_remote->apply();
    }
}
