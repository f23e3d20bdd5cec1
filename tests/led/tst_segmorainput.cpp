#include "tests/led/segmoratesting.h"

#include <QSignalSpy>
#include <QTest>

// The mouse and key events the digit passes on to its host, and its focus.
class TestSegmoraInput : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void clickRedrawsThenSignals();
    void doubleClickSignalsWithoutRedraw();
    void mouseEventsCarryTwips();
    void keyPressCarriesCharacterCodes();
    void keysWithoutCharacterRaiseNoKeyPress();
    void takesFocusOnClick();
};

void TestSegmoraInput::clickRedrawsThenSignals()
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

void TestSegmoraInput::doubleClickSignalsWithoutRedraw()
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

void TestSegmoraInput::mouseEventsCarryTwips()
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

void TestSegmoraInput::keyPressCarriesCharacterCodes()
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

void TestSegmoraInput::keysWithoutCharacterRaiseNoKeyPress()
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

void TestSegmoraInput::takesFocusOnClick()
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

QTEST_MAIN(TestSegmoraInput)
#include "tst_segmorainput.moc"
