#include "boardshape.h"

#include "ui/colors.h"

#include <QPainter>

#include <algorithm>

BoardShape::BoardShape(Kind kind, QWidget *parent)
    : QWidget(parent)
    , m_kind(kind)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void BoardShape::setBorderWidth(int width)
{
    width = std::max(1, width);
    if (width == m_borderWidth) {
        return;
    }
    m_borderWidth = width;
    update();
}

void BoardShape::setBorderColor(qint32 bgr)
{
    if (bgr == m_borderColor) {
        return;
    }
    m_borderColor = bgr;
    update();
}

void BoardShape::setFilled(bool filled)
{
    if (filled == m_filled) {
        return;
    }
    m_filled = filled;
    update();
}

void BoardShape::setFillColor(qint32 bgr)
{
    if (bgr == m_fillColor) {
        return;
    }
    m_fillColor = bgr;
    update();
}

void BoardShape::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (m_kind == Kind::Circle) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(ToQColor(m_fillColor));
        painter.drawEllipse(QRectF(rect()));
        return;
    }
    // The border lies inside the shape's bounds, so a thick frame is never clipped.
    const double half = m_borderWidth / 2.0;
    const QRectF frame = QRectF(rect()).adjusted(half, half, -half, -half);
    const double radius = std::min(frame.width(), frame.height()) / 12.0;
    painter.setPen(QPen(ToQColor(m_borderColor), m_borderWidth));
    painter.setBrush(m_filled ? QBrush(ToQColor(m_fillColor)) : QBrush(Qt::NoBrush));
    painter.drawRoundedRect(frame, radius, radius);
}
