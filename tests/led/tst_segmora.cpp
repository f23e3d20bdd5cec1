#include <segmora/segmora.h>
#include <segmora/segmorageometry.h>

#include <QImage>
#include <QMetaClassInfo>
#include <QPaintEvent>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

namespace {

constexpr QRgb Black = 0xFF000000;
constexpr QRgb Orange = 0xFFFF8000; // 33023 = 0x008000FF as BGR
constexpr QRgb Yellow = 0xFFFFFF00;

QImage pixelsOf(Segmora &digit)
{
    return digit.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// A map of the lit pixels, one string per row: '#' lit, '.' background.
QStringList litMap(const QImage &image, QRgb lit)
{
    QStringList rows;
    for (int y = 0; y < image.height(); ++y) {
        QString row;
        for (int x = 0; x < image.width(); ++x) {
            row += image.pixel(x, y) == lit ? QLatin1Char('#') : QLatin1Char('.');
        }
        rows << row;
    }
    return rows;
}

// Counts the paint events a widget receives.
class PaintCounter : public QObject
{
public:
    explicit PaintCounter(QWidget *widget) { widget->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            ++count;
        }
        return false;
    }
};

} // namespace

class TestSegmora : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void newDigitIsAnOrangeZeroOnBlack();
    void publishedNameAndDescriptions();
    void propertiesAreReachableByName();
    void setterLimits();
    void digitRatioKeepsUnknownValues();
    void smallestDigitPixels();
    void boundaryPixelsAtSize45();
    void eightToOneLeavesNoOtherSegmentLit();
    void blankAndInvisibleDigits();
    void extentFollowsSize();
    void oversizedDigitStillPaints();
    void sameValueCostsNoRepaint();
    void changedDigitRepaintsOnlyItself();
    void aChangeRepaintsOnlyTheChangedSegments();
    void dotsLayOutAndHide();
    void dotsPaintTheDigit();
    void clickRedrawsThenSignals();
    void doubleClickSignalsWithoutRedraw();
    void mouseEventsCarryTwips();
    void keyPressCarriesCharacterCodes();
    void keysWithoutCharacterRaiseNoKeyPress();
    void takesFocusOnClick();
};

void TestSegmora::newDigitIsAnOrangeZeroOnBlack()
{
    Segmora digit;
    QCOMPARE(digit.size(), QSize(25, 45));
    QCOMPARE(digit.sizeHint(), QSize(25, 45));
    QCOMPARE(digit.sizePolicy().horizontalPolicy(), QSizePolicy::Fixed);
    QCOMPARE(digit.caption(), short(0));
    QCOMPARE(digit.litColor(), 33023);
    QCOMPARE(digit.backColor(), 0);
    QCOMPARE(digit.ledType(), Segmora::LEDType::Segmora);
    QCOMPARE(digit.digitRatio(), Segmora::Size_H7_W4);
    QCOMPARE(digit.pixelRows(), short(7));
    QCOMPARE(digit.pixelCols(), short(4));

    const QImage image = pixelsOf(digit);
    QCOMPARE(image.pixel(12, 1), Orange); // top
    QCOMPARE(image.pixel(12, 22), Black); // middle is unlit in a 0
    QCOMPARE(image.pixel(12, 43), Orange); // bottom
    QCOMPARE(image.pixel(0, 0), Black); // corner seam
}

