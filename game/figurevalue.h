#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>

// What a counter holds: its value, and whether it is still as a new board shows it. A new LED
// digit shows 0, so an untouched two-digit figure shows "00"; once a value is entered its
// leading zeros are blank (" 7", " 0").
struct FigureValue
{
    int value = 0;
    bool zeroFilled = true;
    bool operator==(const FigureValue &) const = default;
};

// The captions of a figure's `digitCount` LED digits, digit 0 (the rightmost) first; -1 is blank.
QList<qint16> DigitCaptions(const FigureValue &figure, int digitCount);
// The value that captions show, read from the highest digit with blanks left out (all blank
// reads 0); every digit at 0 is the untouched figure.
FigureValue FigureFromCaptions(const QList<qint16> &captions);
// The value as the web scoreboard and the phones are sent it.
inline QString FigureText(const FigureValue &figure)
{
    return QString::number(figure.value);
}
