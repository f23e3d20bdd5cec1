#include "board/overlaykeys.h"
#include "game/overlaystate.h"
#include "tests/support/boardfixture.h"

#include <QApplication>
#include <QTest>

// The overlay's keys on the board, as the operator's keyboard delivers them: each moves its
// panel or fires the pop-up, and none types into a figure.
class TestOverlayKeys : public QObject, private BoardFixture
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void eachKeyTogglesItsPanel_data();
    void eachKeyTogglesItsPanel();
    void ctrlGShowsTheLatestGoalAgain();

private:
    void press(Qt::Key key)
    {
        QTest::keyClick(QApplication::focusWidget(), key, Qt::ControlModifier);
    }

    std::unique_ptr<OverlayState> m_overlay;
};

void TestOverlayKeys::init()
{
    resetBoard();
    openBoard();
    m_overlay = std::make_unique<OverlayState>(board->scoreboardGame());
    AddOverlayKeys(*board, *m_overlay);
    board->show();
    board->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(board.get()));
    // A figure has the focus: what it would take as typing must not reach it.
    group("sgmScoreH")->setFocus();
}

void TestOverlayKeys::cleanup()
{
    closeBoard();
    m_overlay.reset();
}

void TestOverlayKeys::eachKeyTogglesItsPanel_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("panel");
    QTest::newRow("Ctrl+1: the score bug") << int(Qt::Key_1) << int(OverlayPanel::ScoreBug);
    QTest::newRow("Ctrl+2: the statistics") << int(Qt::Key_2) << int(OverlayPanel::Statistics);
    QTest::newRow("Ctrl+3: the shoot-out") << int(Qt::Key_3) << int(OverlayPanel::Shootout);
    QTest::newRow("Ctrl+4: the board") << int(Qt::Key_4) << int(OverlayPanel::Board);
}

void TestOverlayKeys::eachKeyTogglesItsPanel()
{
    QFETCH(int, key);
    QFETCH(int, panel);
    std::array<bool, OverlayPanelCount> expected{};
    for (int i = 0; i < OverlayPanelCount; ++i) {
        expected[std::size_t(i)] = m_overlay->visible(OverlayPanel(i));
    }
    for (int press = 0; press < 3; ++press) {
        this->press(Qt::Key(key));
        expected[std::size_t(panel)] = !expected[std::size_t(panel)];
        for (int i = 0; i < OverlayPanelCount; ++i) {
            QCOMPARE(m_overlay->visible(OverlayPanel(i)), expected[std::size_t(i)]);
        }
    }
    QCOMPARE(ShownFigure(group("sgmScoreH")), QStringLiteral("00"));
    QVERIFY(game.NumberEntry.text.isEmpty());
    QCOMPARE(board->scoreboardGame().history().count(), 0);
}

void TestOverlayKeys::ctrlGShowsTheLatestGoalAgain()
{
    press(Qt::Key_G);
    QCOMPARE(m_overlay->goalPopupSeq(), 0);
    QVERIFY(board->scoreboardGame().changeFigure(Figure::ScoreV, 1));
    QCOMPARE(m_overlay->goalPopupSeq(), 1);
    press(Qt::Key_G);
    press(Qt::Key_G);
    QCOMPARE(m_overlay->goalPopupSeq(), 3);
    QCOMPARE(m_overlay->goalPopupId(), board->scoreboardGame().events().last().id);
    QVERIFY(game.NumberEntry.text.isEmpty());
}

QTEST_MAIN(TestOverlayKeys)
#include "tst_overlaykeys.moc"
