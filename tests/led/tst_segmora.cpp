#include "tests/led/segmoratesting.h"

#include <segmora/segmorageometry.h>

#include <QMetaClassInfo>
#include <QTest>

// The digit's properties: defaults, limits, the names a host reaches them by, and the dot
// layout.
class TestSegmora : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void newDigitIsAnOrangeZeroOnBlack();
    void publishedNameAndDescriptions();
    void propertiesAreReachableByName();
    void setterLimits();
    void digitRatioKeepsUnknownValues();
    void extentFollowsSize();
    void dotsLayOutAndHide();
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

QTEST_MAIN(TestSegmora)
#include "tst_segmora.moc"
