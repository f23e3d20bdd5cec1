#pragma once

#include <QString>

class QScreen;
class QWidget;

// Where the board stands for the audience: on which screen, and whether it fills that screen
// without a title bar.
struct BoardPlacement
{
    QString screenName;
    bool fullScreen = false;
};

// The screen of that name, or nullptr when none is connected now.
QScreen *ScreenNamed(const QString &name);

// The screen `step` places on from `current` in the system's order, wrapping round.
QScreen *NeighbourScreen(const QScreen *current, int step);

// Shows `window` maximised, or full screen, on `screen` (its own screen when nullptr).
void ShowPlaced(QWidget &window, QScreen *screen, bool fullScreen);
