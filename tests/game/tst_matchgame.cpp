#include "game/gamejournal.h"
#include "tests/support/gamefixture.h"

#include <QSignalSpy>
#include <QTest>

namespace {

constexpr qint64 Minute = 60'000;
constexpr qint64 Second = 1'000;

const MatchFormat Cup{ClockDirection::Up, 45, 15, 15, true};
const MatchFormat Futsal{ClockDirection::Down, 20, 10, 0, false};

// What the audience and the phones see of a match at one moment.
struct Seen
{
    Phase phase;
    QString clock;
    bool counting;
    int period;
    int added;
    QList<bool> homeKicks;
    QList<bool> visitorKicks;
    bool operator==(const Seen &) const = default;
};

Seen seen(const ScoreboardGame &game)
{
    const MatchState &match = game.match();
    return {match.phase, game.clockFace().text, game.counting(), game.value(Figure::Period),
        match.addedMinutes, match.shootout.kicks(Team::Home), match.shootout.kicks(Team::Visitor)};
}

void tickAfter(GameFixture &f, qint64 milliseconds)
{
    f.time.advance(milliseconds);
    f.model->tick();
}

JournalRecord throughTheDisk(const JournalRecord &record)
{
    const auto decoded = DecodeJournal(EncodeJournal(record));
    return decoded.value_or(JournalRecord());
}

} // namespace

class TestMatchGame : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void aCupMatchCountsUpThroughEveryPhase();
    void aMatchCountingDownStopsEachHalfWithTheBuzzer();
    void theDefaultBoardKeepsItsOwnClock();
    void undoTakesBackEveryPhaseChangeAndRedoRepeatsIt();
    void undoWithinAHalfLeavesTheClockRunning();
    void aResumedMatchGoesOnInItsPhase_data();
    void aResumedMatchGoesOnInItsPhase();
    void refusalsChangeNothing();
    void changingTheClockWayMidHalfKeepsTheTimePlayed();
    void typingTheMatchClockAndTheAddedTime();
};

