#include "board/focusmarker.h"
#include "tests/support/boardfixture.h"

#include <QAction>
#include <QTest>

// The marker of the focused figure: nothing of it on the board while off, which is the
// default; a frame with the half-typed entry while on.
class TestFocusMarker : public QObject, private BoardFixture
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup() { closeBoard(); }

    void offLeavesEveryPixelAsWithoutIt();
    void f7FramesTheFocusedFigureAndBack();
    void showsWhatIsTypedBeforeEnter_data();
    void showsWhatIsTypedBeforeEnter();
    void followsTheFocus();
    void theSettingSwitchesItOnAtOpening();

private:
    QImage shot() const { return board->grab().toImage(); }
    void pressF7() { board->findChild<QAction *>(QStringLiteral("actFocusMarker"))->trigger(); }
    void focus(const char *name)
    {
        group(name)->setFocus();
        QCoreApplication::processEvents();
    }
};

void TestFocusMarker::init()
{
    resetBoard();
    openBoard();
    board->show();
    board->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(board.get()));
}

void TestFocusMarker::offLeavesEveryPixelAsWithoutIt()
{
    QCOMPARE(settings.ShowFocusMarker, qint16(0));
    focus("sgmShotsH");
    type("sgmShotsH", "1");
    const QImage off = shot();
    // The board as it was before there was a marker at all.
    delete board->focusMarker();
    QCOMPARE(off, shot());
}

void TestFocusMarker::f7FramesTheFocusedFigureAndBack()
{
    focus("sgmSavesV");
    const QImage before = shot();
    pressF7();
    QCOMPARE(settings.ShowFocusMarker, qint16(1));
    FocusMarker *marker = board->focusMarker();
    QVERIFY(marker->isVisible());
    QCOMPARE(marker->target(), group("sgmSavesV"));
    const QImage on = shot();
    QVERIFY(on != before);
    // Only round the figure: a corner of the board far from it is untouched.
    const QRect around = marker->geometry();
    QVERIFY(around.contains(group("sgmSavesV")
                                ->geometry()
                                .translated(group("sgmSavesV")->mapTo(board.get(), QPoint())
                                    - group("sgmSavesV")->pos())));
    QCOMPARE(on.pixel(2, 2), before.pixel(2, 2));
    pressF7();
    QVERIFY(!marker->isVisible());
    QCOMPARE(shot(), before);
}

void TestFocusMarker::showsWhatIsTypedBeforeEnter_data()
{
    QTest::addColumn<QString>("ledArray");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("entry");

    QTest::newRow("counter, half typed") << "sgmScoreH"
                                         << "1"
                                         << "1";
    QTest::newRow("counter, committed") << "sgmScoreH"
                                        << "12\r"
                                        << "";
    QTest::newRow("counter, started over") << "sgmShotsV"
                                           << "4 "
                                           << "";
    QTest::newRow("clock, half typed") << "sgmTime"
                                       << "12.3"
                                       << "12.3";
    QTest::newRow("clock, committed") << "sgmTime"
                                      << "12.3\r"
                                      << "";
}

void TestFocusMarker::showsWhatIsTypedBeforeEnter()
{
    QFETCH(QString, ledArray);
    QFETCH(QString, keys);
    QFETCH(QString, entry);

    pressF7();
    DigitGroup *target = board->group(ledArray);
    target->setFocus();
    QCoreApplication::processEvents();
    TypeKeys(target, keys.toLatin1().constData());
    QCOMPARE(board->focusMarker()->target(), target);
    QCOMPARE(board->focusMarker()->entry(), entry);
}

void TestFocusMarker::followsTheFocus()
{
    pressF7();
    focus("sgmScoreH");
    QCOMPARE(board->focusMarker()->target(), group("sgmScoreH"));
    QTest::keyClick(group("sgmScoreH"), Qt::Key_Tab);
    QCoreApplication::processEvents();
    QVERIFY(board->focusMarker()->target() != group("sgmScoreH"));
    QCOMPARE(board->focusMarker()->target(), board->focusWidget());
}

void TestFocusMarker::theSettingSwitchesItOnAtOpening()
{
    settings.ShowFocusMarker = 1;
    openBoard();
    board->show();
    board->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(board.get()));
    // The board opens with the focus on the home score, which is marked at once.
    QCOMPARE(board->focusMarker()->target(), group("sgmScoreH"));
    QVERIFY(board->focusMarker()->isVisible());
}

QTEST_MAIN(TestFocusMarker)
#include "tst_focusmarker.moc"
