#pragma once

// The digit's private data and drawing, shared by the files of the widget.

#include <segmora/propertybag.h>
#include <segmora/segmora.h>
#include <segmora/segmorageometry.h>

#include <QColor>
#include <QPainter>
#include <QRegion>

#include <array>
#include <optional>
#include <variant>
#include <vector>

namespace SegmoraPrivate {

inline constexpr int DefaultDigitRatio = Segmora::Size_H7_W4;
inline constexpr int DefaultLEDType = 0;
inline constexpr int DefaultSize = 45;
inline constexpr int DefaultLitColor = 33023;
inline constexpr int DefaultBackColor = 0;
inline constexpr int DefaultCaption = 0;

inline QColor toQColor(int bgr)
{
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

struct RowsCols
{
    short rows;
    short cols;
};

inline std::optional<RowsCols> rowsColsFor(int digitRatio)
{
    switch (digitRatio) {
    case Segmora::Size_H5_W3:
        return RowsCols{5, 3};
    case Segmora::Size_H7_W4:
        return RowsCols{7, 4};
    case Segmora::Size_H9_W5:
        return RowsCols{9, 5};
    case Segmora::Size_H11_W6:
        return RowsCols{11, 6};
    case Segmora::Size_H13_W7:
        return RowsCols{13, 7};
    default:
        return std::nullopt;
    }
}

// The pixels a segment's polygon covers, outline included.
inline QRect boundsOf(const std::array<QPoint, 6> &points)
{
    QPoint low = points[0];
    QPoint high = points[0];
    for (const QPoint &p : points) {
        low = QPoint(std::min(low.x(), p.x()), std::min(low.y(), p.y()));
        high = QPoint(std::max(high.x(), p.x()), std::max(high.y(), p.y()));
    }
    return QRect(low, high);
}

} // namespace SegmoraPrivate

// A private header, read only by the widget's own files.
using namespace SegmoraGeometry;
using namespace SegmoraPrivate;

struct Segmora::Private
{

    int digitRatio = DefaultDigitRatio;
    int ledType = DefaultLEDType;
    short size = DefaultSize;
    int litColor = DefaultLitColor;
    int backColor = DefaultBackColor;
    short caption = DefaultCaption;

    short pixelRows = 7;
    short pixelCols = 4;
    Measures measures = measuresFor(DefaultSize);
    // Each segment's bounds (1..7), so that a change of digit repaints only what changed.
    std::array<QRect, 8> segmentRects{};
    // Each segment's pixels as rectangles (1..7), made when the size changes rather than per paint.
    std::array<QList<QRect>, 8> segmentPixelRects{};
    // The lit segments' rectangles of the paint under way, kept between paints for its capacity.
    std::vector<QRect> litPixels;
    // What the paint under way must cover.
    QRegion dirty;
    PixelGrid pixelGrid{};
    // Element 0 is the template; 1..91 are the dots, k = (row - 1) * 7 + column.
    std::array<Segmora::Dot, DotCount + 1> shpPixel{};

    bool suppressNextClick = false;

    bool isCircle() const { return ledType == static_cast<int>(LEDType::CircleLED); }
    bool isPolygon() const { return ledType == static_cast<int>(LEDType::Segmora); }

    void applyDigitRatio()
    {
        if (const auto rc = rowsColsFor(digitRatio)) {
            pixelRows = rc->rows;
            pixelCols = rc->cols;
        }
    }

    void hideAllDots()
    {
        for (auto &dot : shpPixel) {
            dot.visible = false;
        }
    }

    // The dots' colours for the caption shown, as a paint would leave them: kept current by
    // every setter, so that a host reading a dot never sees a stale colour.
    void refreshDotColors()
    {
        for (auto &row : pixelGrid) {
            row.fill(false);
        }
        if (isCircle() && caption >= -1 && caption <= 9) {
            for (int segment = 1; segment <= 7; ++segment) {
                if (segmentLit(caption, segment)) {
                    lightSegmentDots(pixelGrid, segment, pixelRows, pixelCols);
                }
            }
        }
        for (int r = 1; r <= DotRows; ++r) {
            for (int c = 1; c <= DotCols; ++c) {
                shpPixel[static_cast<std::size_t>((r - 1) * DotCols + c)].fillColor
                    = pixelGrid[r][c] ? litColor : backColor;
            }
        }
    }

    // Every stored property once: its name, where it lives, its default; the field's type is
    // its stored width.
    struct StoredProperty
    {
        const char *name;
        std::variant<int Private::*, short Private::*> field;
        int defaultValue;
    };
    static const std::array<StoredProperty, 6> StoredProperties;

    // Painting, in the order a paint goes: the digit, each of its segments, one segment.
    void DrawDigit(QPainter &painter);
    void SetSegment(QPainter &painter, int segment, bool lit);
    void DrawSegment(QPainter &painter, int segment, bool lit);
};