void TestMatchGame::aCupMatchCountsUpThroughEveryPhase()
{
    GameFixture f;
    ScoreboardGame &game = *f.model;
    QSignalSpy expired(&game, &ScoreboardGame::expired);
    QVERIFY(game.setMatchFormat(Cup));
    QCOMPARE(f.clock(), QStringLiteral("0:00"));

    // The first start is the kick-off.
    game.startStopClock();
    QCOMPARE(game.match().phase, Phase::FirstHalf);
    QCOMPARE(game.value(Figure::Period), 1);
    tickAfter(f, 22 * Minute + 10 * Second);
    QCOMPARE(f.clock(), QStringLiteral("22:10"));
    QCOMPARE(game.matchMinute(), QStringLiteral("23'"));

    // Three minutes announced, two minutes ten played: the clock holds at 45:00.
    QVERIFY(game.announceAddedTime(3));
    tickAfter(f, 22 * Minute + 50 * Second + 2 * Minute + 10 * Second);
    QCOMPARE(f.clock(), QStringLiteral("45:00"));
    QCOMPARE(game.addedPlayed(), qint64(130));
    QCOMPARE(game.matchMinute(), QStringLiteral("45+3'"));
    QCOMPARE(game.match().addedMinutes, 3);
    QVERIFY(game.counting());

    // Half-time counts down at once and ends with the buzzer.
    QVERIFY(game.nextPhase());
    QCOMPARE(seen(game), (Seen{Phase::HalfTime, QStringLiteral("15:00"), true, 1, 0, {}, {}}));
    tickAfter(f, 15 * Minute);
    QCOMPARE(f.clock(), QStringLiteral("0:00"));
    QCOMPARE(expired.size(), 1);

    // The second half starts at exactly 45:00, whatever the first half's added time.
    QVERIFY(game.nextPhase());
    QCOMPARE(seen(game), (Seen{Phase::SecondHalf, QStringLiteral("45:00"), false, 2, 0, {}, {}}));
    game.startStopClock();
    tickAfter(f, Second);
    QCOMPARE(f.clock(), QStringLiteral("45:01"));
    game.setFigure(Figure::ScoreH, 2);
    game.setFigure(Figure::ScoreV, 2);
    tickAfter(f, 45 * Minute);
    QCOMPARE(f.clock(), QStringLiteral("90:00"));

    // Level: extra time, then its short break, then the second period of extra time.
    QVERIFY(game.nextPhase());
    QCOMPARE(seen(game),
        (Seen{Phase::ExtraTimeFirstHalf, QStringLiteral("90:00"), false, 3, 0, {}, {}}));
    game.startStopClock();
    tickAfter(f, 15 * Minute + 59 * Second);
    QCOMPARE(f.clock(), QStringLiteral("105:00"));
    QCOMPARE(game.matchMinute(), QStringLiteral("105+1'"));
    QVERIFY(game.nextPhase());
    QCOMPARE(
        seen(game), (Seen{Phase::ExtraTimeHalfTime, QStringLiteral("1:00"), true, 3, 0, {}, {}}));
    tickAfter(f, Minute);
    QCOMPARE(expired.size(), 2);
    QVERIFY(game.nextPhase());
    QCOMPARE(seen(game),
        (Seen{Phase::ExtraTimeSecondHalf, QStringLiteral("105:00"), false, 4, 0, {}, {}}));
    game.startStopClock();
    tickAfter(f, 7 * Minute + 30 * Second);
    QCOMPARE(f.clock(), QStringLiteral("112:30"));
    QCOMPARE(game.clockFace().hundreds, qint16(1));

    // Still level: penalties, the clock stopped where extra time ended. Four each after five
    // rounds, then sudden death.
    tickAfter(f, 9 * Minute);
    QVERIFY(game.nextPhase());
    QCOMPARE(game.match().phase, Phase::Penalties);
    QVERIFY(!game.counting());
    QCOMPARE(f.clock(), QStringLiteral("120:00"));
    const QList<bool> home{true, true, false, true, true, true};
    const QList<bool> visitor{true, true, true, false, true, false};
    for (qsizetype i = 0; i < home.size(); ++i) {
        QVERIFY(game.penaltyKick(Team::Home, home.at(i)));
        QCOMPARE(game.match().phase, Phase::Penalties);
        QVERIFY(game.penaltyKick(Team::Visitor, visitor.at(i)));
    }
    QCOMPARE(game.match().phase, Phase::FullTime);
    QCOMPARE(game.match().shootout.winner(), std::optional(Team::Home));
    QCOMPARE(game.match().shootout.scored(Team::Home), 5);
    QVERIFY(!game.nextPhase());
}

void TestMatchGame::aMatchCountingDownStopsEachHalfWithTheBuzzer()
{
    GameFixture f;
    ScoreboardGame &game = *f.model;
    QSignalSpy expired(&game, &ScoreboardGame::expired);
    QVERIFY(game.setMatchFormat(Futsal));
    QCOMPARE(f.clock(), QStringLiteral("20:00"));
    game.nextPhase();
    QCOMPARE(seen(game), (Seen{Phase::FirstHalf, QStringLiteral("20:00"), false, 1, 0, {}, {}}));
    game.startStopClock();
    tickAfter(f, 5 * Minute + 30 * Second);
    QCOMPARE(f.clock(), QStringLiteral("14:30"));
    QCOMPARE(game.matchMinute(), QStringLiteral("6'"));
    tickAfter(f, 14 * Minute + 30 * Second);
    QCOMPARE(f.clock(), QStringLiteral("0.0"));
    QCOMPARE(expired.size(), 1);
    QVERIFY(!game.counting());
    game.nextPhase();
    QCOMPARE(seen(game), (Seen{Phase::HalfTime, QStringLiteral("10:00"), true, 1, 0, {}, {}}));
    game.nextPhase();
    QCOMPARE(seen(game), (Seen{Phase::SecondHalf, QStringLiteral("20:00"), false, 2, 0, {}, {}}));
    game.setFigure(Figure::ScoreV, 1);
    // Not level, no extra time: the whistle ends the match.
    game.nextPhase();
    QCOMPARE(game.match().phase, Phase::FullTime);
}

