#pragma once

#include <QKeySequence>
#include <QString>

#include <functional>

class QAction;
class QWidget;

// A key of the board's window that types no character (F7, F11, Ctrl+Z, ...): taken as a
// shortcut anywhere in the window before any figure sees it. `name` is the action's object name.
QAction *AddBoardShortcut(QWidget &window, const char *name, const QString &text,
    const QKeySequence &keys, std::function<void()> act);
