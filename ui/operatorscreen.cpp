#include "operatorscreen.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>

namespace {

// The board and the console name themselves after their forms, as every one of their tests finds
// them.
QWidget *ShownWindowNamed(QLatin1String name)
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->objectName() == name && window->isVisible()) {
            return window;
        }
    }
    return nullptr;
}

} // namespace

QScreen *AudienceScreen()
{
    QWidget *board = ShownWindowNamed(QLatin1String("frmScoreboard"));
    return board ? board->screen() : nullptr;
}

QWidget *OperatorConsole()
{
    return ShownWindowNamed(QLatin1String("frmConsole"));
}

QScreen *OperatorScreen()
{
    QScreen *audience = AudienceScreen();
    if (!audience) {
        return nullptr;
    }
    QWidget *console = OperatorConsole();
    if (console && console->screen() != audience) {
        return console->screen();
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
    QWidget *console = OperatorConsole();
    const QRect area = console && console != &window && console->screen() == operatorScreen
        ? console->frameGeometry()
        : operatorScreen->availableGeometry();
    QRect placed = window.frameGeometry();
    placed.moveCenter(area.center());
    window.move(placed.topLeft());
}
