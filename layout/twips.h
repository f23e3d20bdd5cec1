#pragma once

#include <segmora/segmorageometry.h>

#include <QRect>

// Design geometry is kept in twips, 15 to a pixel; these turn it into pixels.
inline int TwipsToPixels(double twips)
{
    return SegmoraGeometry::roundHalfEven(twips / SegmoraGeometry::TwipsPerPixel);
}

inline QRect TwipsRect(int left, int top, int width, int height)
{
    return QRect(
        TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height));
}
