#pragma once

#include <segmora/segmora_export.h>

#include <QList>
#include <QPoint>
#include <QRect>

#include <array>

// The geometry of one LED digit, derived from its height `Size` alone: segment thickness and
// length, the widget's extent, the six-point polygon of each segment, which segments a value
// lights, and the dot-matrix layout. Pure functions; no widget is needed to use them.
namespace SegmoraGeometry {

inline constexpr int TwipsPerPixel = 15;
inline constexpr int MinimumSize = 9;
// The largest Size whose extent still fits 16-bit twips (height * 15 <= 32767).
inline constexpr int MaximumSize = 2183;

inline constexpr int DotRows = 13;
inline constexpr int DotCols = 7;
inline constexpr int DotCount = DotRows * DotCols;

// Rounds to the nearest integer, ties to the even one (2.5 -> 2, 3.5 -> 4).
SEGMORA_EXPORT int roundHalfEven(double value);

struct Measures
{
    int halfThickness = 0; // W: half a segment's thickness, pixels
    int segmentLength = 0; // L: a segment's length along its axis, pixels
    int width = 0; // 2W + L + 2 pixels
    int height = 0; // 2W + 2L + 3 pixels
};

// Measures for a digit of the given height. Sizes outside MinimumSize..MaximumSize are bounded to
// that range first, so any value yields a paintable extent.
SEGMORA_EXPORT Measures measuresFor(int size);

struct SegmentAnchor
{
    int x = 0;
    int y = 0;
    bool horizontal = false;
};

// Anchor of segment 1..7 (top, upper left, upper right, middle, lower left, lower right, bottom).
SEGMORA_EXPORT SegmentAnchor segmentAnchor(int segment, const Measures &measures);

// The elongated hexagon of a segment at anchor (x, y), in drawing order.
SEGMORA_EXPORT std::array<QPoint, 6> segmentPolygon(int x, int y, bool horizontal, int w, int l);

// The same pixels as that hexagon filled and outlined one pixel wide, as rectangles: one across
// the middle and one-pixel strips for the pointed ends. Painting these is exact and needs no
// polygon rasteriser.
SEGMORA_EXPORT QList<QRect> segmentPixels(int x, int y, bool horizontal, int w, int l);

// Bit (segment - 1) is set when the segment is lit; indexed by caption + 1 for captions -1..9.
inline constexpr std::array<unsigned char, 11> LitSegments = {
    0x00, // blank
    0x77,
    0x24,
    0x5D,
    0x6D,
    0x2E,
    0x6B,
    0x7B,
    0x25,
    0x7F,
    0x6F,
};

// Whether `segment` (1..7) is lit for `caption`; false for captions outside -1..9.
constexpr bool segmentLit(int caption, int segment)
{
    if (caption < -1 || caption > 9 || segment < 1 || segment > 7) {
        return false;
    }
    return (LitSegments[static_cast<std::size_t>(caption + 1)] >> (segment - 1)) & 1;
}

struct DotLayout
{
    int pixelSize = 0; // P: dot diameter in twips, a multiple of 15
    float gap = 0; // G: space between rows and between columns, twips
    float topMargin = 0; // twips
    int leftMargin = 0; // twips; negative when the columns are wider than the widget
};

// Dot layout for a widget of the given extent (twips) and rows x columns of dots.
SEGMORA_EXPORT DotLayout dotLayout(int heightTwips, int widthTwips, int rows, int cols);

// Rows 1..13 by columns 1..7 are used; true is a lit dot.
using PixelGrid = std::array<std::array<bool, DotCols + 1>, DotRows + 1>;

// Marks in `grid` the dots that light `segment` (1..7) in a rows x cols matrix.
SEGMORA_EXPORT void lightSegmentDots(PixelGrid &grid, int segment, int rows, int cols);

} // namespace SegmoraGeometry
