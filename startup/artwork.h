#pragma once

#include <QIcon>
#include <QPixmap>

// Varnelo's logo, drawn in code: a yellow LED "V" on a scoreboard panel over a pitch, with a
// football. `size` is in device-independent pixels; the pixmap is sharp at `devicePixelRatio`.
QPixmap VarneloLogo(int size, qreal devicePixelRatio = 1.0);

// The logo at 16, 32, 48, 64, 128 and 256 pixels, the window icon of every Varnelo window.
QIcon VarneloIcon();
