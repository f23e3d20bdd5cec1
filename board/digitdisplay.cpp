#include "digitdisplay.h"

qint64 ShownValue(const DigitDisplay &group)
{
    qint64 value = 0;
    for (int i = group.digitCount() - 1; i >= 0; --i) {
        const qint16 figure = group.caption(i);
        if (figure >= 0) {
            value = value * 10 + figure;
        }
    }
    return value;
}

FigureDigits::FigureDigits(QString name, int digitCount)
    : m_name(std::move(name))
    , m_captions(digitCount, 0)
{
}

qint16 FigureDigits::caption(int index) const
{
    return index >= 0 && index < m_captions.size() ? m_captions.at(index) : qint16(-1);
}

void FigureDigits::setCaption(int index, qint16 caption)
{
    if (index >= 0 && index < m_captions.size()) {
        m_captions[index] = caption;
    }
}
