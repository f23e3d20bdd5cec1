#include "modstretch.h"

#include "layout/controlkinds.h"
#include "layout/twips.h"

#include <segmora/segmorageometry.h>

#include <algorithm>

namespace {

using SegmoraGeometry::roundHalfEven;
using SegmoraGeometry::TwipsPerPixel;

qint32 recordedNumber(const QWidget *control, const char *property)
{
    return roundHalfEven(control->property(property).toDouble());
}

// A rescaled extent in pixels: never below one pixel.
int extentPixels(double twips)
{
    return std::max(1, TwipsToPixels(twips));
}

// Through the control's own FontSize property where it has one, otherwise through its font.
void setFontSize(QWidget *control, double points)
{
    if (control->metaObject()->indexOfProperty("FontSize") >= 0) {
        control->setProperty("FontSize", points);
        return;
    }
    QFont font = control->font();
    font.setPointSizeF(points);
    control->setFont(font);
}

} // namespace

double AtLeastOne(double x)
{
    return x >= 1 ? x : 1;
}

void RecordLayout(LayoutRecord &record, const QWidget &window)
{
    record = {};
    record.BaseWidth = window.width() * TwipsPerPixel;
    record.BaseHeight = window.height() * TwipsPerPixel;
    const QList<QWidget *> controls = window.findChildren<QWidget *>();
    for (QWidget *control : controls) {
        ControlLayout layout;
        switch (KindOf(control)) {
        case ControlKind::Segmora:
            layout.Size = recordedNumber(control, "Size");
            break;
        case ControlKind::PictureBox:
        case ControlKind::Image:
            layout.Height = control->height() * TwipsPerPixel;
            layout.Width = control->width() * TwipsPerPixel;
            break;
        case ControlKind::Label:
            layout.Height = control->height() * TwipsPerPixel;
            layout.Width = control->width() * TwipsPerPixel;
            layout.FontSize = control->metaObject()->indexOfProperty("FontSize") >= 0
                ? recordedNumber(control, "FontSize")
                : roundHalfEven(control->font().pointSizeF());
            break;
        case ControlKind::Shape:
            layout.Height = control->height() * TwipsPerPixel;
            layout.Width = control->width() * TwipsPerPixel;
            layout.BorderWidth = recordedNumber(control, "BorderWidth");
            break;
        case ControlKind::Other:
            continue;
        }
        layout.control = control;
        layout.Left = control->x() * TwipsPerPixel;
        layout.Top = control->y() * TwipsPerPixel;
        record.LayoutTable.append(layout);
    }
}

ScaledControl ScaleControl(const ControlLayout &layout, double widthRatio, double heightRatio)
{
    ScaledControl scaled;
    if (layout.Left != 0) {
        scaled.left = static_cast<float>(widthRatio * layout.Left);
    }
    if (layout.Top != 0) {
        scaled.top = static_cast<float>(heightRatio * layout.Top);
    }
    if (layout.Width != 0) {
        scaled.width = AtLeastOne(widthRatio * layout.Width);
    }
    if (layout.Height != 0) {
        scaled.height = AtLeastOne(heightRatio * layout.Height);
    }
    if (layout.FontSize != 0) {
        scaled.fontSize = AtLeastOne(heightRatio * layout.FontSize);
    }
    if (layout.BorderWidth != 0) {
        scaled.borderWidth = roundHalfEven(AtLeastOne(heightRatio * layout.BorderWidth));
    }
    if (layout.Size != 0) {
        scaled.size = roundHalfEven(AtLeastOne(heightRatio * layout.Size));
    }
    return scaled;
}

void StretchLayout(const LayoutRecord &record, QWidget &window)
{
    if (window.isMinimized() || record.BaseWidth <= 0 || record.BaseHeight <= 0) {
        return;
    }
    const double widthRatio
        = static_cast<double>(window.width() * TwipsPerPixel) / record.BaseWidth;
    const double heightRatio
        = static_cast<double>(window.height() * TwipsPerPixel) / record.BaseHeight;
    // No control is painted half-way: the window repaints once, when all are in place.
    const bool updates = window.updatesEnabled();
    window.setUpdatesEnabled(false);
    for (const ControlLayout &layout : record.LayoutTable) {
        QWidget *control = layout.control;
        if (!control) {
            continue;
        }
        const ScaledControl scaled = ScaleControl(layout, widthRatio, heightRatio);
        QRect geometry = control->geometry();
        if (scaled.left) {
            geometry.moveLeft(TwipsToPixels(*scaled.left));
        }
        if (scaled.top) {
            geometry.moveTop(TwipsToPixels(*scaled.top));
        }
        if (scaled.width) {
            geometry.setWidth(extentPixels(*scaled.width));
        }
        if (scaled.height) {
            geometry.setHeight(extentPixels(*scaled.height));
        }
        if (scaled.size) {
            // An LED digit takes its extent from Size alone.
            control->move(geometry.topLeft());
            control->setProperty("Size", *scaled.size);
        } else {
            control->setGeometry(geometry);
        }
        if (scaled.fontSize) {
            setFontSize(control, *scaled.fontSize);
        }
        if (scaled.borderWidth) {
            control->setProperty("BorderWidth", *scaled.borderWidth);
        }
    }
    window.setUpdatesEnabled(updates);
}
