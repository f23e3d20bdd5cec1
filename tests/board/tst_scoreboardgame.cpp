#include "board/scoreboardgame.h"
#include "game/gamejournal.h"
#include "game/modsoccer.h"
#include "tests/support/fakes.h"
#include "web/webstate.h"

#include <QSignalSpy>
#include <QTest>

// The game driven without any window, as a second front end would drive it.
class TestScoreboardGame : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup() { m_model.reset(); }

    void typingAFigure_data();
    void typingAFigure();
    void theClockRunsOutOnce();
    void undoReachesFiguresAndTheClock();
    void aJournalRecordResumesTheSameGame();
    void everyKeyIsACommandFirst();

private:
    void type(const char *group, const char *keys)
    {
        for (const char *c = keys; *c; ++c) {
            m_beeps += m_model->typeKey(QLatin1String(group), *c) ? 1 : 0;
        }
    }
    QString shown(const char *group) const
    {
        return QString::number(ShownValue(*m_model->figure(QLatin1String(group))));
    }

    FakeTime m_time;
    GameState m_game;
    WebState m_web;
    std::unique_ptr<ScoreboardGame> m_model;
    int m_beeps = 0;
};

void TestScoreboardGame::init()
{
    m_game = {};
    m_web = {};
    m_beeps = 0;
    m_model = std::make_unique<ScoreboardGame>(m_game, m_web, m_time, nullptr);
}

void TestScoreboardGame::typingAFigure_data()
{
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("webSlot");
    QTest::addColumn<bool>("changed");

    QTest::newRow("score") << "sgmScoreH"
                           << "12\r"
                           << "12" << 3 << true;
    QTest::newRow("one digit commits at once") << "sgmCKV"
                                               << "7"
                                               << "7" << 11 << true;
    QTest::newRow("added") << "sgmShotsV"
                           << "+3"
                           << "3" << 10 << true;
    QTest::newRow("out of range") << "sgmPeriod"
                                  << "5"
                                  << "0" << 6 << false;
    QTest::newRow("not committed") << "sgmSavesH"
                                   << "4"
                                   << "0" << 9 << false;
}

void TestScoreboardGame::typingAFigure()
{
    QFETCH(QString, group);
    QFETCH(QString, keys);
    QSignalSpy changes(m_model.get(), &ScoreboardGame::figureChanged);
    type(group.toLatin1().constData(), keys.toLatin1().constData());
    QTEST(shown(group.toLatin1().constData()), "value");
    QFETCH(int, webSlot);
    QTEST(m_web.WebSBValues[static_cast<std::size_t>(webSlot)], "value");
    QFETCH(bool, changed);
    QVERIFY(changed ? changes.contains({group}) : changes.isEmpty());
    QCOMPARE(m_model->undoStack().count(), changed ? 1 : 0);
    QCOMPARE(m_beeps, 0);
}

void TestScoreboardGame::theClockRunsOutOnce()
{
    QSignalSpy ticking(m_model.get(), &ScoreboardGame::tickingChanged);
    QSignalSpy expired(m_model.get(), &ScoreboardGame::expired);
    type("sgmTime", "3\r");
    QCOMPARE(m_beeps, 1);
    QCOMPARE(m_web.WebSBValues[4], QStringLiteral("3.0"));
    m_model->startStopClock();
    QCOMPARE(ticking.takeFirst().at(0).toBool(), true);
    m_time.advance(1500);
    m_model->tick();
    QCOMPARE(m_model->clockFace().text, QStringLiteral("1.5"));
    QCOMPARE(expired.count(), 0);
    m_time.advance(1500);
    m_model->tick();
    QCOMPARE(m_model->clockFace().text, QStringLiteral("0.0"));
    QCOMPARE(expired.count(), 1);
    QCOMPARE(ticking.takeFirst().at(0).toBool(), false);
    // Reset goes back to the time last entered, stopped.
    m_model->resetClock();
    QCOMPARE(m_web.WebSBValues[4], QStringLiteral("3.0"));
    QVERIFY(!m_model->clockRunning());
}

void TestScoreboardGame::undoReachesFiguresAndTheClock()
{
    type("sgmScoreV", "2\r");
    type("sgmTime", "5.00\r");
    QSignalSpy changes(m_model.get(), &ScoreboardGame::figureChanged);
    m_model->undo();
    QCOMPARE(m_web.WebSBValues[4], QStringLiteral("10:00"));
    QCOMPARE(shown("sgmScoreV"), QStringLiteral("2"));
    m_model->undo();
    QCOMPARE(shown("sgmScoreV"), QStringLiteral("0"));
    QCOMPARE(m_web.WebSBValues[5], QStringLiteral("0"));
    QVERIFY(changes.contains({QStringLiteral("sgmScoreV")}));
    m_model->redo();
    m_model->redo();
    QCOMPARE(shown("sgmScoreV"), QStringLiteral("2"));
    QCOMPARE(m_web.WebSBValues[4], QStringLiteral("5:00"));
}

void TestScoreboardGame::aJournalRecordResumesTheSameGame()
{
    type("sgmScoreH", "3\r");
    type("sgmPeriod", "2");
    type("sgmTime", "8.00\r");
    m_model->startStopClock();
    m_time.advance(2000);
    const JournalRecord record = m_model->journalRecord();

    GameState game;
    WebState web;
    ScoreboardGame resumed(game, web, m_time, nullptr);
    QSignalSpy ticking(&resumed, &ScoreboardGame::tickingChanged);
    m_time.advance(1000);
    resumed.resume(record);
    QCOMPARE(ShownValue(*resumed.figure(QStringLiteral("sgmScoreH"))), 3);
    QCOMPARE(web.WebSBValues[6], QStringLiteral("2"));
    QCOMPARE(resumed.clockFace().text, QStringLiteral("7:57"));
    QCOMPARE(ticking.count(), 1);
    QCOMPARE(resumed.undoStack().count(), 0);
    QCOMPARE(game.LastEnteredTime, 480);
}

void TestScoreboardGame::everyKeyIsACommandFirst()
{
    QList<short> dispatched;
    m_model->setKeyDispatch([&](short key) {
        dispatched << key;
        // A command may act on the game before the key is typed.
        if (key == 's') {
            m_model->startStopClock();
        }
    });
    type("sgmShotsH", "1s");
    type("sgmTime", "s");
    type("lblTitle", "1"); // no figure: no command either
    QCOMPARE(dispatched, (QList<short>{'1', 's', 's'}));
    QVERIFY(!m_model->clockRunning());
}

QTEST_GUILESS_MAIN(TestScoreboardGame)
#include "tst_scoreboardgame.moc"
