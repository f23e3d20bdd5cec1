#include "operatorscreen.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>

QScreen *AudienceScreen()
{
    // The board names itself after its form, as every one of its tests finds it.
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QLatin1String("frmScoreboard") && window->isVisible()) {
            return window->screen();
        }
    }
    return nullptr;
}

QScreen *OperatorScreen()
{
    QScreen *audience = AudienceScreen();
    if (!audience) {
        return nullptr;
    }
    QScreen *primary = QGuiApplication::primaryScreen();
    if (primary && primary != audience) {
        return primary;
    }
    for (QScreen *screen : QGuiApplication::screens()) {
        if (screen != audience) {
            return screen;
        }
    }
    return nullptr;
}

void PlaceForOperator(QWidget &window)
{
    QScreen *operatorScreen = OperatorScreen();
    // Where it stands now, by its middle: a window not yet mapped may still name its owner's.
    if (!operatorScreen
        || QGuiApplication::screenAt(window.frameGeometry().center()) != AudienceScreen()) {
        return;
    }
    const QRect area = operatorScreen->availableGeometry();
    QRect placed = window.frameGeometry();
    placed.moveCenter(area.center());
    window.move(placed.topLeft());
}
