#pragma once

#include "web/webprompts.h"

class QWidget;
class UiServices;

// Publishing's prompts shown over a window through UiServices. A child of its window, so that
// it goes with it.
class WindowPrompts final : public WebPrompts
{
    Q_OBJECT

public:
    WindowPrompts(UiServices &ui, QWidget *window);

    void tell(const QString &title, const QString &text) override;
    void notice(const QString &title, const QString &text) override;
    void alert(const QString &title, const QString &text) override;
    bool ask(const QString &title, const QString &text) override;
    void setWaiting(bool waiting) override;

private:
    QWidget *window() const;

    UiServices &m_ui;
    bool m_waiting = false;
    // The window was enabled before the wait, and is enabled again after it.
    bool m_wasEnabled = false;
};
