#include "tests/led/segmoratesting.h"

#include <segmora/segmorageometry.h>

#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

// What the digit paints, and that it repaints only what changed.
class TestSegmoraPaint : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void smallestDigitPixels_data();
    void smallestDigitPixels();
    void digitIsItsSegmentRectangles_data();
    void digitIsItsSegmentRectangles();
    void boundaryPixelsAtSize45();
    void eightToOneLeavesNoOtherSegmentLit();
    void blankAndInvisibleDigits();
    void oversizedDigitStillPaints();
    void sameValueCostsNoRepaint();
    void changedDigitRepaintsOnlyItself();
    void aChangeRepaintsOnlyTheChangedSegments();
    void dotsPaintTheDigit();
};

void TestSegmoraPaint::smallestDigitPixels_data()
{
    QTest::addColumn<short>("caption");
    QTest::addColumn<QStringList>("map");
    QTest::newRow("8") << short(8)
                       << QStringList{
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
    QTest::newRow("1") << short(1)
                       << QStringList{
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
}

void TestSegmoraPaint::smallestDigitPixels()
{
    QFETCH(short, caption);
    QFETCH(QStringList, map);
    // At Size 9 every segment is a one-pixel line along its centre line.
    Segmora digit;
    digit.setSize(9);
    digit.setLitColor(0x0000FFFF);
    digit.setCaption(caption);
    QCOMPARE(litMap(pixelsOf(digit), Yellow), map);
}

void TestSegmoraPaint::digitIsItsSegmentRectangles_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<short>("caption");
    for (const int size : {9, 45, 65, 200}) {
        for (const short caption : {short(8), short(1), short(4), short(0)}) {
            QTest::addRow("size %d, %d", size, caption) << size << caption;
        }
    }
}

void TestSegmoraPaint::digitIsItsSegmentRectangles()
{
    QFETCH(int, size);
    QFETCH(short, caption);
    Segmora digit;
    digit.setSize(size);
    digit.setCaption(caption);
    const QImage shown = pixelsOf(digit);

    using namespace SegmoraGeometry;
    // Each lit segment's rectangles filled one by one, on the background.
    const Measures m = measuresFor(size);
    QImage expected(shown.size(), QImage::Format_RGB32);
    expected.fill(Black);
    QPainter painter(&expected);
    for (int segment = 1; segment <= 7; ++segment) {
        if (!segmentLit(caption, segment)) {
            continue;
        }
        const SegmentAnchor a = segmentAnchor(segment, m);
        for (const QRect &r :
            segmentPixels(a.x, a.y, a.horizontal, m.halfThickness, m.segmentLength)) {
            painter.fillRect(r, QColor::fromRgb(Orange));
        }
    }
    painter.end();
    QCOMPARE(shown, expected);
}

void TestSegmoraPaint::boundaryPixelsAtSize45()
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

void TestSegmoraPaint::eightToOneLeavesNoOtherSegmentLit()
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

void TestSegmoraPaint::blankAndInvisibleDigits()
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

void TestSegmoraPaint::oversizedDigitStillPaints()
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

void TestSegmoraPaint::sameValueCostsNoRepaint()
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

void TestSegmoraPaint::changedDigitRepaintsOnlyItself()
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

void TestSegmoraPaint::aChangeRepaintsOnlyTheChangedSegments()
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

void TestSegmoraPaint::dotsPaintTheDigit()
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

QTEST_MAIN(TestSegmoraPaint)
#include "tst_segmorapaint.moc"
