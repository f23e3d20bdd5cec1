#include "consoleswitch.h"

#include "board/boardshortcut.h"
#include "board/frmconsole.h"
#include "board/frmscoreboard.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

ConsoleSwitch::ConsoleSwitch(frmScoreboard &board, const LiveSettings &settings)
    : QObject(&board)
    , m_board(board)
    , m_settings(settings)
{
    setObjectName(QStringLiteral("consoleSwitch"));
    // A fixed key that types no character, so that no binding and no figure can take it.
    AddBoardShortcut(board, "actConsole", tr("Operator console"), QKeySequence(Qt::Key_F8),
        [this] { toggle(); });
    connect(&board, &frmScoreboard::placementChanged, this, &ConsoleSwitch::follow);
    // Screens come and go (a projector is plugged in or out); the board may move with them.
    for (auto signal : {&QGuiApplication::screenAdded, &QGuiApplication::screenRemoved,
             &QGuiApplication::primaryScreenChanged}) {
        connect(qApp, signal, this, &ConsoleSwitch::follow, Qt::QueuedConnection);
    }
    follow();
}

ConsoleSwitch::~ConsoleSwitch()
{
    delete m_console;
}

frmConsole *ConsoleSwitch::console() const
{
    return m_console;
}

bool ConsoleSwitch::belongs() const
{
    QScreen *primary = QGuiApplication::primaryScreen();
    return m_board.isVisible() && QGuiApplication::screens().size() > 1 && primary
        && m_board.screen() != primary;
}

void ConsoleSwitch::toggle()
{
    if (m_console) {
        m_dismissed = true;
        drop();
    } else if (belongs()) {
        m_dismissed = false;
        open(true);
    }
}

void ConsoleSwitch::follow()
{
    if (!belongs()) {
        drop();
    } else if (!m_console && !m_dismissed) {
        // It opens beside the board's window, which keeps the keyboard.
        open(false);
    } else if (m_console) {
        m_console->setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
    }
}

void ConsoleSwitch::open(bool activate)
{
    m_console = new frmConsole(m_board, m_settings);
    m_console->setAttribute(Qt::WA_DeleteOnClose);
    connect(m_console, &frmConsole::closedByOperator, this, [this] {
        m_dismissed = true;
        m_board.setMarkShownElsewhere(false);
    });
    m_board.setMarkShownElsewhere(true);
    QScreen *primary = QGuiApplication::primaryScreen();
    m_console->winId();
    if (m_console->windowHandle()) {
        m_console->windowHandle()->setScreen(primary);
    }
    m_console->setGeometry(primary->availableGeometry());
    m_console->setAttribute(Qt::WA_ShowWithoutActivating, !activate);
    // Maximised where a window manager does it; the geometry above stands where none does.
    m_console->showMaximized();
    if (activate) {
        m_console->raise();
        m_console->activateWindow();
    }
}

void ConsoleSwitch::drop()
{
    if (m_console) {
        // Maybe from its own F8: it goes once that key is handled.
        m_console->hide();
        m_console->deleteLater();
        m_console = nullptr;
    }
    m_board.setMarkShownElsewhere(false);
}
