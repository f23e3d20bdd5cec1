#pragma once

#include <QFont>
#include <QList>
#include <QSize>
#include <QString>

class QScreen;
struct LiveSettings;

// Most of the board's first frame is finding and loading its captions' fonts at the sizes the
// window scales them to. Drawn once beforehand, on a scratch image, while the splash waits for
// its click, they are ready when the board opens. Nothing is shown and nothing of the game is
// touched: only the board's design is built, into a widget that is never shown.

// One caption as the board draws it when its client area is `size`.
struct BoardCaption
{
    QSize size;
    QFont font;
    QString text;
};

// The board's captions, with the operator's texts, at each size it may open at on `screen`: its
// own design size, the screen's available area (maximised) and the whole screen (full screen).
QList<BoardCaption> BoardCaptions(const LiveSettings &settings, const QScreen *screen);

// Draws BoardCaptions(settings, screen) where no one sees them.
void WarmUpBoardText(const LiveSettings &settings, const QScreen *screen);
