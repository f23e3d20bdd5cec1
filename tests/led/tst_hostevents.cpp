#include "hostevents.h"

#include <QTest>

using namespace SegmoraHostEvents;

// The numbers a digit hands its host for keys, modifiers and buttons.
class TestHostEvents : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void keyCodes_data();
    void keyCodes();
    void modifiersAndButtonsAddUp();
};

void TestHostEvents::keyCodes_data()
{
    QTest::addColumn<int>("qtKey");
    QTest::addColumn<short>("code");
    QTest::newRow("letter, any case") << int(Qt::Key_S) << short(83);
    QTest::newRow("digit") << int(Qt::Key_7) << short(55);
    QTest::newRow("F1") << int(Qt::Key_F1) << short(112);
    QTest::newRow("F12") << int(Qt::Key_F12) << short(123);
    QTest::newRow("Enter on the keypad") << int(Qt::Key_Enter) << short(13);
    QTest::newRow("Return") << int(Qt::Key_Return) << short(13);
    QTest::newRow("Backtab is Tab") << int(Qt::Key_Backtab) << short(9);
    QTest::newRow("Escape") << int(Qt::Key_Escape) << short(27);
    QTest::newRow("left arrow") << int(Qt::Key_Left) << short(37);
    QTest::newRow("Delete") << int(Qt::Key_Delete) << short(46);
    // A key with no classic number stays within 16 bits, never negative.
    QTest::newRow("unnamed") << int(Qt::Key_MediaPlay) << short(Qt::Key_MediaPlay & 0x7FFF);
}

void TestHostEvents::keyCodes()
{
    QFETCH(int, qtKey);
    QFETCH(short, code);
    QCOMPARE(keyCodeOf(qtKey), code);
}

void TestHostEvents::modifiersAndButtonsAddUp()
{
    QCOMPARE(shiftOf(Qt::NoModifier), short(0));
    QCOMPARE(shiftOf(Qt::ShiftModifier | Qt::AltModifier), short(5));
    QCOMPARE(shiftOf(Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier),
        short(7));
    QCOMPARE(buttonsOf(Qt::RightButton | Qt::MiddleButton), short(6));
    QCOMPARE(buttonsOf(Qt::BackButton), short(0));
}

QTEST_APPLESS_MAIN(TestHostEvents)
#include "tst_hostevents.moc"
