#include "board/boardlabel.h"
#include "board/boardshape.h"
#include "board/digitgroup.h"
#include "layout/modstretch.h"

#include <segmora/segmora.h>
#include <segmora/segmorageometry.h>

#include <QTest>

namespace {

// A window at the board's design size with one control of each kind.
struct Window
{
    QWidget window;
    BoardLabel *title;
    BoardShape *frame;
    DigitGroup *group;
    Segmora *digit;
    DigitGroup *atLeftEdge;

    Window()
    {
        window.resize(632, 453);
        title = new BoardLabel(&window);
        title->setObjectName(QStringLiteral("lblTitle"));
        title->setGeometry(4, 8, 625, 49);
        title->setFontSize(27.75);
        frame = new BoardShape(BoardShape::Kind::RoundedRectangle, &window);
        frame->setGeometry(8, 64, 617, 377);
        frame->setBorderWidth(6);
        group = new DigitGroup(&window);
        group->setGeometry(212, 72, 209, 81);
        digit = new Segmora(group);
        digit->setSize(65);
        digit->move(8, 8);
        group->addDigit(digit, 0);
        atLeftEdge = new DigitGroup(&window);
        atLeftEdge->setGeometry(0, 200, 50, 50);
    }
};

} // namespace

class TestModStretch : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void atLeastOne();
    void scalingIsPureArithmetic();
    void recordTakesWholeTwipsAndPoints();
    void rescale_data();
    void rescale();
    void aSliverKeepsEverythingAtLeastOne();
    void everyRescaleStartsFromTheReference();
    void firstRescaleRoundsFractionalFonts();
    void aMinimisedWindowIsLeftAlone();
    void largeScreensAreRecordedWhole();
    void controlsAddedLaterAreNotRescaled();
};

void TestModStretch::atLeastOne()
{
    QCOMPARE(AtLeastOne(0.2), 1.0);
    QCOMPARE(AtLeastOne(-5), 1.0);
    QCOMPARE(AtLeastOne(1.5), 1.5);
}

void TestModStretch::scalingIsPureArithmetic()
{
    ControlLayout layout;
    layout.Left = 100;
    layout.Top = 0;
    layout.Width = 300;
    layout.FontSize = 20;
    layout.Size = 57;
    const ScaledControl scaled = ScaleControl(layout, 1.5, 2.0);
    QCOMPARE(*scaled.left, 150.0);
    QVERIFY(!scaled.top); // 0 is not rescaled
    QCOMPARE(*scaled.width, 450.0);
    QVERIFY(!scaled.height);
    QCOMPARE(*scaled.fontSize, 40.0);
    QCOMPARE(*scaled.size, 114);
    QVERIFY(!scaled.borderWidth);
    // Ties round to even: 57 * 0.5 = 28.5 gives 28.
    QCOMPARE(*ScaleControl(layout, 1, 0.5).size, 28);
}

void TestModStretch::recordTakesWholeTwipsAndPoints()
{
    Window w;
    LayoutRecord record;
    RecordLayout(record, w.window);
    QCOMPARE(record.BaseWidth, 9480);
    QCOMPARE(record.BaseHeight, 6795);
    QCOMPARE(record.LayoutTable.size(), 5);
    const ControlLayout &title = record.LayoutTable.at(0);
    QCOMPARE(title.control.data(), w.title);
    QCOMPARE(title.Left, 60);
    QCOMPARE(title.Width, 9375);
    QCOMPARE(title.FontSize, 28);
    QCOMPARE(title.Size, 0);
    QCOMPARE(record.LayoutTable.at(1).BorderWidth, 6);
    const ControlLayout &digit = record.LayoutTable.at(3);
    QCOMPARE(digit.control.data(), w.digit);
    QCOMPARE(digit.Size, 65);
    QCOMPARE(digit.Width, 0); // a digit's extent follows from its Size
}

void TestModStretch::rescale_data()
{
    QTest::addColumn<QSize>("window");
    QTest::addColumn<QRect>("title");
    QTest::addColumn<double>("fontSize");
    QTest::addColumn<int>("borderWidth");
    QTest::addColumn<QRect>("group");
    QTest::addColumn<short>("digitSize");
    QTest::addColumn<QPoint>("digitAt");
    // Twice the size doubles everything.
    QTest::newRow("double size") << QSize(1264, 906) << QRect(8, 16, 1250, 98) << 56.0 << 12
                                 << QRect(424, 144, 418, 162) << short(130) << QPoint(16, 16);
    // Wider only leaves the fonts, the borders and the digits.
    QTest::newRow("wider only") << QSize(1264, 453) << QRect(8, 8, 1250, 49) << 28.0 << 6
                                << QRect(424, 72, 418, 81) << short(65) << QPoint(16, 8);
}

