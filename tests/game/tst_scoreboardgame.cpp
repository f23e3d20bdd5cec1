#include "game/gamejournal.h"
#include "tests/support/gamefixture.h"

#include <QSignalSpy>
#include <QTest>

// The game driven without any window, as a second front end would drive it.
class TestScoreboardGame : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { m_game.newGame(); }

    void typingAFigure_data();
    void typingAFigure();
    void theClockRunsOutOnce();
    void undoReachesFiguresAndTheClock();
    void theHistoryKeepsItsLimit();
    void aJournalRecordResumesTheSameGame();
    void readersHearOfEveryVisibleChangeOnce();

private:
    ScoreboardGame &model() { return *m_game.model; }
    GameFixture m_game;
};

void TestScoreboardGame::typingAFigure_data()
{
    QTest::addColumn<Figure>("figure");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("changed");

    QTest::newRow("score") << Figure::ScoreH << "12\r"
                           << "12" << true;
    QTest::newRow("one digit commits at once") << Figure::CKV << "7"
                                               << "7" << true;
    QTest::newRow("added") << Figure::ShotsV << "+3"
                           << "3" << true;
    QTest::newRow("out of range") << Figure::Period << "5"
                                  << "0" << false;
    QTest::newRow("not committed") << Figure::SavesH << "4"
                                   << "0" << false;
}

void TestScoreboardGame::typingAFigure()
{
    QFETCH(Figure, figure);
    QFETCH(QString, keys);
    m_game.type(figure, keys.toLatin1().constData());
    QTEST(QString::number(model().value(figure)), "value");
    QTEST(m_game.published(figure), "value");
    QFETCH(bool, changed);
    QCOMPARE(m_game.changedFigures, changed ? QList<Figure>{figure} : QList<Figure>{});
    QCOMPARE(model().history().count(), changed ? 1 : 0);
    QCOMPARE(m_game.beeps, 0);
}

void TestScoreboardGame::theClockRunsOutOnce()
{
    QSignalSpy ticking(&model(), &ScoreboardGame::tickingChanged);
    QSignalSpy expired(&model(), &ScoreboardGame::expired);
    m_game.type(Figure::Time, "3\r");
    QCOMPARE(m_game.beeps, 1);
    QCOMPARE(m_game.published(Figure::Time), QStringLiteral("3.0"));
    model().startStopClock();
    QCOMPARE(ticking.takeFirst().at(0).toBool(), true);
    m_game.time.advance(1500);
    model().tick();
    QCOMPARE(m_game.clock(), QStringLiteral("1.5"));
    QCOMPARE(expired.count(), 0);
    m_game.time.advance(1500);
    model().tick();
    QCOMPARE(m_game.clock(), QStringLiteral("0.0"));
    QCOMPARE(expired.count(), 1);
    QCOMPARE(ticking.takeFirst().at(0).toBool(), false);
    // Reset goes back to the time last entered, stopped.
    model().resetClock();
    QCOMPARE(m_game.published(Figure::Time), QStringLiteral("3.0"));
    QVERIFY(!model().clockRunning());
}

void TestScoreboardGame::undoReachesFiguresAndTheClock()
{
    m_game.type(Figure::ScoreV, "2\r");
    m_game.type(Figure::Time, "5.00\r");
    m_game.changedFigures.clear();
    model().undo();
    QCOMPARE(m_game.published(Figure::Time), QStringLiteral("10:00"));
    QCOMPARE(model().value(Figure::ScoreV), 2);
    model().undo();
    QCOMPARE(m_game.digits(Figure::ScoreV), QStringLiteral("00"));
    QCOMPARE(m_game.published(Figure::ScoreV), QStringLiteral("0"));
    QCOMPARE(m_game.changedFigures, QList<Figure>{Figure::ScoreV});
    QVERIFY(!model().history().canUndo());
    model().redo();
    model().redo();
    QVERIFY(!model().history().canRedo());
    QCOMPARE(m_game.digits(Figure::ScoreV), QStringLiteral(" 2"));
    QCOMPARE(m_game.published(Figure::Time), QStringLiteral("5:00"));
    // A new change drops what was undone after it.
    model().undo();
    model().setFigure(Figure::CKH, 4);
    QCOMPARE(model().history().count(), 2);
    model().redo();
    QCOMPARE(m_game.published(Figure::Time), QStringLiteral("10:00"));
}

void TestScoreboardGame::theHistoryKeepsItsLimit()
{
    // A hundred changes can be taken back; the oldest beyond that go.
    for (int i = 1; i <= 105; ++i) {
        model().setFigure(Figure::ShotsH, i % 100);
    }
    QCOMPARE(model().history().count(), 100);
    while (model().history().canUndo()) {
        model().undo();
    }
    QCOMPARE(model().value(Figure::ShotsH), 5);
}

void TestScoreboardGame::aJournalRecordResumesTheSameGame()
{
    m_game.type(Figure::ScoreH, "3\r");
    m_game.type(Figure::Period, "2");
    m_game.type(Figure::Time, "8.00\r");
    model().startStopClock();
    m_game.time.advance(2000);
    const JournalRecord record = model().journalRecord();
    // Digit 0 first, as the journal has always kept them; untouched figures show every zero.
    QCOMPARE(record.Figures.value(QStringLiteral("sgmScoreH")), (QList<qint16>{3, -1}));
    QCOMPARE(record.Figures.value(QStringLiteral("sgmShotsV")), (QList<qint16>{0, 0}));

    GameState game;
    ScoreboardGame resumed(game, m_game.time, nullptr);
    QSignalSpy ticking(&resumed, &ScoreboardGame::tickingChanged);
    m_game.time.advance(1000);
    resumed.resume(record);
    QCOMPARE(resumed.value(Figure::ScoreH), 3);
    QCOMPARE(resumed.figureValue(Figure::ShotsV), FigureValue{});
    QCOMPARE(resumed.WebSBValues()[6], QStringLiteral("2"));
    QCOMPARE(resumed.clockFace().text, QStringLiteral("7:57"));
    QCOMPARE(ticking.count(), 1);
    QCOMPARE(resumed.history().count(), 0);
    QCOMPARE(game.LastEnteredTime, 480);
    QCOMPARE(resumed.journalRecord().Figures, record.Figures);
}

void TestScoreboardGame::readersHearOfEveryVisibleChangeOnce()
{
    // The phones and any other reader follow changed(): it fires when what they show moves,
    // not on every tick.
    model().startStopClock();
    QCOMPARE(m_game.changes, 1);
    for (int i = 0; i < 20; ++i) {
        m_game.time.advance(50);
        model().tick();
    }
    QCOMPARE(m_game.clock(), QStringLiteral("9:59"));
    QCOMPARE(m_game.changes, 2);
    model().setFigure(Figure::ScoreH, 1);
    model().setFigure(Figure::ScoreH, 1); // the same value again changes nothing
    QCOMPARE(m_game.changes, 3);
    model().startStopClock();
    QCOMPARE(m_game.changes, 4);
}

QTEST_GUILESS_MAIN(TestScoreboardGame)
#include "tst_scoreboardgame.moc"
