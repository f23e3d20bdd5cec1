#include "boardplacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

QScreen *ScreenNamed(const QString &name)
{
    if (name.isEmpty()) {
        return nullptr;
    }
    const QList<QScreen *> screens = QGuiApplication::screens();
    for (QScreen *screen : screens) {
        if (screen->name() == name) {
            return screen;
        }
    }
    return nullptr;
}

QScreen *NeighbourScreen(const QScreen *current, int step)
{
    const QList<QScreen *> screens = QGuiApplication::screens();
    if (screens.isEmpty()) {
        return nullptr;
    }
    const qsizetype at = std::max<qsizetype>(0, screens.indexOf(const_cast<QScreen *>(current)));
    const qsizetype count = screens.size();
    return screens.at(((at + step) % count + count) % count);
}

void ShowPlaced(QWidget &window, QScreen *screen, bool fullScreen)
{
    if (screen && screen != window.screen()) {
        // A maximised or full-screen window keeps its screen: it is made normal to move.
        if (window.isVisible()) {
            window.showNormal();
        }
        if (window.windowHandle()) {
            window.windowHandle()->setScreen(screen);
        }
        window.setGeometry(screen->availableGeometry());
    }
    if (fullScreen) {
        window.showFullScreen();
    } else {
        window.showMaximized();
    }
}