void TestMatchGame::theDefaultBoardKeepsItsOwnClock()
{
    GameFixture f;
    ScoreboardGame &game = *f.model;
    QVERIFY(game.setMatchFormat(MatchFormat()));
    QCOMPARE(f.clock(), QStringLiteral("10:00"));
    game.startStopClock();
    QCOMPARE(game.match().phase, Phase::PreMatch);
    tickAfter(f, 9 * Minute + 59 * Second + 500);
    QCOMPARE(f.clock(), QStringLiteral("0.5"));
    QCOMPARE(game.matchMinute(), QString());
    // Corner kicks keep their one digit and the journal its old shape.
    QVERIFY(!game.setFigure(Figure::CKH, 10));
    QVERIFY(!EncodeJournal(game.journalRecord()).contains("match"));
}

void TestMatchGame::undoTakesBackEveryPhaseChangeAndRedoRepeatsIt()
{
    GameFixture f;
    ScoreboardGame &game = *f.model;
    game.setMatchFormat(Cup);
    game.startStopClock();
    tickAfter(f, 46 * Minute);
    game.startStopClock();
    // Each step the operator takes, and what the match looked like before it.
    const QList<std::function<void()>> steps{
        [&] { game.announceAddedTime(2); },
        [&] { game.nextPhase(); },
        [&] { game.nextPhase(); },
        [&] { game.nextPhase(Phase::Penalties); },
        [&] { game.penaltyKick(Team::Home, true); },
        [&] { game.penaltyKick(Team::Visitor, false); },
        [&] { game.nextPhase(Phase::FullTime); },
    };
    QList<Seen> before;
    for (const auto &step : steps) {
        before << seen(game);
        step();
        QVERIFY(seen(game) != before.last());
    }
    const Seen end = seen(game);
    for (auto it = before.crbegin(); it != before.crend(); ++it) {
        game.undo();
        // A running clock is given back stopped where it stood; the rest exactly.
        Seen expected = *it;
        expected.counting = game.counting();
        QCOMPARE(seen(game), expected);
    }
    QCOMPARE(game.match().phase, Phase::FirstHalf);
    QCOMPARE(f.clock(), QStringLiteral("45:00"));
    for (int i = 0; i < steps.size(); ++i) {
        game.redo();
    }
    QCOMPARE(seen(game), end);
}

void TestMatchGame::undoWithinAHalfLeavesTheClockRunning()
{
    GameFixture f;
    ScoreboardGame &game = *f.model;
    game.setMatchFormat(Cup);
    game.startStopClock();
    tickAfter(f, 43 * Minute);
    game.announceAddedTime(3);
    game.setFigure(Figure::ScoreH, 1);
    tickAfter(f, Minute);
    game.undo();
    game.undo();
    tickAfter(f, Minute);
    QCOMPARE(f.clock(), QStringLiteral("45:00"));
    QVERIFY(game.counting());
    QCOMPARE(game.match().addedMinutes, 0);
    QVERIFY(game.events().isEmpty());
}

void TestMatchGame::aResumedMatchGoesOnInItsPhase_data()
{
    QTest::addColumn<int>("phaseChanges");
    QTest::addColumn<qint64>("played");
    QTest::addColumn<QString>("resumed");
    QTest::addColumn<qint64>("addedPlayed");
    // Killed in added time of the first half, down for 30 s.
    QTest::newRow("added time") << 0 << 46 * Minute << QStringLiteral("45:00") << qint64(90);
    // Killed five minutes into half-time.
    QTest::newRow("half-time break") << 1 << 5 * Minute << QStringLiteral("9:30") << qint64(0);
}

void TestMatchGame::aResumedMatchGoesOnInItsPhase()
{
    QFETCH(int, phaseChanges);
    QFETCH(qint64, played);
    QFETCH(QString, resumed);
    QFETCH(qint64, addedPlayed);
    GameFixture f;
    ScoreboardGame &game = *f.model;
    game.setMatchFormat(Cup);
    game.startStopClock();
    game.announceAddedTime(4);
    for (int i = 0; i < phaseChanges; ++i) {
        game.nextPhase();
    }
    tickAfter(f, played);
    const JournalRecord record = throughTheDisk(game.journalRecord());
    const MatchState match = game.match();

    f.time.advance(30 * Second);
    f.newGame();
    f.model->resume(record);
    QCOMPARE(f.model->match(), match);
    QCOMPARE(f.clock(), resumed);
    QCOMPARE(f.model->addedPlayed(), addedPlayed);
    QVERIFY(f.model->counting());
}