void TestSegmora::publishedNameAndDescriptions()
{
    QCOMPARE(QLatin1String(Segmora::PublishedName), QLatin1String("prjSegmora.Segmora"));
    const QMetaObject &meta = Segmora::staticMetaObject;
    const auto description = [&](const char *name) {
        const int index = meta.indexOfClassInfo(name);
        return index < 0 ? QString() : QString::fromLatin1(meta.classInfo(index).value());
    };
    QCOMPARE(description("Size"),
        QStringLiteral("Returns/sets the height in pixels of the single LED digit object."));
    QCOMPARE(description("LitColor"),
        QStringLiteral(
            "Returns/sets the color to be used for the lit LED segments of the object."));
    QCOMPARE(description("BackColor"),
        QStringLiteral("Returns/sets the background color used to display text and graphics "
                       "in an object."));
    QCOMPARE(description("Caption"),
        QStringLiteral("Returns/sets the text that is displayed on the single LED Digit object."));

    const QMetaEnum ratio = QMetaEnum::fromType<Segmora::DigitRatioEnum>();
    QCOMPARE(ratio.keyToValue("Size_H5_W3"), 53);
    QCOMPARE(ratio.keyToValue("Size_H13_W7"), 137);
    const QMetaEnum type = QMetaEnum::fromType<Segmora::LEDType>();
    QCOMPARE(type.keyToValue("Segmora"), 0);
    QCOMPARE(type.keyToValue("CircleLED"), 1);
}

void TestSegmora::propertiesAreReachableByName()
{
    Segmora digit;
    QVERIFY(digit.setProperty("Caption", 7));
    QCOMPARE(digit.caption(), short(7));
    QVERIFY(digit.setProperty("Size", 57));
    QCOMPARE(digit.property("Size").toInt(), 57);
    QVERIFY(digit.setProperty("LitColor", 65535));
    QCOMPARE(digit.property("LitColor").toInt(), 65535);
    QVERIFY(digit.setProperty("LEDType", QVariant::fromValue(Segmora::LEDType::CircleLED)));
    QCOMPARE(digit.ledType(), Segmora::LEDType::CircleLED);
    QVERIFY(digit.setProperty("DigitRatio", QVariant::fromValue(Segmora::Size_H5_W3)));
    QCOMPARE(digit.pixelRows(), short(5));
}

void TestSegmora::setterLimits()
{
    Segmora digit;
    digit.setCaption(12);
    QCOMPARE(digit.caption(), short(9));
    digit.setCaption(-5);
    QCOMPARE(digit.caption(), short(-1));
    digit.setSize(0);
    QCOMPARE(digit.digitSize(), short(9));
    QCOMPARE(digit.size(), QSize(5, 9));
    digit.setSize(-40);
    QCOMPARE(digit.digitSize(), short(9));
}

void TestSegmora::digitRatioKeepsUnknownValues()
{
    Segmora digit;
    digit.setDigitRatio(Segmora::Size_H13_W7);
    QCOMPARE(digit.pixelRows(), short(13));
    digit.setDigitRatio(60);
    QCOMPARE(static_cast<int>(digit.digitRatio()), 60);
    QCOMPARE(digit.pixelRows(), short(13));
    QCOMPARE(digit.pixelCols(), short(7));
}

void TestSegmora::smallestDigitPixels()
{
    // At Size 9 every segment is a one-pixel line along its centre line.
    Segmora digit;
    digit.setSize(9);
    digit.setLitColor(0x0000FFFF);
    digit.setCaption(8);
    const QStringList eight = {
        QStringLiteral(".###."),
        QStringLiteral("#...#"),
        QStringLiteral("#...#"),
        QStringLiteral("#...#"),
        QStringLiteral(".###."),
        QStringLiteral("#...#"),
        QStringLiteral("#...#"),
        QStringLiteral("#...#"),
        QStringLiteral(".###."),
    };
    QCOMPARE(litMap(pixelsOf(digit), Yellow), eight);

    digit.setCaption(1);
    const QStringList one = {
        QStringLiteral("....."),
        QStringLiteral("....#"),
        QStringLiteral("....#"),
        QStringLiteral("....#"),
        QStringLiteral("....."),
        QStringLiteral("....#"),
        QStringLiteral("....#"),
        QStringLiteral("....#"),
        QStringLiteral("....."),
    };
    QCOMPARE(litMap(pixelsOf(digit), Yellow), one);
}

