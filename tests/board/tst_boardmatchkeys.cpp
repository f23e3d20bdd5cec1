#include "board/frmevents.h"
#include "game/matchevents.h"
#include "tests/support/boardfixture.h"

#include <QPointer>

#include <QTest>

Q_DECLARE_METATYPE(Phase)

// The match's keys on the board: the next-phase key, and the added time, a goal's scorer and the
// cards typed after their keys, which take the keys they need before any figure does.
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
    void scorerAndCardsAreTypedAfterTheirKeys_data();
    void scorerAndCardsAreTypedAfterTheirKeys();
    void theEventsKeyOpensTheEventsWindow();

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
            } else if (c == '\b') {
                QTest::keyClick(target, Qt::Key_Backspace);
            } else {
                QTest::keyClick(target, c);
            }
        }
    }
    ScoreboardGame &model() { return board->scoreboardGame(); }
    // The events as "kind team player" each, in match order.
    QStringList events()
    {
        QStringList said;
        for (const MatchEvent &event : model().events()) {
            said << QStringLiteral("%1 %2 %3")
                        .arg(QLatin1String(EventKindName(event.kind)),
                            QLatin1String(TeamName(event.team)), event.player)
                        .trimmed();
        }
        return said;
    }
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

void TestBoardMatchKeys::scorerAndCardsAreTypedAfterTheirKeys_data()
{
    QTest::addColumn<QByteArray>("on");
    QTest::addColumn<QByteArray>("keys");
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<int>("homeSentOff");
    QTest::addColumn<int>("visitorSentOff");
    QTest::addColumn<QByteArray>("figure");
    QTest::addColumn<QString>("shown");
    // The events as "kind team player", separated by ';'.
    const auto row = [](const char *name, const char *on, const char *keys, const char *events,
                         int home, int visitor, const char *figure, const char *shown) {
        QTest::newRow(name) << QByteArray(on) << QByteArray(keys)
                            << QString::fromLatin1(events).split(
                                   QLatin1Char(';'), Qt::SkipEmptyParts)
                            << home << visitor << QByteArray(figure) << QString::fromLatin1(shown);
    };
    row("a goal added, then its scorer", "sgmScoreH", "+1n9\r", "goal home 9", 0, 0, "sgmScoreH",
        " 1");
    row("the scorer of the latest goal, of either team", "", "n1\r", "goal home;goal visitor 1", 0,
        0, "sgmScoreV", " 1");
    row("typing a score still works", "sgmScoreH", "3\r", "goal home;goal home;goal home", 0, 0,
        "sgmScoreH", " 3");
    row("a home yellow", "", "y4\r", "yellow home 4", 0, 0, "sgmScoreH", "00");
    row("a second yellow sends off", "", "y4\ry4\r", "yellow home 4;secondYellow home 4", 1, 0,
        "sgmScoreH", "00");
    row("a visitor yellow", "sgmScoreV", "Y12\r", "yellow visitor 12", 0, 0, "sgmScoreV", "00");
    row("a home red", "", "x10\r", "red home 10", 1, 0, "sgmScoreH", "00");
    row("a visitor red typed on the period", "sgmPeriod", "X7\r", "red visitor 7", 0, 1,
        "sgmPeriod", "1");
    row("a card with no number", "", "x\r", "red home", 1, 0, "sgmScoreH", "00");
    row("Backspace takes a digit back", "", "Y45\b\r", "yellow visitor 4", 0, 0, "sgmScoreH", "00");
    row("at most three digits", "", "y12345\r", "yellow home 123", 0, 0, "sgmScoreH", "00");
    row("Esc cancels", "sgmScoreH", "y4\x1b", "", 0, 0, "sgmScoreH", "00");
    row("space cancels", "sgmPeriod", "x4 ", "", 0, 0, "sgmPeriod", "1");
    row("after the card, digits are the figure's again", "sgmPeriod", "y2\r3", "yellow home 2", 0,
        0, "sgmPeriod", "3");
}

void TestBoardMatchKeys::scorerAndCardsAreTypedAfterTheirKeys()
{
    QFETCH(QByteArray, on);
    QFETCH(QByteArray, keys);
    QFETCH(QByteArray, figure);
    QVERIFY(model().nextPhase());
    // Two goals before the keys, a home one and then the latest, a visitor's, for the scorer
    // rows; the others start from none.
    if (QTest::currentDataTag() == QByteArray("the scorer of the latest goal, of either team")) {
        QVERIFY(model().setFigure(Figure::ScoreH, 1));
        QVERIFY(model().setFigure(Figure::ScoreV, 1));
    }
    typeOn(on, keys);
    QTEST(events(), "events");
    QTEST(model().sendingOffs(Team::Home), "homeSentOff");
    QTEST(model().sendingOffs(Team::Visitor), "visitorSentOff");
    QTEST(ShownFigure(group(figure.constData())), "shown");
    QVERIFY(!model().entryOpen());
    QCOMPARE(ui.beeps, 0);
    // A configurable key bound to one of them keeps its binding.
    settings.StartStopClockKey = 'y';
    typeOn({}, "y4\r");
    QVERIFY(clockRunning());
    QTEST(events(), "events");
}

void TestBoardMatchKeys::theEventsKeyOpensTheEventsWindow()
{
    board->show();
    QVERIFY(!board->eventsWindow());
    typeOn("sgmScoreH", "e");
    QVERIFY(board->eventsWindow());
    QVERIFY(board->eventsWindow()->isVisible());
    QCOMPARE(ShownFigure(group("sgmScoreH")), QStringLiteral("00"));
    // Asked again, the same window.
    const QPointer<frmEvents> first = board->eventsWindow();
    first->close();
    typeOn({}, "e");
    QCOMPARE(board->eventsWindow(), first);
    QVERIFY(first->isVisible());
}

QTEST_MAIN(TestBoardMatchKeys)
#include "tst_boardmatchkeys.moc"
