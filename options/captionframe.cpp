#include "captionframe.h"

#include <QPainter>
#include <QStyle>

namespace {

constexpr int CaptionLeft = 8;
constexpr int CaptionPadding = 2;

} // namespace

CaptionFrame::CaptionFrame(const QString &caption, QWidget *parent)
    : QWidget(parent)
    , m_caption(caption)
{
    setAccessibleName(caption);
}

void CaptionFrame::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QFontMetrics metrics = fontMetrics();
    const QRect captionRect(CaptionLeft, 0,
        metrics.horizontalAdvance(m_caption) + 2 * CaptionPadding, metrics.height());
    const QRectF border = QRectF(rect()).adjusted(0.5, metrics.height() / 2 + 0.5, -0.5, -0.5);

    painter.save();
    if (!m_caption.isEmpty()) {
        painter.setClipRegion(QRegion(rect()) - captionRect);
    }
    painter.setRenderHint(QPainter::Antialiasing);
    // Etched: a light line inside a dark one.
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRoundedRect(border.adjusted(1, 1, 0, 0), 2, 2);
    painter.setPen(palette().color(QPalette::Window).darker(135));
    painter.drawRoundedRect(border.adjusted(0, 0, -1, -1), 2, 2);
    painter.restore();

    style()->drawItemText(&painter, captionRect, Qt::AlignCenter, palette(), isEnabled(), m_caption,
        QPalette::WindowText);
}
