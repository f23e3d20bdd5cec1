#include "segmora_p.h"

#include "hostevents.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>

#include <algorithm>

using namespace SegmoraHostEvents;

Segmora::Segmora(QWidget *parent)
    : QWidget(parent)
    , d(std::make_unique<Private>())
{
    // The paint covers every pixel, so Qt need not erase first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    // Hosts hear of mouse moves over the digit, not only of drags.
    setMouseTracking(true);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    d->applyDigitRatio();
    ReCalcSizes();
}

Segmora::~Segmora() = default;

Segmora::DigitRatioEnum Segmora::digitRatio() const
{
    return static_cast<DigitRatioEnum>(d->digitRatio);
}

void Segmora::setDigitRatio(DigitRatioEnum vNewValue)
{
    setDigitRatio(static_cast<int>(vNewValue));
}

void Segmora::setDigitRatio(int vNewValue)
{
    if (vNewValue == d->digitRatio) {
        return;
    }
    d->digitRatio = vNewValue;
    d->applyDigitRatio();
    ReCalcSizes();
    d->refreshDotColors();
    update();
    Q_EMIT digitRatioChanged(vNewValue);
}

Segmora::LEDType Segmora::ledType() const
{
    return static_cast<LEDType>(d->ledType);
}

void Segmora::setLEDType(LEDType newLEDType)
{
    const int value = static_cast<int>(newLEDType);
    if (value == d->ledType) {
        return;
    }
    d->ledType = value;
    if (d->isCircle()) {
        ReCalcSizes();
    } else {
        d->hideAllDots();
    }
    d->refreshDotColors();
    update();
    Q_EMIT ledTypeChanged(newLEDType);
}

short Segmora::digitSize() const
{
    return d->size;
}

void Segmora::setSize(int newSize)
{
    const auto value = static_cast<short>(std::clamp(newSize, MinimumSize, MaximumSize));
    if (value == d->size) {
        return;
    }
    d->size = value;
    ReCalcSizes();
    d->refreshDotColors();
    update();
    Q_EMIT sizeChanged(value);
}

int Segmora::litColor() const
{
    return d->litColor;
}

void Segmora::setLitColor(int newLitColor)
{
    if (newLitColor == d->litColor) {
        return;
    }
    d->litColor = newLitColor;
    if (d->isCircle()) {
        d->refreshDotColors();
    }
    update();
    Q_EMIT litColorChanged(newLitColor);
}

int Segmora::backColor() const
{
    return d->backColor;
}

void Segmora::setBackColor(int newBackColor)
{
    if (newBackColor == d->backColor) {
        return;
    }
    d->backColor = newBackColor;
    d->refreshDotColors();
    update();
    Q_EMIT backColorChanged(newBackColor);
}

short Segmora::caption() const
{
    return d->caption;
}

void Segmora::setCaption(int vNewCaption)
{
    const auto value = static_cast<short>(std::clamp(vNewCaption, -1, 9));
    if (value == d->caption) {
        return;
    }
    const short old = d->caption;
    d->caption = value;
    if (d->isCircle()) {
        d->refreshDotColors();
    }
    if (d->isPolygon() && old >= -1 && old <= 9) {
        // Only the segments that change between the two digits need painting again. Their
        // bounding rectangle keeps the painter's clip a plain rectangle, which Qt fills fastest.
        QRect changed;
        for (int segment = 1; segment <= 7; ++segment) {
            if (segmentLit(old, segment) != segmentLit(value, segment)) {
                changed |= d->segmentRects[static_cast<std::size_t>(segment)];
            }
        }
        update(changed);
    } else {
        update();
    }
    Q_EMIT captionChanged(value);
}

short Segmora::pixelRows() const
{
    return d->pixelRows;
}

short Segmora::pixelCols() const
{
    return d->pixelCols;
}

void Segmora::ReCalcSizes()
{
    d->measures = measuresFor(d->size);
    for (int segment = 1; segment <= 7; ++segment) {
        const SegmentAnchor a = segmentAnchor(segment, d->measures);
        const auto points = segmentPolygon(
            a.x, a.y, a.horizontal, d->measures.halfThickness, d->measures.segmentLength);
        d->segmentRects[static_cast<std::size_t>(segment)] = boundsOf(points);
        d->segmentPixelRects[static_cast<std::size_t>(segment)] = segmentPixels(
            a.x, a.y, a.horizontal, d->measures.halfThickness, d->measures.segmentLength);
    }
    setFixedSize(d->measures.width, d->measures.height);
    if (!d->isCircle()) {
        return;
    }
    const int heightTwips = d->measures.height * TwipsPerPixel;
    const int widthTwips = d->measures.width * TwipsPerPixel;
    const DotLayout layout = dotLayout(heightTwips, widthTwips, d->pixelRows, d->pixelCols);
    const auto pixel = static_cast<float>(layout.pixelSize);
    for (int r = 1; r <= DotRows; ++r) {
        for (int c = 1; c <= DotCols; ++c) {
            Dot &dot = d->shpPixel[static_cast<std::size_t>((r - 1) * DotCols + c)];
            if (c <= d->pixelCols && r <= d->pixelRows) {
                dot.left = (pixel + layout.gap) * static_cast<float>(c - 1)
                    + static_cast<float>(layout.leftMargin);
                dot.top = (pixel + layout.gap) * static_cast<float>(r - 1) + layout.topMargin;
                dot.width = pixel;
                dot.height = pixel;
                dot.visible = true;
            } else {
                dot.visible = false;
            }
        }
    }
}

