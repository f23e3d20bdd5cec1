#include <segmora/segmorageometry.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace SegmoraGeometry {

int roundHalfEven(double value)
{
    // nearbyint follows the default rounding mode, which is round-to-nearest-even.
    return static_cast<int>(std::nearbyint(value));
}

Measures measuresFor(int size)
{
    const int bounded = std::clamp(size, MinimumSize, MaximumSize);
    Measures m;
    m.halfThickness = (bounded / 9) / 2;
    m.segmentLength = roundHalfEven((bounded - 2 * m.halfThickness - 3) / 2.0);
    m.width = 2 * (m.halfThickness + 1) + m.segmentLength;
    m.height = 2 * (m.halfThickness + 1) + 1 + 2 * m.segmentLength;
    return m;
}

SegmentAnchor segmentAnchor(int segment, const Measures &measures)
{
    const int w = measures.halfThickness;
    const int l = measures.segmentLength;
    switch (segment) {
    case 1:
        return {w, w, true};
    case 2:
        return {w, w, false};
    case 3:
        return {w + l + 1, w, false};
    case 4:
        return {w, w + l + 1, true};
    case 5:
        return {w, w + l + 1, false};
    case 6:
        return {w + l + 1, w + l + 1, false};
    case 7:
        return {w, 2 * l + w + 2, true};
    default:
        return {};
    }
}

std::array<QPoint, 6> segmentPolygon(int x, int y, bool horizontal, int w, int l)
{
    // One hexagon along the segment's axis; a vertical segment is the horizontal one turned a
    // quarter, which keeps the drawing order.
    const auto point = [&](int along, int across) {
        return horizontal ? QPoint(x + along, y + across) : QPoint(x - across, y + along);
    };
    return {point(1, 0), point(1 + w, -w), point(l - w, -w), point(l, 0), point(l - w, w),
        point(1 + w, w)};
}

QList<QRect> segmentPixels(int x, int y, bool horizontal, int w, int l)
{
    // Along the axis the hexagon runs from 1 to l; at a distance k across the axis (|k| <= w)
    // its pixels run from 1 + |k| to l - |k|, because its ends are 45-degree lines. The raster
    // engine fills a rectangle row by row, so the pieces are cut into as few rows as they can be.
    QList<QRect> rects;
    rects.reserve(2 * w + 1);
    if (horizontal) {
        // One row per distance across the axis.
        for (int k = -w; k <= w; ++k) {
            const int from = 1 + std::abs(k);
            const int to = l - std::abs(k);
            if (from <= to) {
                rects.append(QRect(QPoint(x + from, y + k), QPoint(x + to, y + k)));
            }
        }
        return rects;
    }
    // The middle as one block, and each end's rows one pixel high, 2j + 1 across.
    if (1 + w <= l - w) {
        rects.append(QRect(QPoint(x - w, y + 1 + w), QPoint(x + w, y + l - w)));
    }
    for (int j = 0; j < w; ++j) {
        rects.append(QRect(QPoint(x - j, y + 1 + j), QPoint(x + j, y + 1 + j)));
        rects.append(QRect(QPoint(x - j, y + l - j), QPoint(x + j, y + l - j)));
    }
    return rects;
}

DotLayout dotLayout(int heightTwips, int widthTwips, int rows, int cols)
{
    DotLayout layout;
    if (rows < 2 || cols < 1) {
        return layout;
    }
    const int rounded = roundHalfEven(heightTwips * 0.93 / rows);
    layout.pixelSize = (rounded / TwipsPerPixel) * TwipsPerPixel;
    const int p = layout.pixelSize;
    layout.gap = static_cast<float>(heightTwips - rows * p) / static_cast<float>(rows - 1);
    layout.topMargin
        = (static_cast<float>(heightTwips - rows * p) - static_cast<float>(rows - 1) * layout.gap)
        / 2.0F;
    layout.leftMargin = roundHalfEven(
        (static_cast<double>(widthTwips - cols * p) - static_cast<double>(cols - 1) * layout.gap)
        / 2.0);
    return layout;
}

void lightSegmentDots(PixelGrid &grid, int segment, int rows, int cols)
{
    rows = std::clamp(rows, 1, DotRows);
    cols = std::clamp(cols, 1, DotCols);
    const int half = roundHalfEven(rows / 2.0 + 0.5);
    const auto row = [&](int r) {
        for (int c = 1; c <= cols; ++c) {
            grid[r][c] = true;
        }
    };
    const auto column = [&](int c, int from, int to) {
        for (int r = from; r <= to; ++r) {
            grid[r][c] = true;
        }
    };
    switch (segment) {
    case 1:
        row(1);
        break;
    case 2:
        column(1, 1, half);
        break;
    case 3:
        column(cols, 1, half);
        break;
    case 4:
        row(half);
        break;
    case 5:
        column(1, half, 2 * half - 1);
        break;
    case 6:
        column(cols, half, 2 * half - 1);
        break;
    case 7:
        row(rows);
        break;
    default:
        break;
    }
}

} // namespace SegmoraGeometry
