#pragma once

#include <QObject>
#include <QString>

// How publishing reaches the operator without knowing any window: whoever owns the window shows
// its messages, asks its question and keeps the window busy while an update is awaited. It is a
// QObject so that a reply coming in after the window has gone finds nobody to tell.
class WebPrompts : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // A message with OK only, over the window.
    virtual void tell(const QString &title, const QString &text) = 0;
    // A message that leaves the window working under it (the program goes on, keys still reach
    // the window).
    virtual void notice(const QString &title, const QString &text) = 0;
    // A message to be read at once, over whichever window is modal now.
    virtual void alert(const QString &title, const QString &text) = 0;
    // A Yes/No question over the window; true for Yes.
    virtual bool ask(const QString &title, const QString &text) = 0;
    // Shows that publishing waits for the service (the window takes no input meanwhile), or no
    // longer waits. The program goes on running: the clock ticks, replies come in.
    virtual void setWaiting(bool waiting) = 0;
};
