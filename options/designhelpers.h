#pragma once

#include "layout/twips.h"

#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QScreen>
#include <QString>
#include <QWidget>

#include <utility>

// Helpers for the hand-placed windows: geometry in twips and fonts named as designed.

// The designed default font of every window; InstallFontSubstitutions() maps it to a metric-close
// face where the platform lacks it.
inline const QString DefaultFontFamily = QStringLiteral("MS Sans Serif");
inline constexpr double DefaultFontPoints = 8.25;

inline QFont DesignFont(const QString &family, double points, bool bold = false)
{
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

inline QFont DefaultDesignFont()
{
    return DesignFont(DefaultFontFamily, DefaultFontPoints);
}

// Creates a child widget at a designed position; returns it for further setup.
template<typename W, typename... Args>
W *PlaceTwips(QWidget *parent, int left, int top, int width, int height, Args &&...args)
{
    auto *widget = new W(std::forward<Args>(args)..., parent);
    widget->setGeometry(TwipsRect(left, top, width, height));
    return widget;
}

// A plain-text label at a designed position.
inline QLabel *PlaceCaption(
    QWidget *parent, const QString &text, int left, int top, int width, int height)
{
    auto *label = PlaceTwips<QLabel>(parent, left, top, width, height, text);
    label->setTextFormat(Qt::PlainText);
    return label;
}

// A fixed-size window with a title and a close box but no minimise or maximise button.
inline constexpr Qt::WindowFlags FixedDialogFlags = Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint
    | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
    | Qt::WindowCloseButtonHint;

// What a frame's controls are about, from its caption: "Home Color:" gives "Home Color".
inline QString FrameSubject(QString caption)
{
    if (caption.endsWith(QLatin1Char(':'))) {
        caption.chop(1);
    }
    return caption.trimmed();
}

// Puts a dialog over the middle of the window that owns it, kept on that window's screen. Done
// as the dialog is shown: Qt's own placement guesses the frame and, at scale factors other than
// 1, can put a dialog in the screen's corner.
inline void CentreOverOwner(QWidget &dialog)
{
    const QWidget *owner = dialog.parentWidget() ? dialog.parentWidget()->window() : nullptr;
    const QScreen *screen = owner ? owner->screen() : dialog.screen();
    if (screen == nullptr) {
        return;
    }
    const QRect area = screen->availableGeometry();
    QRect placed = dialog.geometry();
    placed.moveCenter(owner ? owner->geometry().center() : area.center());
    placed.moveLeft(qBound(area.left(), placed.left(), area.right() + 1 - placed.width()));
    placed.moveTop(qBound(area.top(), placed.top(), area.bottom() + 1 - placed.height()));
    dialog.move(placed.topLeft());
}

// A bordered label that shows a value, drawn like a read-only text box.
inline void StyleAsField(QFrame &frame)
{
    frame.setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    frame.setBackgroundRole(QPalette::Base);
    frame.setAutoFillBackground(true);
}
