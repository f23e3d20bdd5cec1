#include "tests/support/boardfixture.h"

#include <QTest>

Q_DECLARE_METATYPE(Phase)

// The match's keys on the board: the next-phase key and the added time typed after its key,
// which takes the keys it needs before any figure does.
class TestBoardMatchKeys : public QObject, private BoardFixture
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void theNextPhaseKeyMovesTheMatchOn_data();
    void theNextPhaseKeyMovesTheMatchOn();
    void addedTimeIsTypedBeforeAnyFigure_data();
    void addedTimeIsTypedBeforeAnyFigure();

private:
    // Types `keys` on the group named, or on the board itself when none is; "\r" is Enter and
    // "\x1b" Esc.
    void typeOn(const QByteArray &groupName, const QByteArray &keys)
    {
        QWidget *target = groupName.isEmpty() ? static_cast<QWidget *>(board.get())
                                              : group(groupName.constData());
        for (const char c : keys) {
            if (c == '\r') {
                QTest::keyClick(target, Qt::Key_Return);
            } else if (c == '\x1b') {
                QTest::keyClick(target, Qt::Key_Escape);
            } else {
                QTest::keyClick(target, c);
            }
        }
    }
    ScoreboardGame &model() { return board->scoreboardGame(); }
};

void TestBoardMatchKeys::init()
{
    resetBoard();
    openBoard();
}

void TestBoardMatchKeys::cleanup()
{
    closeBoard();
}

void TestBoardMatchKeys::theNextPhaseKeyMovesTheMatchOn_data()
{
    QTest::addColumn<char>("boundTo");
    QTest::addColumn<QByteArray>("on");
    QTest::addColumn<QByteArray>("keys");
    QTest::addColumn<Phase>("phase");
    QTest::newRow("on the board") << 'p' << QByteArray() << QByteArray("p") << Phase::FirstHalf;
    QTest::newRow("twice") << 'p' << QByteArray() << QByteArray("pp") << Phase::HalfTime;
    QTest::newRow("typed into a figure")
        << 'p' << QByteArray("sgmScoreH") << QByteArray("p") << Phase::FirstHalf;
    QTest::newRow("to full time and no further")
        << 'p' << QByteArray() << QByteArray("pppppp") << Phase::FullTime;
    QTest::newRow("rebound, the old key does nothing")
        << 'n' << QByteArray() << QByteArray("p") << Phase::PreMatch;
    QTest::newRow("rebound") << 'n' << QByteArray("sgmPeriod") << QByteArray("n")
                             << Phase::FirstHalf;
}

void TestBoardMatchKeys::theNextPhaseKeyMovesTheMatchOn()
{
    QFETCH(char, boundTo);
    QFETCH(QByteArray, on);
    QFETCH(QByteArray, keys);
    QFETCH(Phase, phase);
    settings.NextPhaseKey = boundTo;
    typeOn(on, keys);
    QCOMPARE(model().match().phase, phase);
}

void TestBoardMatchKeys::addedTimeIsTypedBeforeAnyFigure_data()
{
    QTest::addColumn<bool>("inAHalf");
    QTest::addColumn<QByteArray>("on");
    QTest::addColumn<QByteArray>("keys");
    QTest::addColumn<int>("addedMinutes");
    QTest::addColumn<bool>("running");
    QTest::addColumn<QByteArray>("figure");
    QTest::addColumn<QString>("shown");
    QTest::newRow("on the board") << true << QByteArray() << QByteArray("a3\r") << 3 << false
                                  << QByteArray("sgmScoreH") << "00";
    QTest::newRow("on the home score") << true << QByteArray("sgmScoreH") << QByteArray("a3\r") << 3
                                       << false << QByteArray("sgmScoreH") << "00";
    QTest::newRow("two digits on the period")
        << true << QByteArray("sgmPeriod") << QByteArray("a12\r") << 12 << false
        << QByteArray("sgmPeriod") << "1";
    QTest::newRow("Esc cancels") << true << QByteArray("sgmScoreH") << QByteArray("a3\x1b") << 0
                                 << false << QByteArray("sgmScoreH") << "00";
    QTest::newRow("space cancels") << true << QByteArray("sgmPeriod") << QByteArray("a3 ") << 0
                                   << false << QByteArray("sgmPeriod") << "1";
    QTest::newRow("a key it does not take goes on") << true << QByteArray() << QByteArray("a3s")
                                                    << 0 << true << QByteArray("sgmScoreH") << "00";
    QTest::newRow("after the entry, digits are the figure's again")
        << true << QByteArray("sgmPeriod") << QByteArray("a2\r3") << 2 << false
        << QByteArray("sgmPeriod") << "3";
    QTest::newRow("refused before the kick-off: the digit is the figure's")
        << false << QByteArray("sgmPeriod") << QByteArray("a3") << 0 << false
        << QByteArray("sgmPeriod") << "3";
}

void TestBoardMatchKeys::addedTimeIsTypedBeforeAnyFigure()
{
    QFETCH(bool, inAHalf);
    QFETCH(QByteArray, on);
    QFETCH(QByteArray, keys);
    QFETCH(QByteArray, figure);
    if (inAHalf) {
        QVERIFY(model().nextPhase());
    }
    const QString clockBefore = model().clockFace().text;
    typeOn(on, keys);
    QTEST(model().match().addedMinutes, "addedMinutes");
    QTEST(clockRunning(), "running");
    QTEST(ShownFigure(group(figure.constData())), "shown");
    QVERIFY(!model().entryOpen());
    if (!clockRunning()) {
        QCOMPARE(model().clockFace().text, clockBefore);
    }
    QCOMPARE(ui.beeps, 0);
}

QTEST_MAIN(TestBoardMatchKeys)
#include "tst_boardmatchkeys.moc"
