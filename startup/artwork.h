#pragma once

#include <QIcon>
#include <QPixmap>

// Varnelo's logo, drawn in code: a yellow LED "V" on a scoreboard panel over a pitch, with a
// football. `size` is in device-independent pixels; the pixmap is sharp at `devicePixelRatio`.
QPixmap VarneloLogo(int size, qreal devicePixelRatio = 1.0);

// The window icon of every Varnelo window: the logo at the sizes the build draws into the icon
// theme (16 to 256 pixels), shipped in the program's resources.
QIcon VarneloIcon();
