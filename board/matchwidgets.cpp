#include "matchwidgets.h"

#include "ui/colors.h"

#include <segmora/segmora.h>

#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

BoardWord::BoardWord(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void BoardWord::setText(const QString &text)
{
    if (text == m_text) {
        return;
    }
    m_text = text;
    update();
}

void BoardWord::setFace(const QFont &font, int pixelSize)
{
    m_font = font;
    m_pixelSize = std::max(1, pixelSize);
    update();
}

void BoardWord::setColors(qint32 fore, std::optional<qint32> back)
{
    m_fore = fore;
    m_back = back;
    update();
}

QFont BoardWord::fittedFont() const
{
    QFont font = m_font;
    font.setPixelSize(m_pixelSize);
    // Glyphs scale with the pixel size, so one measure finds the size that fills the width.
    const int room = width() - height() / 4;
    const int advance = QFontMetrics(font).horizontalAdvance(m_text);
    if (advance > room && advance > 0) {
        font.setPixelSize(std::max(1, m_pixelSize * std::max(room, 1) / advance));
    }
    return font;
}

void BoardWord::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (m_back) {
        painter.fillRect(rect(), ToQColor(*m_back));
    }
    painter.setFont(fittedFont());
    painter.setPen(ToQColor(m_fore));
    painter.drawText(rect(), Qt::AlignCenter, m_text);
}

LedBox::LedBox(int digitCount, QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    for (int i = 0; i < digitCount; ++i) {
        auto *digit = new Segmora(this);
        digit->setAttribute(Qt::WA_TransparentForMouseEvents);
        digit->setFocusPolicy(Qt::NoFocus);
        m_digits.append(digit);
    }
}

void LedBox::setCaptions(const QList<qint16> &captions)
{
    for (int i = 0; i < digitCount(); ++i) {
        m_digits.at(i)->setCaption(captions.value(i, -1));
    }
}

QList<qint16> LedBox::captions() const
{
    QList<qint16> shown;
    for (const Segmora *digit : m_digits) {
        shown.append(digit->caption());
    }
    return shown;
}

void LedBox::setColors(qint32 lit, qint32 back)
{
    for (Segmora *digit : std::as_const(m_digits)) {
        digit->setBackColor(back);
        digit->setLitColor(lit);
    }
    if (back != m_back) {
        m_back = back;
        update();
    }
}

void LedBox::placeDigits(int size, const QList<QPoint> &positions)
{
    for (int i = 0; i < digitCount(); ++i) {
        m_digits.at(i)->setSize(size);
        m_digits.at(i)->move(positions.value(i));
    }
}

void LedBox::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), ToQColor(m_back));
}

KickMarks::KickMarks(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void KickMarks::setKicks(const QList<bool> &kicks, int markCount)
{
    markCount = std::max(markCount, static_cast<int>(kicks.size()));
    if (kicks == m_kicks && markCount == m_slots) {
        return;
    }
    m_kicks = kicks;
    m_slots = markCount;
    update();
}

void KickMarks::setColors(qint32 lit, qint32 back)
{
    m_lit = lit;
    m_back = back;
    update();
}

int KickMarks::diameter() const
{
    // A mark and a third of one between marks, and half a mark of margin around them.
    const int byHeight = height() * 2 / 3;
    const int byWidth = m_slots > 0 ? width() * 3 / (4 * m_slots + 2) : byHeight;
    return std::max(3, std::min(byHeight, byWidth));
}

int KickMarks::pitch() const
{
    return diameter() * 4 / 3;
}

QRect KickMarks::marksRect() const
{
    if (m_slots <= 0) {
        return {};
    }
    const int d = diameter();
    const int w = pitch() * (m_slots - 1) + d + d;
    const int h = std::min(height(), d + d / 2);
    return QRect((width() - w) / 2, (height() - h) / 2, w, h);
}

void KickMarks::paintEvent(QPaintEvent *)
{
    if (m_slots <= 0) {
        return;
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRect strip = marksRect();
    painter.fillRect(strip, ToQColor(m_back));
    const QColor lit = ToQColor(m_lit);
    const double d = diameter();
    const double stroke = std::max(2.0, d / 6);
    const double cy = strip.center().y() + 0.5;
    for (int i = 0; i < m_slots; ++i) {
        const double cx = strip.left() + d / 2 + d / 2 + i * pitch();
        const QRectF mark(cx - d / 2, cy - d / 2, d, d);
        if (i < m_kicks.size() && m_kicks.at(i)) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(lit);
            painter.drawEllipse(mark);
        } else if (i < m_kicks.size()) {
            painter.setPen(QPen(lit, stroke * 1.2, Qt::SolidLine, Qt::RoundCap));
            const double r = d / 2 - stroke / 2;
            painter.drawLine(QPointF(cx - r, cy - r), QPointF(cx + r, cy + r));
            painter.drawLine(QPointF(cx - r, cy + r), QPointF(cx + r, cy - r));
        } else {
            painter.setPen(QPen(lit, stroke / 2));
            painter.setBrush(Qt::NoBrush);
            painter.drawEllipse(mark.adjusted(stroke / 4, stroke / 4, -stroke / 4, -stroke / 4));
        }
    }
}

namespace {

// A card is two thirds as wide as high, with a third of a card between cards.
int cardWidth(int height)
{
    return std::max(2, height * 2 / 3);
}

int cardGap(int height)
{
    return std::max(1, height / 5);
}

} // namespace

SendingOffMarks::SendingOffMarks(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void SendingOffMarks::setCount(int count)
{
    count = std::max(0, count);
    if (count == m_count) {
        return;
    }
    m_count = count;
    update();
}

void SendingOffMarks::setEdgeColor(qint32 color)
{
    if (color == m_edge) {
        return;
    }
    m_edge = color;
    update();
}

int SendingOffMarks::rowWidth(int count, int height)
{
    return count <= 0 ? 0 : count * cardWidth(height) + (count - 1) * cardGap(height);
}

void SendingOffMarks::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const int h = height();
    const double edge = std::max(1.0, h / 24.0);
    painter.setPen(QPen(ToQColor(m_edge), edge));
    // The red of a referee's card, whatever the board's colours.
    painter.setBrush(QColor(0xE0, 0x10, 0x18));
    const double radius = h / 10.0;
    for (int i = 0; i < m_count; ++i) {
        const double left = i * (cardWidth(h) + cardGap(h));
        const QRectF card(left, 0, cardWidth(h), h);
        painter.drawRoundedRect(
            card.adjusted(edge / 2, edge / 2, -edge / 2, -edge / 2), radius, radius);
    }
}
