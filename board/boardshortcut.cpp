#include "boardshortcut.h"

#include <QAction>
#include <QWidget>

QAction *AddBoardShortcut(QWidget &window, const char *name, const QString &text,
    const QKeySequence &keys, std::function<void()> act)
{
    auto *action = new QAction(text, &window);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(action, &QAction::triggered, &window, std::move(act));
    window.addAction(action);
    return action;
}
