#pragma once

#include <QColor>

// Colours travel as 32-bit integers laid out 0x00BBGGRR (red in the low byte).
inline QColor ToQColor(qint32 bgr)
{
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

inline qint32 FromQColor(const QColor &color)
{
    return color.red() | (color.green() << 8) | (color.blue() << 16);
}
