#include <segmora/segmorageometry.h>

#include <QImage>
#include <QPainter>
#include <QPolygon>
#include <QTest>

using namespace SegmoraGeometry;

class TestSegmoraGeometry : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void measures_data();
    void measures();
    void sizesOutsideTheRangeStayPaintable();
    void roundingTiesGoToEven();
    void segmentsReachEveryEdgeOfTheExtent_data();
    void segmentsReachEveryEdgeOfTheExtent();
    void topSegmentPolygonAtSize45();
    void smallestSizeCollapsesToLines();
    void litSegmentTable();
    void segmentPixelsAreThePaintedPolygon_data();
    void segmentPixelsAreThePaintedPolygon();
    void dotLayoutWorkedExamples_data();
    void dotLayoutWorkedExamples();
    void dotSegmentsShareTheMiddleRow();
    void dotOneIsTheRightColumnAndEightTheOutline();
};

void TestSegmoraGeometry::measures_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("w");
    QTest::addColumn<int>("l");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::newRow("9") << 9 << 0 << 3 << 5 << 9;
    QTest::newRow("10 rounds 3.5 to even") << 10 << 0 << 4 << 6 << 11;
    QTest::newRow("17") << 17 << 0 << 7 << 9 << 17;
    QTest::newRow("18 same height, thicker") << 18 << 1 << 6 << 10 << 17;
    QTest::newRow("45 default") << 45 << 2 << 19 << 25 << 45;
    QTest::newRow("55") << 55 << 3 << 23 << 31 << 55;
    QTest::newRow("57") << 57 << 3 << 24 << 32 << 57;
    QTest::newRow("60 rounds 25.5 to even") << 60 << 3 << 26 << 34 << 61;
    QTest::newRow("65") << 65 << 3 << 28 << 36 << 65;
}

void TestSegmoraGeometry::measures()
{
    QFETCH(int, size);
    const Measures m = measuresFor(size);
    QTEST(m.halfThickness, "w");
    QTEST(m.segmentLength, "l");
    QTEST(m.width, "width");
    QTEST(m.height, "height");
}

void TestSegmoraGeometry::sizesOutsideTheRangeStayPaintable()
{
    QCOMPARE(measuresFor(-500).height, measuresFor(9).height);
    QCOMPARE(measuresFor(0).width, 5);
    const Measures largest = measuresFor(MaximumSize);
    QVERIFY(largest.height * TwipsPerPixel <= 32767);
    QVERIFY((measuresFor(MaximumSize + 1).height) * TwipsPerPixel <= 32767);
    QCOMPARE(measuresFor(32767).height, largest.height);
}

void TestSegmoraGeometry::roundingTiesGoToEven()
{
    QCOMPARE(roundHalfEven(2.5), 2);
    QCOMPARE(roundHalfEven(3.5), 4);
    QCOMPARE(roundHalfEven(-11.25), -11);
    QCOMPARE(roundHalfEven(-3.75), -4);
    QCOMPARE(roundHalfEven(27.75), 28);
}

void TestSegmoraGeometry::segmentsReachEveryEdgeOfTheExtent_data()
{
    QTest::addColumn<int>("size");
    for (const int size : {9, 10, 18, 45, 57, 60, 65, 300, 2183}) {
        QTest::addRow("%d", size) << size;
    }
}

void TestSegmoraGeometry::segmentsReachEveryEdgeOfTheExtent()
{
    QFETCH(int, size);
    const Measures m = measuresFor(size);
    QRect bounds;
    for (int segment = 1; segment <= 7; ++segment) {
        const SegmentAnchor a = segmentAnchor(segment, m);
        const auto points
            = segmentPolygon(a.x, a.y, a.horizontal, m.halfThickness, m.segmentLength);
        const QRect box = QPolygon(QList<QPoint>(points.begin(), points.end())).boundingRect();
        bounds = bounds.isNull() ? box : bounds.united(box);
    }
    // Pixel coordinates: the segments cover column 0 to the last column, row 0 to the last row.
    QCOMPARE(bounds.left(), 0);
    QCOMPARE(bounds.top(), 0);
    QCOMPARE(bounds.right(), m.width - 1);
    QCOMPARE(bounds.bottom(), m.height - 1);
}

void TestSegmoraGeometry::topSegmentPolygonAtSize45()
{
    const Measures m = measuresFor(45);
    const SegmentAnchor top = segmentAnchor(1, m);
    const auto points
        = segmentPolygon(top.x, top.y, top.horizontal, m.halfThickness, m.segmentLength);
    const std::array<QPoint, 6> expected
        = {QPoint(3, 2), QPoint(5, 0), QPoint(19, 0), QPoint(21, 2), QPoint(19, 4), QPoint(5, 4)};
    QCOMPARE(points, expected);

    const SegmentAnchor lowerRight = segmentAnchor(6, m);
    QCOMPARE(lowerRight.x, 22);
    QCOMPARE(lowerRight.y, 22);
    QVERIFY(!lowerRight.horizontal);
    const auto vertical
        = segmentPolygon(lowerRight.x, lowerRight.y, false, m.halfThickness, m.segmentLength);
    const std::array<QPoint, 6> expectedVertical = {QPoint(22, 23), QPoint(24, 25), QPoint(24, 39),
        QPoint(22, 41), QPoint(20, 39), QPoint(20, 25)};
    QCOMPARE(vertical, expectedVertical);
}

void TestSegmoraGeometry::smallestSizeCollapsesToLines()
{
    const Measures m = measuresFor(9);
    for (int segment = 1; segment <= 7; ++segment) {
        const SegmentAnchor a = segmentAnchor(segment, m);
        const auto points = segmentPolygon(a.x, a.y, a.horizontal, 0, m.segmentLength);
        for (const QPoint &p : points) {
            if (a.horizontal) {
                QCOMPARE(p.y(), a.y);
            } else {
                QCOMPARE(p.x(), a.x);
            }
        }
    }
}

