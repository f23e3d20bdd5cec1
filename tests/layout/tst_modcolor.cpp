#include "board/boardlabel.h"
#include "board/digitgroup.h"
#include "layout/modcolor.h"
#include "settings/livesettings.h"

#include <segmora/segmora.h>

#include <QTest>

class TestModColor : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void exclusionMatchesWholeNamesOnly();
    void ledColoursGoBackgroundFirst();
};

void TestModColor::exclusionMatchesWholeNamesOnly()
{
    QWidget window;
    const auto label = [&](const char *name) {
        auto *l = new BoardLabel(&window);
        l->setObjectName(QLatin1String(name));
        l->setForeColor(1);
        return l;
    };
    BoardLabel *homeName = label("lblHomeName");
    BoardLabel *guestName = label("lblGuestName");
    BoardLabel *prefix = label("lblHome"); // the leading part of an excluded name
    BoardLabel *longer = label("lblHomeName2"); // an excluded name is only its leading part
    BoardLabel *unnamed = label("");
    auto *plain = new QLabel(&window);
    plain->setObjectName(QStringLiteral("lblPlain"));
    auto *group = new DigitGroup(&window);
    group->setObjectName(QStringLiteral("picScore"));
    auto *digit = new Segmora(group);
    group->addDigit(digit, 0);

    LiveSettings settings;
    settings.TextColor = 0x00ABCDEF;
    settings.LEDBackColor = 0x00123456;
    ApplyFormColors(window, {homeName, guestName}, settings);
    QCOMPARE(homeName->foreColor(), 1);
    QCOMPARE(guestName->foreColor(), 1);
    QCOMPARE(prefix->foreColor(), 0x00ABCDEF);
    QCOMPARE(longer->foreColor(), 0x00ABCDEF);
    QCOMPARE(unnamed->foreColor(), 0x00ABCDEF);
    QCOMPARE(plain->palette().color(QPalette::WindowText), QColor(0xEF, 0xCD, 0xAB));
    QCOMPARE(group->backColor(), 0x00123456);
    // LED digits are not labels or containers: their colours come from SetLedColors.
    QCOMPARE(digit->backColor(), 0);
}

void TestModColor::ledColoursGoBackgroundFirst()
{
    LiveSettings settings;
    settings.LEDBackColor = 0x00000080;
    QList<Segmora *> digits{new Segmora, new Segmora};
    QList<int> order;
    for (Segmora *digit : digits) {
        QObject::connect(digit, &Segmora::backColorChanged, digit, [&order] { order << 1; });
        QObject::connect(digit, &Segmora::litColorChanged, digit, [&order] { order << 2; });
    }
    SetLedColors(digits, 0x0000FF00, settings);
    QCOMPARE(order, (QList<int>{1, 2, 1, 2}));
    for (Segmora *digit : digits) {
        QCOMPARE(digit->litColor(), 0x0000FF00);
        QCOMPARE(digit->backColor(), 0x00000080);
    }
    Segmora single;
    SetLedColors(single, 7, settings);
    QCOMPARE(single.litColor(), 7);
    qDeleteAll(digits);
}

QTEST_MAIN(TestModColor)
#include "tst_modcolor.moc"
