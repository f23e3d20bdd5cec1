#pragma once

#include <QRect>
#include <QScreen>
#include <QWidget>

// Puts a top-level window in the middle of the screen's free area.
inline void CentreOnScreen(QWidget &window)
{
    const QScreen *screen = window.screen();
    if (screen == nullptr) {
        return;
    }
    QRect frame = window.frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window.move(frame.topLeft());
}
