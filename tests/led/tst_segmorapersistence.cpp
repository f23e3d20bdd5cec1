#include <segmora/propertybag.h>
#include <segmora/segmora.h>

#include <QJsonDocument>
#include <QTest>

#include <functional>

class TestSegmoraPersistence : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void defaultsStoreNothing();
    void sizeAloneStoresPSizeAlone();
    void everyPropertyRoundTrips();
    void unknownDigitRatioPersists();
    void storedValuesBypassTheSetterLimits();
    void badStoredValueIsAnError();
    void aFailedReadLeavesADigitThatPaints_data();
    void aFailedReadLeavesADigitThatPaints();
    void dotColoursFollowEverySetter();
    void bagStoresOnlyValuesOtherThanTheirDefault();
};

void TestSegmoraPersistence::defaultsStoreNothing()
{
    Segmora digit;
    JsonPropertyBag bag;
    digit.WriteProperties(bag);
    QVERIFY(bag.object().isEmpty());
}

void TestSegmoraPersistence::sizeAloneStoresPSizeAlone()
{
    Segmora digit;
    digit.setSize(57);
    JsonPropertyBag bag;
    digit.WriteProperties(bag);
    QCOMPARE(
        QJsonDocument(bag.object()).toJson(QJsonDocument::Compact), QByteArray(R"({"PSize":57})"));

    // Loaded back from its text, the digit has all six values.
    const QJsonObject reread = QJsonDocument::fromJson(R"({"PSize":57})").object();
    Segmora loaded;
    loaded.setCaption(4);
    loaded.setLitColor(255);
    QVERIFY(loaded.ReadProperties(JsonPropertyBag(reread)));
    QCOMPARE(loaded.digitSize(), short(57));
    QCOMPARE(loaded.size(), QSize(32, 57));
    QCOMPARE(loaded.caption(), short(0));
    QCOMPARE(loaded.litColor(), 33023);
    QCOMPARE(loaded.backColor(), 0);
    QCOMPARE(loaded.ledType(), Segmora::LEDType::Segmora);
    QCOMPARE(loaded.digitRatio(), Segmora::Size_H7_W4);
}

void TestSegmoraPersistence::everyPropertyRoundTrips()
{
    Segmora digit;
    digit.setDigitRatio(Segmora::Size_H9_W5);
    digit.setLEDType(Segmora::LEDType::CircleLED);
    digit.setSize(120);
    digit.setLitColor(65535);
    digit.setBackColor(32768);
    digit.setCaption(-1);
    JsonPropertyBag bag;
    digit.WriteProperties(bag);
    QCOMPARE(bag.object().size(), 6);

    Segmora loaded;
    QVERIFY(loaded.ReadProperties(JsonPropertyBag(bag.object())));
    QCOMPARE(loaded.digitRatio(), Segmora::Size_H9_W5);
    QCOMPARE(loaded.pixelRows(), short(9));
    QCOMPARE(loaded.pixelCols(), short(5));
    QCOMPARE(loaded.ledType(), Segmora::LEDType::CircleLED);
    QCOMPARE(loaded.digitSize(), short(120));
    QCOMPARE(loaded.litColor(), 65535);
    QCOMPARE(loaded.backColor(), 32768);
    QCOMPARE(loaded.caption(), short(-1));
    // Loading lays out the dots of the loaded variant.
    QVERIFY(loaded.dot(1).visible);
    QVERIFY(!loaded.dot(6).visible); // column 6 is outside 9 x 5
}

void TestSegmoraPersistence::unknownDigitRatioPersists()
{
    Segmora digit;
    digit.setDigitRatio(60);
    JsonPropertyBag bag;
    digit.WriteProperties(bag);
    QCOMPARE(bag.object().value(QStringLiteral("PDigitRatio")).toInt(), 60);
    Segmora loaded;
    QVERIFY(loaded.ReadProperties(bag));
    QCOMPARE(static_cast<int>(loaded.digitRatio()), 60);
    QCOMPARE(loaded.pixelRows(), short(7));
}

void TestSegmoraPersistence::storedValuesBypassTheSetterLimits()
{
    // A stored caption outside -1..9 is kept and shows no digit; a stored size below 9 is kept
    // and the digit still has a paintable extent.
    const QJsonObject stored{{QStringLiteral("PCaption"), 42}, {QStringLiteral("PSize"), 3}};
    Segmora digit;
    QVERIFY(digit.ReadProperties(JsonPropertyBag(stored)));
    QCOMPARE(digit.caption(), short(42));
    QCOMPARE(digit.digitSize(), short(3));
    QVERIFY(digit.width() > 0 && digit.height() > 0);
    const QImage image = digit.grab().toImage();
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            QCOMPARE(image.pixel(x, y), 0xFF000000U);
        }
    }
}