void TestModStretch::rescale()
{
    QFETCH(QSize, window);
    QFETCH(QRect, title);
    QFETCH(double, fontSize);
    QFETCH(int, borderWidth);
    QFETCH(QRect, group);
    QFETCH(short, digitSize);
    QFETCH(QPoint, digitAt);
    Window w;
    LayoutRecord record;
    RecordLayout(record, w.window);
    w.window.resize(window);
    StretchLayout(record, w.window);
    QCOMPARE(w.title->geometry(), title);
    QCOMPARE(w.title->fontSize(), fontSize);
    QCOMPARE(w.frame->borderWidth(), borderWidth);
    QCOMPARE(w.group->geometry(), group);
    QCOMPARE(w.digit->digitSize(), digitSize);
    QCOMPARE(w.digit->pos(), digitAt);
    const auto m = SegmoraGeometry::measuresFor(digitSize);
    QCOMPARE(w.digit->size(), QSize(m.width, m.height));
    QCOMPARE(w.atLeftEdge->x(), 0);
    QVERIFY(w.window.updatesEnabled());
}

void TestModStretch::aSliverKeepsEverythingAtLeastOne()
{
    Window w;
    LayoutRecord record;
    RecordLayout(record, w.window);
    w.window.resize(1, 1);
    StretchLayout(record, w.window);
    QCOMPARE(w.title->width(), 1);
    QCOMPARE(w.title->height(), 1);
    QCOMPARE(w.title->fontSize(), 1.0);
    QCOMPARE(w.frame->borderWidth(), 1);
    QCOMPARE(w.digit->digitSize(), short(9));
    QCOMPARE(w.group->width(), 1);
}

void TestModStretch::everyRescaleStartsFromTheReference()
{
    Window w;
    LayoutRecord record;
    RecordLayout(record, w.window);
    // Many odd sizes in a row, then back: no rounding has built up.
    for (int step = 0; step < 25; ++step) {
        w.window.resize(200 + step * 37, 150 + step * 23);
        StretchLayout(record, w.window);
    }
    w.window.resize(632, 453);
    StretchLayout(record, w.window);
    QCOMPARE(w.title->geometry(), QRect(4, 8, 625, 49));
    QCOMPARE(w.group->geometry(), QRect(212, 72, 209, 81));
    QCOMPARE(w.digit->digitSize(), short(65));
}

void TestModStretch::firstRescaleRoundsFractionalFonts()
{
    Window w;
    LayoutRecord record;
    RecordLayout(record, w.window);
    StretchLayout(record, w.window);
    QCOMPARE(w.title->fontSize(), 28.0);
}

void TestModStretch::aMinimisedWindowIsLeftAlone()
{
    Window w;
    LayoutRecord record;
    RecordLayout(record, w.window);
    w.window.setWindowState(Qt::WindowMinimized);
    w.window.resize(100, 100);
    StretchLayout(record, w.window);
    QCOMPARE(w.title->geometry(), QRect(4, 8, 625, 49));
    QCOMPARE(w.digit->digitSize(), short(65));
}

void TestModStretch::largeScreensAreRecordedWhole()
{
    // A board recorded maximised on a 4K screen, then shown on an 8K one.
    Window w;
    LayoutRecord design;
    RecordLayout(design, w.window);
    w.window.resize(3840, 2160);
    StretchLayout(design, w.window);
    LayoutRecord record;
    RecordLayout(record, w.window);
    QCOMPARE(record.BaseWidth, 57600);
    QCOMPARE(record.BaseHeight, 32400);
    QVERIFY(record.LayoutTable.at(0).Width > 32767);
    const QRect at4k = w.title->geometry();
    const short digitAt4k = w.digit->digitSize();
    w.window.resize(7680, 4320);
    StretchLayout(record, w.window);
    QCOMPARE(w.title->geometry(),
        QRect(at4k.x() * 2, at4k.y() * 2, at4k.width() * 2, at4k.height() * 2));
    QCOMPARE(w.digit->digitSize(), short(digitAt4k * 2));
}

void TestModStretch::controlsAddedLaterAreNotRescaled()
{
    Window w;
    LayoutRecord record;
    RecordLayout(record, w.window);
    auto *late = new BoardLabel(&w.window);
    late->setGeometry(10, 10, 20, 20);
    w.window.resize(1264, 906);
    StretchLayout(record, w.window);
    QCOMPARE(late->geometry(), QRect(10, 10, 20, 20));
}

QTEST_MAIN(TestModStretch)
#include "tst_modstretch.moc"