void TestMatchGame::refusalsChangeNothing()
{
    GameFixture f;
    ScoreboardGame &game = *f.model;
    QVERIFY(!game.setMatchFormat({ClockDirection::Up, 61, 15, 0, false}));
    QVERIFY(!game.setMatchFormat({ClockDirection::Up, 45, 31, 0, false}));
    QCOMPARE(game.match().format, MatchFormat());
    QVERIFY(!game.announceAddedTime(3));
    QVERIFY(!game.beginAddedTimeEntry());
    QVERIFY(!game.penaltyKick(Team::Home, true));
    QVERIFY(!game.nextPhase(Phase::PreMatch));

    game.setMatchFormat(Cup);
    game.nextPhase(Phase::Penalties);
    QVERIFY(game.penaltyKick(Team::Visitor, true));
    // Kicks alternate.
    QVERIFY(!game.penaltyKick(Team::Visitor, true));
    game.nextPhase(Phase::FirstHalf);
    QVERIFY(!game.announceAddedTime(31));
    QVERIFY(!game.announceAddedTime(-1));
    // Corner kicks reach two digits in a soccer match, but not a hundred.
    QVERIFY(game.setFigure(Figure::CKH, 12));
    QVERIFY(!game.setFigure(Figure::CKV, 100));
    QCOMPARE(game.history().count(), 4);
    QCOMPARE(game.match().addedMinutes, 0);
}

void TestMatchGame::changingTheClockWayMidHalfKeepsTheTimePlayed()
{
    GameFixture f;
    ScoreboardGame &game = *f.model;
    game.setMatchFormat(Cup);
    game.nextPhase(Phase::SecondHalf);
    game.startStopClock();
    tickAfter(f, 10 * Minute);
    QCOMPARE(f.clock(), QStringLiteral("55:00"));
    game.setMatchFormat({ClockDirection::Down, 40, 15, 0, false});
    QCOMPARE(f.clock(), QStringLiteral("30:00"));
    QVERIFY(game.counting());
    tickAfter(f, Minute);
    QCOMPARE(f.clock(), QStringLiteral("29:00"));
    game.setMatchFormat(Cup);
    QCOMPARE(f.clock(), QStringLiteral("56:00"));
}

void TestMatchGame::typingTheMatchClockAndTheAddedTime()
{
    GameFixture f;
    ScoreboardGame &game = *f.model;
    // Counting down, ninety minutes is more than the clock takes.
    f.type(Figure::Time, "90.0\r");
    QCOMPARE(f.clock(), QStringLiteral("10:00"));
    game.setMatchFormat(Cup);
    f.type(Figure::Time, "90.0\r");
    QCOMPARE(f.clock(), QStringLiteral("90:00"));
    f.type(Figure::Time, "121.0\r");
    QCOMPARE(f.clock(), QStringLiteral("90:00"));
    QVERIFY(game.setClock(112 * 60 + 30));
    QCOMPARE(f.clock(), QStringLiteral("112:30"));

    game.nextPhase();
    QVERIFY(game.beginAddedTimeEntry());
    for (const char key : {'1', '2', '\b', '3', '\r'}) {
        QVERIFY(game.typeEntryKey(key));
    }
    QCOMPARE(game.match().addedMinutes, 13);
    QVERIFY(!game.entryOpen());
    // Any other key closes the entry and is left to the board.
    game.beginAddedTimeEntry();
    QVERIFY(game.typeEntryKey('5'));
    QVERIFY(!game.typeEntryKey('s'));
    QVERIFY(!game.entryOpen());
    QCOMPARE(game.match().addedMinutes, 13);
    game.beginAddedTimeEntry();
    game.typeEntryKey('4');
    game.typeEntryKey('5');
    game.typeEntryKey('\r');
    QCOMPARE(game.match().addedMinutes, 13);
}

QTEST_GUILESS_MAIN(TestMatchGame)
#include "tst_matchgame.moc"
