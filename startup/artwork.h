#pragma once

#include <QIcon>
#include <QImage>
#include <QList>
#include <QPixmap>

#include <future>

// Varnelo's logo, drawn in code: a yellow LED "V" on a scoreboard panel over a pitch, with a
// football. `size` is in device-independent pixels; the pixmap is sharp at `devicePixelRatio`.
QPixmap VarneloLogo(int size, qreal devicePixelRatio = 1.0);

// The logo at 16, 32, 48, 64 and 128 pixels, the window icon of every Varnelo window. Larger
// sizes come from the icon theme the package installs; drawing them at start cost more than the
// rest together.
QIcon VarneloIcon();

// VarneloIcon() drawn on a thread of its own while the first window is made, off the way to the
// splash. Make it after the application (a painter asks for its default font).
class IconWarmUp
{
public:
    IconWarmUp();
    ~IconWarmUp();
    IconWarmUp(const IconWarmUp &) = delete;
    IconWarmUp &operator=(const IconWarmUp &) = delete;

    // The icon, waiting for its drawing if need be.
    QIcon icon();

private:
    std::future<QList<QImage>> m_images;
    QIcon m_icon;
};