void TestSegmoraPersistence::badStoredValueIsAnError()
{
    // PSize does not fit 16 bits: the load stops there; what was read before it stays.
    const QJsonObject stored{{QStringLiteral("PLEDType"), 1}, {QStringLiteral("PSize"), 70000},
        {QStringLiteral("PLitColor"), 255}};
    Segmora digit;
    QString error;
    QVERIFY(!digit.ReadProperties(JsonPropertyBag(stored), &error));
    QVERIFY(error.contains(QLatin1String("PSize")));
    QCOMPARE(digit.ledType(), Segmora::LEDType::CircleLED);
    QCOMPARE(digit.digitSize(), short(45));
    QCOMPARE(digit.litColor(), 33023);

    Segmora text;
    QVERIFY(!text.ReadProperties(
        JsonPropertyBag(QJsonObject{{QStringLiteral("PCaption"), QStringLiteral("seven")}})));
    Segmora fraction;
    QVERIFY(
        !fraction.ReadProperties(JsonPropertyBag(QJsonObject{{QStringLiteral("PSize"), 45.5}})));
}

namespace {

bool sameDots(const Segmora &a, const Segmora &b)
{
    for (int k = 0; k <= 91; ++k) {
        const Segmora::Dot x = a.dot(k);
        const Segmora::Dot y = b.dot(k);
        if (x.visible != y.visible || x.left != y.left || x.top != y.top || x.width != y.width
            || x.fillColor != y.fillColor) {
            return false;
        }
    }
    return true;
}

} // namespace

void TestSegmoraPersistence::aFailedReadLeavesADigitThatPaints_data()
{
    QTest::addColumn<QJsonObject>("stored");
    QTest::addColumn<int>("ledType");
    QTest::addColumn<int>("size");
    QTest::newRow("bad colour after a size") << QJsonObject{{QStringLiteral("PLEDType"), 1},
        {QStringLiteral("PSize"), 120}, {QStringLiteral("PLitColor"), QStringLiteral("red")}}
                                             << 1 << 120;
    QTest::newRow("bad caption after a ratio") << QJsonObject{{QStringLiteral("PDigitRatio"), 95},
        {QStringLiteral("PLEDType"), 1}, {QStringLiteral("PSize"), 200},
        {QStringLiteral("PCaption"), 4.5}} << 1 << 200;
    QTest::newRow("polygon, bad back colour")
        << QJsonObject{{QStringLiteral("PSize"), 90}, {QStringLiteral("PBackColor"), 1e12}} << 0
        << 90;
}

void TestSegmoraPersistence::aFailedReadLeavesADigitThatPaints()
{
    QFETCH(QJsonObject, stored);
    QFETCH(int, ledType);
    QFETCH(int, size);
    Segmora digit;
    QVERIFY(!digit.ReadProperties(JsonPropertyBag(stored)));
    // Built the same way through the setters: what was read is in force, sizes and dots too.
    Segmora expected;
    if (stored.contains(QStringLiteral("PDigitRatio"))) {
        expected.setDigitRatio(stored.value(QStringLiteral("PDigitRatio")).toInt());
    }
    expected.setLEDType(static_cast<Segmora::LEDType>(ledType));
    expected.setSize(size);
    QCOMPARE(digit.digitSize(), short(size));
    QCOMPARE(digit.size(), expected.size());
    QCOMPARE(digit.sizeHint(), expected.sizeHint());
    QVERIFY(sameDots(digit, expected));
    QCOMPARE(digit.grab().toImage(), expected.grab().toImage());
}

void TestSegmoraPersistence::dotColoursFollowEverySetter()
{
    Segmora digit;
    Segmora painted;
    for (Segmora *d : {&digit, &painted}) {
        d->setLEDType(Segmora::LEDType::CircleLED);
    }
    const std::function<void(Segmora &)> steps[] = {
        [](Segmora &d) { d.setCaption(1); },
        [](Segmora &d) { d.setLitColor(0x0000FF00); },
        [](Segmora &d) { d.setCaption(8); },
        [](Segmora &d) { d.setBackColor(0x00202020); },
        [](Segmora &d) { d.setDigitRatio(Segmora::Size_H9_W5); },
        [](Segmora &d) { d.setSize(80); },
        [](Segmora &d) { d.setCaption(-1); },
        [](Segmora &d) { d.setLEDType(Segmora::LEDType::Segmora); },
    };
    int step = 0;
    for (const auto &apply : steps) {
        apply(digit);
        apply(painted);
        painted.grab(); // a paint brings its dots up to date in any case
        QVERIFY2(sameDots(digit, painted), qPrintable(QString::number(step)));
        ++step;
    }
}

void TestSegmoraPersistence::bagStoresOnlyValuesOtherThanTheirDefault()
{
    JsonPropertyBag bag;
    bag.WriteProperty(QStringLiteral("A"), 5, 5);
    QVERIFY(!bag.object().contains(QStringLiteral("A")));
    bag.WriteProperty(QStringLiteral("A"), 6, 5);
    QCOMPARE(bag.ReadProperty(QStringLiteral("A"), 5).toInt(), 6);
    // Writing the default again removes the stored value.
    bag.WriteProperty(QStringLiteral("A"), 5, 5);
    QVERIFY(!bag.object().contains(QStringLiteral("A")));
    QCOMPARE(bag.ReadProperty(QStringLiteral("B"), 9).toInt(), 9);
}

QTEST_MAIN(TestSegmoraPersistence)
#include "tst_segmorapersistence.moc"
