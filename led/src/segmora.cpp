#include <segmora/segmora.h>

#include <segmora/propertybag.h>
#include <segmora/segmorageometry.h>

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <array>
#include <limits>
#include <optional>

namespace {

using namespace SegmoraGeometry;

constexpr int DefaultDigitRatio = Segmora::Size_H7_W4;
constexpr int DefaultLEDType = 0;
constexpr int DefaultSize = 45;
constexpr int DefaultLitColor = 33023;
constexpr int DefaultBackColor = 0;
constexpr int DefaultCaption = 0;

QColor toQColor(int bgr)
{
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

struct RowsCols
{
    short rows;
    short cols;
};

std::optional<RowsCols> rowsColsFor(int digitRatio)
{
    switch (digitRatio) {
    case Segmora::Size_H5_W3:
        return RowsCols{5, 3};
    case Segmora::Size_H7_W4:
        return RowsCols{7, 4};
    case Segmora::Size_H9_W5:
        return RowsCols{9, 5};
    case Segmora::Size_H11_W6:
        return RowsCols{11, 6};
    case Segmora::Size_H13_W7:
        return RowsCols{13, 7};
    default:
        return std::nullopt;
    }
}

short keyCodeOf(const QKeyEvent *event)
{
    // Hosts expect the classic virtual-key codes: letters and digits are their upper-case
    // character codes; the common named keys get their usual numbers.
    const int key = event->key();
    if ((key >= Qt::Key_0 && key <= Qt::Key_9) || (key >= Qt::Key_A && key <= Qt::Key_Z)) {
        return static_cast<short>(key);
    }
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) {
        return static_cast<short>(112 + (key - Qt::Key_F1));
    }
    switch (key) {
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Shift:
        return 16;
    case Qt::Key_Control:
        return 17;
    case Qt::Key_Alt:
        return 18;
    case Qt::Key_Pause:
        return 19;
    case Qt::Key_CapsLock:
        return 20;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Space:
        return 32;
    case Qt::Key_PageUp:
        return 33;
    case Qt::Key_PageDown:
        return 34;
    case Qt::Key_End:
        return 35;
    case Qt::Key_Home:
        return 36;
    case Qt::Key_Left:
        return 37;
    case Qt::Key_Up:
        return 38;
    case Qt::Key_Right:
        return 39;
    case Qt::Key_Down:
        return 40;
    case Qt::Key_Insert:
        return 45;
    case Qt::Key_Delete:
        return 46;
    default:
        return static_cast<short>(key & 0x7FFF);
    }
}

short shiftOf(Qt::KeyboardModifiers modifiers)
{
    short shift = 0;
    if (modifiers & Qt::ShiftModifier) {
        shift |= 1;
    }
    if (modifiers & Qt::ControlModifier) {
        shift |= 2;
    }
    if (modifiers & Qt::AltModifier) {
        shift |= 4;
    }
    return shift;
}

short buttonsOf(Qt::MouseButtons buttons)
{
    short result = 0;
    if (buttons & Qt::LeftButton) {
        result |= 1;
    }
    if (buttons & Qt::RightButton) {
        result |= 2;
    }
    if (buttons & Qt::MiddleButton) {
        result |= 4;
    }
    return result;
}

// The pixels a segment's polygon covers, outline included.
QRect boundsOf(const std::array<QPoint, 6> &points)
{
    QPoint low = points[0];
    QPoint high = points[0];
    for (const QPoint &p : points) {
        low = QPoint(std::min(low.x(), p.x()), std::min(low.y(), p.y()));
        high = QPoint(std::max(high.x(), p.x()), std::max(high.y(), p.y()));
    }
    return QRect(low, high);
}

// Reads an integer property of the given width; nullopt when the stored value is not one.
template<typename T>
std::optional<T> readInteger(const PropertyBag &bag, const QString &name, T defaultValue)
{
    const QVariant value = bag.ReadProperty(name, QVariant(static_cast<qlonglong>(defaultValue)));
    bool ok = false;
    const double asDouble = value.toDouble(&ok);
    if (!ok || value.typeId() == QMetaType::QString || value.typeId() == QMetaType::Bool) {
        return std::nullopt;
    }
    if (asDouble != static_cast<double>(static_cast<qlonglong>(asDouble))
        || asDouble < static_cast<double>(std::numeric_limits<T>::min())
        || asDouble > static_cast<double>(std::numeric_limits<T>::max())) {
        return std::nullopt;
    }
    return static_cast<T>(asDouble);
}

} // namespace