void TestSegmoraGeometry::segmentPixelsAreThePaintedPolygon_data()
{
    QTest::addColumn<int>("size");
    for (const int size : {9, 10, 17, 18, 27, 45, 57, 60, 65, 131, 300, 620}) {
        QTest::addRow("%d", size) << size;
    }
}

void TestSegmoraGeometry::segmentPixelsAreThePaintedPolygon()
{
    // The rectangles cover exactly the pixels of the hexagon filled and outlined one pixel wide,
    // as an aliased painter draws it.
    QFETCH(int, size);
    const Measures m = measuresFor(size);
    for (int segment = 1; segment <= 7; ++segment) {
        const SegmentAnchor a = segmentAnchor(segment, m);
        QImage polygon(m.width, m.height, QImage::Format_RGB32);
        polygon.fill(Qt::black);
        {
            QPainter painter(&polygon);
            painter.setPen(QPen(Qt::white, 1));
            painter.setBrush(Qt::white);
            const auto points
                = segmentPolygon(a.x, a.y, a.horizontal, m.halfThickness, m.segmentLength);
            painter.drawPolygon(points.data(), int(points.size()));
        }
        QImage rects(m.width, m.height, QImage::Format_RGB32);
        rects.fill(Qt::black);
        {
            QPainter painter(&rects);
            for (const QRect &r :
                segmentPixels(a.x, a.y, a.horizontal, m.halfThickness, m.segmentLength)) {
                painter.fillRect(r, Qt::white);
            }
        }
        QVERIFY2(rects == polygon, qPrintable(QStringLiteral("segment %1").arg(segment)));
    }
}

void TestSegmoraGeometry::litSegmentTable()
{
    // Segments in reading order: top, upper left, upper right, middle, lower left, lower right,
    // bottom; "#" lit, "." unlit.
    const char *const table[] = {
        ".......", // blank
        "###.###", // 0
        "..#..#.", // 1
        "#.###.#", // 2
        "#.##.##", // 3
        ".###.#.", // 4
        "##.#.##", // 5
        "##.####", // 6
        "#.#..#.", // 7
        "#######", // 8
        "####.##", // 9
    };
    for (int caption = -1; caption <= 9; ++caption) {
        for (int segment = 1; segment <= 7; ++segment) {
            const bool expected = table[caption + 1][segment - 1] == '#';
            QVERIFY2(segmentLit(caption, segment) == expected,
                qPrintable(QStringLiteral("caption %1 segment %2").arg(caption).arg(segment)));
        }
    }
    QVERIFY(!segmentLit(10, 1));
    QVERIFY(!segmentLit(-2, 1));
}

void TestSegmoraGeometry::dotLayoutWorkedExamples_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("cols");
    QTest::addColumn<int>("pixelSize");
    QTest::addColumn<float>("gap");
    QTest::addColumn<int>("leftMargin");
    QTest::newRow("7x4") << 7 << 4 << 90 << 7.5F << -4;
    QTest::newRow("13x7") << 13 << 7 << 45 << 7.5F << 8;
    QTest::newRow("5x3") << 5 << 3 << 120 << 18.75F << -11;
}

void TestSegmoraGeometry::dotLayoutWorkedExamples()
{
    QFETCH(int, rows);
    QFETCH(int, cols);
    // The default Size 45: a widget of 375 x 675 twips.
    const DotLayout layout = dotLayout(675, 375, rows, cols);
    QTEST(layout.pixelSize, "pixelSize");
    QTEST(layout.gap, "gap");
    QTEST(layout.leftMargin, "leftMargin");
    QCOMPARE(layout.topMargin, 0.0F);
    QCOMPARE(layout.pixelSize % TwipsPerPixel, 0);
}

void TestSegmoraGeometry::dotSegmentsShareTheMiddleRow()
{
    PixelGrid grid{};
    lightSegmentDots(grid, 2, 5, 3);
    QVERIFY(grid[1][1] && grid[2][1] && grid[3][1]);
    QVERIFY(!grid[4][1]);

    PixelGrid lower{};
    lightSegmentDots(lower, 5, 5, 3);
    QVERIFY(!lower[2][1]);
    QVERIFY(lower[3][1] && lower[4][1] && lower[5][1]);
}

void TestSegmoraGeometry::dotOneIsTheRightColumnAndEightTheOutline()
{
    const auto gridFor = [](int caption, int rows, int cols) {
        PixelGrid grid{};
        for (int segment = 1; segment <= 7; ++segment) {
            if (segmentLit(caption, segment)) {
                lightSegmentDots(grid, segment, rows, cols);
            }
        }
        return grid;
    };
    const PixelGrid one = gridFor(1, 7, 4);
    for (int r = 1; r <= 7; ++r) {
        for (int c = 1; c <= 4; ++c) {
            QCOMPARE(one[r][c], c == 4);
        }
    }
    const PixelGrid eight = gridFor(8, 7, 4);
    for (int r = 1; r <= 7; ++r) {
        for (int c = 1; c <= 4; ++c) {
            const bool outline = r == 1 || r == 7 || r == 4 || c == 1 || c == 4;
            QCOMPARE(eight[r][c], outline);
        }
    }
    // Nothing outside the matrix is touched.
    QVERIFY(!eight[8][1]);
    QVERIFY(!eight[1][5]);
}

QTEST_GUILESS_MAIN(TestSegmoraGeometry)
#include "tst_segmorageometry.moc"
