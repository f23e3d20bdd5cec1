#pragma once

#include <QList>
#include <QPointer>
#include <QRect>
#include <QWidget>

#include <optional>

// Keeps every visible part of a window in proportion: records the window's controls with the
// window's size, and on every resize sets each recorded control's position, size, font size,
// border width or LED digit size to the recorded value times how much the window has grown.
// Horizontal measures follow the width; vertical measures, fonts, borders and digits follow the
// height, so text and digits keep their shape when the window is only made wider.

// One recorded control; measures are in twips (15 to a pixel) and whole points. A field of 0 is
// not rescaled. The fields are 32-bit so that windows on any of today's screens can be recorded.
struct ControlLayout
{
    QPointer<QWidget> control;
    qint32 Left = 0;
    qint32 Top = 0;
    qint32 Height = 0;
    qint32 Width = 0;
    qint32 FontSize = 0;
    qint32 BorderWidth = 0;
    qint32 Size = 0;
};

// The reference every rescale starts from.
struct LayoutRecord
{
    QList<ControlLayout> LayoutTable;
    qint32 BaseWidth = 0; // the window's client width in twips when recorded
    qint32 BaseHeight = 0; // and its height
};

// x when it is at least 1, otherwise 1.
double AtLeastOne(double x);

// Records the reference geometry of every control of `window`, replacing any earlier record.
void RecordLayout(LayoutRecord &record, const QWidget &window);

// Rescales every recorded control to the window's current size. A minimised window is left
// alone; nothing is painted until every control has its new geometry.
void StretchLayout(const LayoutRecord &record, QWidget &window);

// What one control becomes at the given width and height ratios (current / base).
struct ScaledControl
{
    std::optional<double> left; // twips
    std::optional<double> top;
    std::optional<double> width;
    std::optional<double> height;
    std::optional<double> fontSize; // points
    std::optional<int> borderWidth;
    std::optional<int> size;
};
ScaledControl ScaleControl(const ControlLayout &layout, double widthRatio, double heightRatio);