void TestSegmora::boundaryPixelsAtSize45()
{
    Segmora digit;
    digit.setCaption(8);
    const QImage image = pixelsOf(digit);
    // The top segment's hexagon (3,2) (5,0) (19,0) (21,2) (19,4) (5,4), outline included.
    for (const QPoint p : {QPoint(3, 2), QPoint(5, 0), QPoint(19, 0), QPoint(21, 2), QPoint(19, 4),
             QPoint(5, 4), QPoint(4, 1), QPoint(12, 0), QPoint(12, 4), QPoint(20, 3)}) {
        QVERIFY2(image.pixel(p) == Orange,
            qPrintable(QStringLiteral("(%1,%2) lit").arg(p.x()).arg(p.y())));
    }
    // Just outside it: beyond the tips, the corners and the seam to the next segments.
    for (const QPoint p : {QPoint(2, 2), QPoint(22, 2), QPoint(4, 0), QPoint(20, 0), QPoint(12, 5),
             QPoint(0, 0), QPoint(24, 0)}) {
        QVERIFY2(image.pixel(p) == Black,
            qPrintable(QStringLiteral("(%1,%2) dark").arg(p.x()).arg(p.y())));
    }
    // The right edge is the last column; the bottom segment reaches the last row.
    QCOMPARE(image.pixel(24, 12), Orange);
    QCOMPARE(image.pixel(12, 44), Orange);
}

void TestSegmora::eightToOneLeavesNoOtherSegmentLit()
{
    Segmora digit;
    digit.setCaption(8);
    (void)pixelsOf(digit);
    digit.setCaption(1);
    const QImage image = pixelsOf(digit);
    const auto m = SegmoraGeometry::measuresFor(45);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            // Only the two right-hand segments, around the column x = W + L + 1, may be lit.
            const bool rightHand = x >= m.segmentLength + 1;
            if (!rightHand) {
                QVERIFY2(image.pixel(x, y) == Black,
                    qPrintable(QStringLiteral("(%1,%2) still lit").arg(x).arg(y)));
            }
        }
    }
    QCOMPARE(image.pixel(22, 12), Orange);
    QCOMPARE(image.pixel(22, 32), Orange);
}

void TestSegmora::blankAndInvisibleDigits()
{
    Segmora digit;
    digit.setCaption(8);
    digit.setCaption(-1);
    QImage image = pixelsOf(digit);
    QCOMPARE(litMap(image, Black).join(QString()).count(QLatin1Char('.')), 0);

    digit.setCaption(8);
    digit.setLitColor(0x00123456);
    digit.setBackColor(0x00123456);
    image = pixelsOf(digit);
    const QRgb same = image.pixel(0, 0);
    QCOMPARE(litMap(image, same).join(QString()).count(QLatin1Char('.')), 0);

    digit.setLEDType(Segmora::LEDType::CircleLED);
    image = pixelsOf(digit);
    QCOMPARE(litMap(image, same).join(QString()).count(QLatin1Char('.')), 0);
}

void TestSegmora::extentFollowsSize()
{
    Segmora digit;
    digit.setSize(60);
    QCOMPARE(digit.size(), QSize(34, 61));
    // A host that resizes the digit cannot change its extent.
    digit.resize(200, 200);
    QCOMPARE(digit.size(), QSize(34, 61));
    digit.setSize(10);
    QCOMPARE(digit.size(), QSize(6, 11));
}

void TestSegmora::oversizedDigitStillPaints()
{
    Segmora digit;
    digit.setSize(30000);
    QCOMPARE(digit.digitSize(), short(SegmoraGeometry::MaximumSize));
    const auto m = SegmoraGeometry::measuresFor(SegmoraGeometry::MaximumSize);
    QCOMPARE(digit.size(), QSize(m.width, m.height));
    digit.setLitColor(0x0000FFFF);
    const QImage image = pixelsOf(digit);
    QCOMPARE(image.size(), QSize(m.width, m.height));
    QCOMPARE(image.pixel(m.width / 2, 0), Yellow);
    // Back to an ordinary size, it paints as before.
    digit.setSize(45);
    QCOMPARE(pixelsOf(digit).pixel(12, 1), Yellow);
}