Segmora::Dot Segmora::dot(int index) const
{
    if (index < 0 || index > DotCount) {
        return {};
    }
    return d->shpPixel[static_cast<std::size_t>(index)];
}

QSize Segmora::sizeHint() const
{
    return {d->measures.width, d->measures.height};
}

QSize Segmora::minimumSizeHint() const
{
    return sizeHint();
}

void Segmora::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    d->dirty = event->region();
    painter.fillRect(event->rect(), toQColor(d->backColor));
    d->DrawDigit(painter);
    if (!d->isCircle()) {
        return;
    }
    painter.setPen(Qt::NoPen);
    for (std::size_t k = 1; k <= static_cast<std::size_t>(DotCount); ++k) {
        const Dot &dot = d->shpPixel[k];
        if (!dot.visible) {
            continue;
        }
        painter.setBrush(toQColor(dot.fillColor));
        painter.drawEllipse(QRectF(dot.left / TwipsPerPixel, dot.top / TwipsPerPixel,
            dot.width / TwipsPerPixel, dot.height / TwipsPerPixel));
    }
}

void Segmora::Private::DrawDigit(QPainter &painter)
{
    // The measures and the dot layout are kept current by the setters that change them, so a
    // repaint never resizes the widget from inside its own paint event.
    for (auto &row : pixelGrid) {
        row.fill(false);
    }
    if (caption >= -1 && caption <= 9) {
        litPixels.clear();
        for (int segment = 1; segment <= 7; ++segment) {
            SetSegment(painter, segment, segmentLit(caption, segment));
        }
        // The lit segments in one call, which fills them as fillRect would without its cost per
        // rectangle.
        if (!litPixels.empty()) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(toQColor(litColor));
            painter.drawRects(litPixels.data(), static_cast<int>(litPixels.size()));
        }
    }
    for (int r = 1; r <= DotRows; ++r) {
        for (int c = 1; c <= DotCols; ++c) {
            shpPixel[static_cast<std::size_t>((r - 1) * DotCols + c)].fillColor
                = pixelGrid[r][c] ? litColor : backColor;
        }
    }
}

void Segmora::Private::SetSegment(QPainter &painter, int segment, bool lit)
{
    if (isPolygon()) {
        DrawSegment(painter, segment, lit);
        return;
    }
    if (lit) {
        lightSegmentDots(pixelGrid, segment, pixelRows, pixelCols);
    }
}

void Segmora::Private::DrawSegment(QPainter &, int segment, bool lit)
{
    // The paint event has just filled what it paints with the background colour, so an unlit
    // segment is already erased; painting it again would cost time and change no pixel.
    const auto index = static_cast<std::size_t>(segment);
    if (!lit || !dirty.intersects(segmentRects[index])) {
        return;
    }
    // The filled and outlined hexagon, as the rectangles that make up its pixels.
    const QList<QRect> &pixels = segmentPixelRects[index];
    litPixels.insert(litPixels.end(), pixels.cbegin(), pixels.cend());
}

void Segmora::mousePressEvent(QMouseEvent *event)
{
    const QPointF twips = event->position() * TwipsPerPixel;
    Q_EMIT MouseDown(buttonsOf(event->button()), shiftOf(event->modifiers()),
        static_cast<float>(twips.x()), static_cast<float>(twips.y()));
}

void Segmora::mouseReleaseEvent(QMouseEvent *event)
{
    const QPointF twips = event->position() * TwipsPerPixel;
    Q_EMIT MouseUp(buttonsOf(event->button()), shiftOf(event->modifiers()),
        static_cast<float>(twips.x()), static_cast<float>(twips.y()));
    // The release that ends a double click raises no second Click.
    if (d->suppressNextClick) {
        d->suppressNextClick = false;
        return;
    }
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        update();
        Q_EMIT Click();
    }
}

void Segmora::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        d->suppressNextClick = true;
        Q_EMIT DblClick();
    }
}

void Segmora::mouseMoveEvent(QMouseEvent *event)
{
    const QPointF twips = event->position() * TwipsPerPixel;
    Q_EMIT MouseMove(buttonsOf(event->buttons()), shiftOf(event->modifiers()),
        static_cast<float>(twips.x()), static_cast<float>(twips.y()));
}

void Segmora::keyPressEvent(QKeyEvent *event)
{
    Q_EMIT KeyDown(keyCodeOf(event->key()), shiftOf(event->modifiers()));
    const QString text = event->text();
    if (text.isEmpty()) {
        // Keys that type nothing (function keys, arrows) travel on to the host window.
        event->ignore();
        return;
    }
    for (const QChar ch : text) {
        Q_EMIT KeyPress(static_cast<short>(ch.unicode()));
    }
    event->accept();
}

void Segmora::keyReleaseEvent(QKeyEvent *event)
{
    Q_EMIT KeyUp(keyCodeOf(event->key()), shiftOf(event->modifiers()));
    event->ignore();
}
