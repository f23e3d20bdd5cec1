#include "artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

#include <cmath>

namespace {

// The logo is drawn on a 140 x 140 design grid and scaled to the requested size.
constexpr qreal DesignSize = 140.0;

// An LED segment: a bar from `from` to `to` with pointed ends, as the board's digits draw them.
QPolygonF segment(QPointF from, QPointF to, qreal thickness)
{
    const QPointF along = to - from;
    const qreal length = std::hypot(along.x(), along.y());
    const QPointF d = along / length;
    const QPointF n(-d.y(), d.x());
    const qreal h = thickness / 2;
    return QPolygonF({from, from + d * h + n * h, to - d * h + n * h, to, to - d * h - n * h,
        from + d * h - n * h});
}

QPolygonF pentagon(QPointF centre, qreal radius, qreal firstAngleDegrees)
{
    QPolygonF points;
    for (int i = 0; i < 5; ++i) {
        const qreal angle = qDegreesToRadians(firstAngleDegrees + 72.0 * i);
        points << centre + QPointF(std::cos(angle), std::sin(angle)) * radius;
    }
    return points;
}

void paintPitch(QPainter &painter, const QPainterPath &board)
{
    QLinearGradient grass(0, 4, 0, 136);
    grass.setColorAt(0, QColor(0x3c, 0xa8, 0x52));
    grass.setColorAt(1, QColor(0x17, 0x62, 0x2c));
    painter.fillPath(board, grass);
    // Mown stripes.
    painter.save();
    painter.setClipPath(board);
    const qreal stripe = 132.0 / 7;
    for (int i = 0; i < 7; i += 2) {
        painter.fillRect(QRectF(4 + i * stripe, 4, stripe, 132), QColor(255, 255, 255, 22));
    }
    painter.restore();
    painter.setPen(QPen(QColor(0x0e, 0x3d, 0x1b), 2.5));
    painter.drawPath(board);
}

void paintPanel(QPainter &painter)
{
    QPainterPath panel;
    panel.addRoundedRect(QRectF(17, 15, 106, 82), 12, 12);
    QLinearGradient dark(0, 15, 0, 97);
    dark.setColorAt(0, QColor(0x22, 0x26, 0x2b));
    dark.setColorAt(1, QColor(0x0b, 0x0c, 0x0e));
    painter.fillPath(panel, dark);
    painter.setPen(QPen(QColor(0xe8, 0xec, 0xef), 3.5));
    painter.drawPath(panel);

    const QPolygonF left = segment(QPointF(35, 27), QPointF(66.5, 84), 15);
    const QPolygonF right = segment(QPointF(105, 27), QPointF(73.5, 84), 15);
    // A soft glow first, then the lit segments.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(255, 200, 0, 60), 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolygon(left);
    painter.drawPolygon(right);
    QLinearGradient lit(0, 27, 0, 84);
    lit.setColorAt(0, QColor(0xff, 0xe9, 0x4d));
    lit.setColorAt(1, QColor(0xff, 0xb3, 0x00));
    painter.setPen(QPen(QColor(0xd0, 0x86, 0x00), 0.8));
    painter.setBrush(lit);
    painter.drawPolygon(left);
    painter.drawPolygon(right);
}

void paintBall(QPainter &painter, QPointF centre, qreal radius)
{
    QRadialGradient shade(centre - QPointF(radius, radius) * 0.35, radius * 1.4);
    shade.setColorAt(0, Qt::white);
    shade.setColorAt(1, QColor(0xc4, 0xc9, 0xce));
    painter.setPen(Qt::NoPen);
    painter.setBrush(shade);
    painter.drawEllipse(centre, radius, radius);

    QPainterPath ball;
    ball.addEllipse(centre, radius, radius);
    painter.save();
    painter.setClipPath(ball);
    const QColor patch(0x1d, 0x20, 0x23);
    painter.setBrush(patch);
    painter.drawPolygon(pentagon(centre, radius * 0.38, -90));
    painter.setPen(QPen(patch, radius * 0.07));
    for (int i = 0; i < 5; ++i) {
        const qreal degrees = -90 + 72.0 * i;
        const qreal angle = qDegreesToRadians(degrees);
        const QPointF direction(std::cos(angle), std::sin(angle));
        // Patches at the rim, one beyond each corner of the middle one, joined to it by a seam.
        painter.drawPolygon(pentagon(centre + direction * radius * 1.02, radius * 0.36, degrees));
        painter.drawLine(centre + direction * radius * 0.38, centre + direction * radius * 0.7);
    }
    painter.restore();

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0x1d, 0x20, 0x23), radius * 0.09));
    painter.drawEllipse(centre, radius, radius);
}

// The logo as an image of `pixels` square.
QImage drawLogo(int pixels)
{
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(pixels / DesignSize, pixels / DesignSize);

    QPainterPath board;
    board.addRoundedRect(QRectF(4, 4, 132, 132), 26, 26);
    paintPitch(painter, board);
    paintPanel(painter);
    paintBall(painter, QPointF(70, 113), 20);
    return image;
}

} // namespace

QPixmap VarneloLogo(int size, qreal devicePixelRatio)
{
    QPixmap pixmap = QPixmap::fromImage(drawLogo(qRound(size * devicePixelRatio)));
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

QIcon VarneloIcon()
{
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        // Read when a window first asks for that size.
        icon.addFile(QStringLiteral(":/icons/%1x%1/apps/varnelo.png").arg(size), QSize(size, size));
    }
    return icon;
}
