#include "figurevalue.h"

#include <algorithm>

QList<qint16> DigitCaptions(const FigureValue &figure, int digitCount)
{
    QList<qint16> captions(digitCount, 0);
    if (figure.zeroFilled) {
        return captions;
    }
    int rest = figure.value;
    for (int i = 0; i < digitCount; ++i) {
        // The units digit always shows; higher ones only while something is left of the value.
        if (i > 0 && rest == 0) {
            captions[i] = -1;
        } else {
            captions[i] = static_cast<qint16>(rest % 10);
            rest /= 10;
        }
    }
    return captions;
}

FigureValue FigureFromCaptions(const QList<qint16> &captions)
{
    const bool zeroFilled
        = std::all_of(captions.cbegin(), captions.cend(), [](qint16 c) { return c == 0; });
    int value = 0;
    for (qsizetype i = captions.size() - 1; i >= 0; --i) {
        const qint16 digit = captions.at(i);
        if (digit >= 0 && digit <= 9) {
            value = value * 10 + digit;
        }
    }
    return {value, zeroFilled};
}
