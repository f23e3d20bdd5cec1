#pragma once

#include <segmora/segmora.h>

#include <QEvent>
#include <QImage>
#include <QObject>
#include <QStringList>

// What the Segmora tests read a digit by: its pixels, a map of the lit ones, and a count of
// the paint events it receives.

constexpr QRgb Black = 0xFF000000;
constexpr QRgb Orange = 0xFFFF8000; // 33023 = 0x008000FF as BGR
constexpr QRgb Yellow = 0xFFFFFF00;

inline QImage pixelsOf(Segmora &digit)
{
    return digit.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// A map of the lit pixels, one string per row: '#' lit, '.' background.
inline QStringList litMap(const QImage &image, QRgb lit)
{
    QStringList rows;
    for (int y = 0; y < image.height(); ++y) {
        QString row;
        for (int x = 0; x < image.width(); ++x) {
            row += image.pixel(x, y) == lit ? QLatin1Char('#') : QLatin1Char('.');
        }
        rows << row;
    }
    return rows;
}

// Counts the paint events a widget receives.
class PaintCounter : public QObject
{
public:
    explicit PaintCounter(QWidget *widget) { widget->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            ++count;
        }
        return false;
    }
};