struct Segmora::Private
{
    int digitRatio = DefaultDigitRatio;
    int ledType = DefaultLEDType;
    short size = DefaultSize;
    int litColor = DefaultLitColor;
    int backColor = DefaultBackColor;
    short caption = DefaultCaption;

    short pixelRows = 7;
    short pixelCols = 4;
    Measures measures = measuresFor(DefaultSize);
    // Each segment's bounds (1..7), so that a change of digit repaints only what changed.
    std::array<QRect, 8> segmentRects{};
    // What the paint under way must cover.
    QRegion dirty;
    PixelGrid pixelGrid{};
    // Element 0 is the template; 1..91 are the dots, k = (row - 1) * 7 + column.
    std::array<Segmora::Dot, DotCount + 1> shpPixel{};

    bool suppressNextClick = false;

    bool isCircle() const { return ledType == static_cast<int>(LEDType::CircleLED); }
    bool isPolygon() const { return ledType == static_cast<int>(LEDType::Segmora); }

    void applyDigitRatio()
    {
        if (const auto rc = rowsColsFor(digitRatio)) {
            pixelRows = rc->rows;
            pixelCols = rc->cols;
        }
    }

    void hideAllDots()
    {
        for (auto &dot : shpPixel) {
            dot.visible = false;
        }
    }

    // The dots' colours for the caption shown, as a paint would leave them: kept current by
    // every setter, so that a host reading a dot never sees a stale colour.
    void refreshDotColors()
    {
        for (auto &row : pixelGrid) {
            row.fill(false);
        }
        if (isCircle() && caption >= -1 && caption <= 9) {
            for (int segment = 1; segment <= 7; ++segment) {
                if (segmentLit(caption, segment)) {
                    lightSegmentDots(pixelGrid, segment, pixelRows, pixelCols);
                }
            }
        }
        for (int r = 1; r <= DotRows; ++r) {
            for (int c = 1; c <= DotCols; ++c) {
                shpPixel[static_cast<std::size_t>((r - 1) * DotCols + c)].fillColor
                    = pixelGrid[r][c] ? litColor : backColor;
            }
        }
    }
};

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

bool Segmora::ReadProperties(const PropertyBag &bag, QString *error)
{
    // Values are taken as stored, without the setters' limits. A value that cannot be read
    // stops the reading; what was read before it stays, and the digit is made whole either way.
    const auto read = [this, &bag]() -> const char * {
        const auto ratio
            = readInteger<qint32>(bag, QStringLiteral("PDigitRatio"), DefaultDigitRatio);
        if (!ratio) {
            return "PDigitRatio";
        }
        d->digitRatio = *ratio;
        const auto type = readInteger<qint32>(bag, QStringLiteral("PLEDType"), DefaultLEDType);
        if (!type) {
            return "PLEDType";
        }
        d->ledType = *type;
        const auto size = readInteger<qint16>(bag, QStringLiteral("PSize"), DefaultSize);
        if (!size) {
            return "PSize";
        }
        d->size = *size;
        const auto lit = readInteger<qint32>(bag, QStringLiteral("PLitColor"), DefaultLitColor);
        if (!lit) {
            return "PLitColor";
        }
        d->litColor = *lit;
        const auto back = readInteger<qint32>(bag, QStringLiteral("PBackColor"), DefaultBackColor);
        if (!back) {
            return "PBackColor";
        }
        d->backColor = *back;
        const auto caption = readInteger<qint16>(bag, QStringLiteral("PCaption"), DefaultCaption);
        if (!caption) {
            return "PCaption";
        }
        d->caption = *caption;
        return nullptr;
    };
    const char *failed = read();

    d->applyDigitRatio();
    if (!d->isCircle()) {
        d->hideAllDots();
    }
    ReCalcSizes();
    d->refreshDotColors();
    update();
    if (failed && error) {
        *error = QStringLiteral("Stored property %1 is not an integer of its stored width")
                     .arg(QLatin1String(failed));
    }
    return !failed;
}