void TestSegmora::sameValueCostsNoRepaint()
{
    Segmora digit;
    digit.show();
    QVERIFY(QTest::qWaitForWindowExposed(&digit));
    QCoreApplication::processEvents();
    PaintCounter counter(&digit);
    QSignalSpy captionSpy(&digit, &Segmora::captionChanged);

    digit.setCaption(0);
    digit.setSize(45);
    digit.setLitColor(33023);
    digit.setBackColor(0);
    digit.setLEDType(Segmora::LEDType::Segmora);
    digit.setDigitRatio(Segmora::Size_H7_W4);
    QCoreApplication::processEvents();
    QCOMPARE(counter.count, 0);
    QCOMPARE(captionSpy.count(), 0);

    digit.setCaption(5);
    QCOMPARE(captionSpy.count(), 1);
    QTRY_COMPARE(counter.count, 1);
}

void TestSegmora::changedDigitRepaintsOnlyItself()
{
    QWidget host;
    host.resize(100, 60);
    auto *left = new Segmora(&host);
    auto *right = new Segmora(&host);
    right->move(40, 0);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    QCoreApplication::processEvents();
    PaintCounter leftPaints(left);
    PaintCounter rightPaints(right);

    left->setCaption(3);
    QTRY_COMPARE(leftPaints.count, 1);
    QCoreApplication::processEvents();
    QCOMPARE(rightPaints.count, 0);
}

void TestSegmora::aChangeRepaintsOnlyTheChangedSegments()
{
    QWidget window;
    auto *digit = new Segmora(&window);
    digit->setSize(90);
    digit->setCaption(9);
    window.resize(digit->size());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCoreApplication::processEvents();

    QRegion painted;
    class RegionSpy : public QObject
    {
    public:
        explicit RegionSpy(QRegion &region)
            : m_region(region)
        {
        }
        bool eventFilter(QObject *, QEvent *event) override
        {
            if (event->type() == QEvent::Paint) {
                m_region += static_cast<QPaintEvent *>(event)->region();
            }
            return false;
        }
        QRegion &m_region;
    } spy(painted);
    digit->installEventFilter(&spy);

    // 9 to 8 lights the lower left segment alone: only its corner of the digit is painted.
    digit->setCaption(8);
    QTRY_VERIFY(!painted.isEmpty());
    const auto m = SegmoraGeometry::measuresFor(90);
    // Segment 5 runs from x 0 to 2W, and from y W + L + 2 for L rows.
    const QRect lowerLeft(
        0, m.halfThickness + m.segmentLength + 2, 2 * m.halfThickness + 1, m.segmentLength);
    QCOMPARE(painted.boundingRect(), lowerLeft);

    // What is on screen is the whole new digit, as a full paint shows it.
    const QImage onScreen = window.screen()->grabWindow(window.winId()).toImage();
    const QImage expected = digit->grab().toImage();
    QCOMPARE(onScreen.convertToFormat(QImage::Format_RGB32).copy(digit->geometry()),
        expected.convertToFormat(QImage::Format_RGB32));
}

