#include "boardlabel.h"

#include "ui/colors.h"

#include <cmath>

BoardLabel::BoardLabel(QWidget *parent)
    : QLabel(parent)
{
    setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setTextFormat(Qt::PlainText);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFontSize(m_fontSize);
}

void BoardLabel::setFontSize(double points)
{
    m_fontSize = points;
    QFont f = font();
    // 96 dots per inch: one point is 4/3 of a pixel.
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(points * 4.0 / 3.0))));
    setFont(f);
}

void BoardLabel::setForeColor(qint32 bgr)
{
    if (bgr == m_foreColor) {
        return;
    }
    m_foreColor = bgr;
    QPalette p = palette();
    p.setColor(QPalette::WindowText, ToQColor(bgr));
    setPalette(p);
}