void Segmora::WriteProperties(PropertyBag &bag) const
{
    bag.WriteProperty(QStringLiteral("PDigitRatio"), d->digitRatio, DefaultDigitRatio);
    bag.WriteProperty(QStringLiteral("PLEDType"), d->ledType, DefaultLEDType);
    bag.WriteProperty(QStringLiteral("PSize"), static_cast<int>(d->size), DefaultSize);
    bag.WriteProperty(QStringLiteral("PLitColor"), d->litColor, DefaultLitColor);
    bag.WriteProperty(QStringLiteral("PBackColor"), d->backColor, DefaultBackColor);
    bag.WriteProperty(QStringLiteral("PCaption"), static_cast<int>(d->caption), DefaultCaption);
}

void Segmora::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    d->dirty = event->region();
    painter.fillRect(event->rect(), toQColor(d->backColor));
    DrawDigit(painter);
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

void Segmora::DrawDigit(QPainter &painter)
{
    // The measures and the dot layout are kept current by the setters that change them, so a
    // repaint never resizes the widget from inside its own paint event.
    for (auto &row : d->pixelGrid) {
        row.fill(false);
    }
    if (d->caption >= -1 && d->caption <= 9) {
        for (int segment = 1; segment <= 7; ++segment) {
            SetSegment(painter, segment, segmentLit(d->caption, segment));
        }
    }
    for (int r = 1; r <= DotRows; ++r) {
        for (int c = 1; c <= DotCols; ++c) {
            d->shpPixel[static_cast<std::size_t>((r - 1) * DotCols + c)].fillColor
                = d->pixelGrid[r][c] ? d->litColor : d->backColor;
        }
    }
}

void Segmora::SetSegment(QPainter &painter, int segment, bool lit)
{
    if (d->isPolygon()) {
        const SegmentAnchor anchor = segmentAnchor(segment, d->measures);
        DrawSegment(painter, anchor.x, anchor.y, anchor.horizontal, lit);
        return;
    }
    if (lit) {
        lightSegmentDots(d->pixelGrid, segment, d->pixelRows, d->pixelCols);
    }
}

void Segmora::DrawSegment(QPainter &painter, int X, int Y, bool horizontal, bool lit)
{
    // The paint event has just filled what it paints with the background colour, so an unlit
    // segment is already erased; painting it again would cost time and change no pixel.
    if (!lit) {
        return;
    }
    const auto points
        = segmentPolygon(X, Y, horizontal, d->measures.halfThickness, d->measures.segmentLength);
    if (!d->dirty.intersects(boundsOf(points))) {
        return;
    }
    // The filled and outlined hexagon, painted as the rectangles that make up its pixels.
    const QColor colour = toQColor(d->litColor);
    for (const QRect &pixels :
        segmentPixels(X, Y, horizontal, d->measures.halfThickness, d->measures.segmentLength)) {
        painter.fillRect(pixels, colour);
    }
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
    Q_EMIT KeyDown(keyCodeOf(event), shiftOf(event->modifiers()));
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
    Q_EMIT KeyUp(keyCodeOf(event), shiftOf(event->modifiers()));
    event->ignore();
}