void TestSegmora::dotsLayOutAndHide()
{
    Segmora digit;
    // The polygon variant never touches the dots.
    for (int k = 1; k <= SegmoraGeometry::DotCount; ++k) {
        QVERIFY(!digit.dot(k).visible);
    }
    digit.setDigitRatio(Segmora::Size_H13_W7);
    digit.setLEDType(Segmora::LEDType::CircleLED);
    int visible = 0;
    for (int k = 1; k <= SegmoraGeometry::DotCount; ++k) {
        visible += digit.dot(k).visible ? 1 : 0;
    }
    QCOMPARE(visible, 91);
    // Row 2, column 3 of the 13 x 7 layout at Size 45: P 45, G 7.5, left margin 8.
    const Segmora::Dot d = digit.dot(7 + 3);
    QCOMPARE(d.width, 45.0F);
    QCOMPARE(d.left, 2 * 52.5F + 8);
    QCOMPARE(d.top, 52.5F);

    const Segmora::Dot before = digit.dot(91);
    digit.setDigitRatio(Segmora::Size_H5_W3);
    visible = 0;
    for (int k = 1; k <= SegmoraGeometry::DotCount; ++k) {
        visible += digit.dot(k).visible ? 1 : 0;
    }
    QCOMPARE(visible, 15);
    // A dot outside the new grid keeps its position, hidden.
    QCOMPARE(digit.dot(91).left, before.left);
    QVERIFY(!digit.dot(91).visible);
    // The 7 x 4 default: the first column starts 4 twips left of the widget.
    digit.setDigitRatio(Segmora::Size_H7_W4);
    QCOMPARE(digit.dot(1).left, -4.0F);
    QCOMPARE(digit.dot(1).width, 90.0F);

    digit.setLEDType(Segmora::LEDType::Segmora);
    for (int k = 1; k <= SegmoraGeometry::DotCount; ++k) {
        QVERIFY(!digit.dot(k).visible);
    }
}

void TestSegmora::dotsPaintTheDigit()
{
    Segmora digit;
    digit.setSize(90);
    digit.setLitColor(0x0000FFFF);
    digit.setDigitRatio(Segmora::Size_H5_W3);
    digit.setLEDType(Segmora::LEDType::CircleLED);
    digit.setCaption(1);
    QImage image = pixelsOf(digit);
    // A 1 in dots is the full right-hand column; the centre of the top-left dot stays dark.
    const Segmora::Dot topLeft = digit.dot(1);
    const Segmora::Dot topRight = digit.dot(3);
    const auto centre = [](const Segmora::Dot &d) {
        return QPoint(static_cast<int>((d.left + d.width / 2) / 15),
            static_cast<int>((d.top + d.height / 2) / 15));
    };
    QCOMPARE(image.pixel(centre(topLeft)), Black);
    QCOMPARE(image.pixel(centre(topRight)), Yellow);
    QCOMPARE(digit.dot(3).fillColor, 0x0000FFFF);
    QCOMPARE(digit.dot(1).fillColor, 0);

    digit.setCaption(8);
    image = pixelsOf(digit);
    QCOMPARE(image.pixel(centre(topLeft)), Yellow);
    // The middle of the middle row's centre dot is lit in an 8, the centre column's second
    // row is not.
    QCOMPARE(image.pixel(centre(digit.dot(2 * 7 + 2))), Yellow);
    QCOMPARE(image.pixel(centre(digit.dot(1 * 7 + 2))), Black);
}

void TestSegmora::clickRedrawsThenSignals()
{
    Segmora digit;
    digit.show();
    QVERIFY(QTest::qWaitForWindowExposed(&digit));
    QCoreApplication::processEvents();
    PaintCounter counter(&digit);
    int paintsAtClick = -1;
    connect(&digit, &Segmora::Click, this, [&] { paintsAtClick = counter.count; });
    QSignalSpy clicks(&digit, &Segmora::Click);
    QTest::mouseClick(&digit, Qt::LeftButton);
    QCOMPARE(clicks.count(), 1);
    // The redraw is requested before Click and lands in the next paint cycle.
    QCOMPARE(paintsAtClick, 0);
    QTRY_VERIFY(counter.count >= 1);
}

