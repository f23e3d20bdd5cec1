#include "windowprompts.h"

#include "ui/uiservices.h"

#include <QApplication>
#include <QWidget>

WindowPrompts::WindowPrompts(UiServices &ui, QWidget *window)
    : WebPrompts(window)
    , m_ui(ui)
{
}

QWidget *WindowPrompts::window() const
{
    return qobject_cast<QWidget *>(parent());
}

void WindowPrompts::tell(const QString &title, const QString &text)
{
    m_ui.showMessage(window(), title, text);
}

void WindowPrompts::notice(const QString &title, const QString &text)
{
    m_ui.showNotice(window(), title, text);
}

void WindowPrompts::alert(const QString &title, const QString &text)
{
    // While the options dialog is open the board's own window is behind it.
    QWidget *modal = QApplication::activeModalWidget();
    m_ui.showMessage(modal ? modal : window(), title, text);
}

bool WindowPrompts::ask(const QString &title, const QString &text)
{
    return m_ui.askYesNo(window(), title, text);
}

void WindowPrompts::setWaiting(bool waiting)
{
    if (waiting == m_waiting) {
        return;
    }
    m_waiting = waiting;
    QWidget *busy = window();
    if (waiting) {
        m_wasEnabled = busy && busy->isEnabled();
        if (busy) {
            busy->setEnabled(false);
        }
        QApplication::setOverrideCursor(Qt::WaitCursor);
        return;
    }
    QApplication::restoreOverrideCursor();
    if (busy && m_wasEnabled) {
        busy->setEnabled(true);
    }
}