void TestSegmora::doubleClickSignalsWithoutRedraw()
{
    Segmora digit;
    digit.show();
    QVERIFY(QTest::qWaitForWindowExposed(&digit));
    QTest::mouseClick(&digit, Qt::LeftButton);
    QCoreApplication::processEvents();
    PaintCounter counter(&digit);
    QSignalSpy clicks(&digit, &Segmora::Click);
    QSignalSpy doubles(&digit, &Segmora::DblClick);
    QTest::mouseDClick(&digit, Qt::LeftButton);
    QCoreApplication::processEvents();
    QCOMPARE(doubles.count(), 1);
    QCOMPARE(clicks.count(), 0);
    QCOMPARE(counter.count, 0);
}

void TestSegmora::mouseEventsCarryTwips()
{
    Segmora digit;
    digit.show();
    QVERIFY(QTest::qWaitForWindowExposed(&digit));
    QSignalSpy downs(&digit, &Segmora::MouseDown);
    QSignalSpy ups(&digit, &Segmora::MouseUp);
    QTest::mousePress(&digit, Qt::RightButton, Qt::ShiftModifier, QPoint(3, 10));
    QTest::mouseRelease(&digit, Qt::RightButton, Qt::ShiftModifier, QPoint(3, 10));
    QCOMPARE(downs.count(), 1);
    QCOMPARE(downs.at(0).at(0).value<short>(), short(2));
    QCOMPARE(downs.at(0).at(1).value<short>(), short(1));
    QCOMPARE(downs.at(0).at(2).toFloat(), 45.0F);
    QCOMPARE(downs.at(0).at(3).toFloat(), 150.0F);
    QCOMPARE(ups.count(), 1);
}

void TestSegmora::keyPressCarriesCharacterCodes()
{
    Segmora digit;
    QSignalSpy presses(&digit, &Segmora::KeyPress);
    QSignalSpy downs(&digit, &Segmora::KeyDown);
    QSignalSpy upsSpy(&digit, &Segmora::KeyUp);
    QTest::keyClick(&digit, Qt::Key_S);
    QTest::keyClick(&digit, 'S', Qt::ShiftModifier);
    QTest::keyClick(&digit, Qt::Key_Return);
    QTest::keyClick(&digit, Qt::Key_Space);
    QTest::keyClick(&digit, Qt::Key_Backspace);
    QTest::keyClick(&digit, Qt::Key_Escape);
    QTest::keyClick(&digit, Qt::Key_5);
    QList<short> codes;
    for (const auto &args : presses) {
        codes << args.at(0).value<short>();
    }
    QCOMPARE(codes, (QList<short>{115, 83, 13, 32, 8, 27, 53}));
    // KeyDown names the key, whatever the case (83 for S), and the Shift state apart.
    QList<short> shiftsOfS;
    for (const auto &args : downs) {
        if (args.at(0).value<short>() == 83) {
            shiftsOfS << args.at(1).value<short>();
        }
    }
    QCOMPARE(shiftsOfS, (QList<short>{0, 1}));
    QCOMPARE(upsSpy.count(), downs.count());
}

void TestSegmora::keysWithoutCharacterRaiseNoKeyPress()
{
    Segmora digit;
    QSignalSpy presses(&digit, &Segmora::KeyPress);
    QSignalSpy downs(&digit, &Segmora::KeyDown);
    QTest::keyClick(&digit, Qt::Key_Left);
    QTest::keyClick(&digit, Qt::Key_F5);
    QTest::keyClick(&digit, Qt::Key_Shift);
    QCOMPARE(presses.count(), 0);
    QCOMPARE(downs.count(), 3);
    QCOMPARE(downs.at(0).at(0).value<short>(), short(37));
    QCOMPARE(downs.at(1).at(0).value<short>(), short(116));
}

void TestSegmora::takesFocusOnClick()
{
    QWidget host;
    auto *first = new Segmora(&host);
    auto *second = new Segmora(&host);
    second->move(40, 0);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    host.activateWindow();
    QTest::mouseClick(second, Qt::LeftButton);
    QTRY_VERIFY(second->hasFocus());
    QVERIFY(first->focusPolicy() & Qt::TabFocus);
}

QTEST_MAIN(TestSegmora)
#include "tst_segmora.moc"
