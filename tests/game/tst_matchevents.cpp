#include "game/gamejournal.h"
#include "tests/support/gamefixture.h"

#include <QTest>

namespace {

constexpr qint64 Minute = 60'000;
constexpr qint64 Second = 1'000;

const MatchFormat Cup{ClockDirection::Up, 45, 15, 15, true};

// The events as a reader lists them: "goal home 23' 9", one per event.
QStringList listed(const ScoreboardGame &game)
{
    QStringList lines;
    for (const MatchEvent &event : game.events()) {
        QStringList parts{QLatin1String(EventKindName(event.kind).data()),
            QLatin1String(TeamName(event.team).data()), event.minute, event.player};
        parts.removeAll(QString());
        lines << parts.join(QLatin1Char(' '));
    }
    return lines;
}

QString scores(const ScoreboardGame &game)
{
    return QStringLiteral("%1-%2").arg(game.value(Figure::ScoreH)).arg(game.value(Figure::ScoreV));
}

void tickAfter(GameFixture &f, qint64 milliseconds)
{
    f.time.advance(milliseconds);
    f.model->tick();
}

} // namespace

class TestMatchEvents : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyPointIsAGoalWithItsMinute_data();
    void everyPointIsAGoalWithItsMinute();
    void undoAndRedoKeepGoalsAndScoresInStep();
    void cardsAndSendingOffs();
    void editsMoveTheScoresWithTheGoals();
    void theOperatorTypesScorersAndCards();
    void thePhasesArePlayedIntoTheLog();
    void theJournalKeepsTheEvents();
};

void TestMatchEvents::everyPointIsAGoalWithItsMinute_data()
{
    QTest::addColumn<bool>("up");
    QTest::addColumn<qint64>("played");
    QTest::addColumn<QString>("minute");
    QTest::newRow("up, 22:10 into the first half")
        << true << 22 * Minute + 10 * Second << QStringLiteral("23'");
    QTest::newRow("up, second minute of added time")
        << true << 46 * Minute + 30 * Second << QStringLiteral("45+2'");
    QTest::newRow("down, counted from the half's start")
        << false << 22 * Minute << QStringLiteral("23'");
    QTest::newRow("down, the clock run out") << false << 50 * Minute << QStringLiteral("45'");
}

void TestMatchEvents::everyPointIsAGoalWithItsMinute()
{
    QFETCH(bool, up);
    QFETCH(qint64, played);
    QFETCH(QString, minute);
    GameFixture f;
    ScoreboardGame &game = *f.model;
    game.setMatchFormat({up ? ClockDirection::Up : ClockDirection::Down, 45, 15, 0, false});
    game.nextPhase();
    game.startStopClock();
    tickAfter(f, played);
    // Typed, a key's +1, another front end's add and set: every point is a goal.
    f.type(Figure::ScoreH, "2\r");
    f.type(Figure::ScoreH, "+1\r");
    QVERIFY(game.changeFigure(Figure::ScoreV, 1));
    QVERIFY(game.setFigure(Figure::ScoreV, 2));
    const QString home = QStringLiteral("goal home ") + minute;
    const QString visitor = QStringLiteral("goal visitor ") + minute;
    QCOMPARE(listed(game), (QStringList{home, home, home, visitor, visitor}));
    QCOMPARE(game.events().first().phase, Phase::FirstHalf);
    // A point taken back takes back that team's latest goal.
    QVERIFY(game.changeFigure(Figure::ScoreH, -1));
    QCOMPARE(listed(game), (QStringList{home, home, visitor, visitor}));
}

void TestMatchEvents::undoAndRedoKeepGoalsAndScoresInStep()
{
    GameFixture f;
    ScoreboardGame &game = *f.model;
    game.setMatchFormat(Cup);
    game.startStopClock();
    tickAfter(f, 10 * Minute);
    const QList<std::function<void()>> steps{
        [&] { game.changeFigure(Figure::ScoreH, 1); },
        [&] { game.changeFigure(Figure::ScoreV, 1); },
        [&] { game.changeFigure(Figure::ScoreH, 1); },
        [&] { game.addCard(Team::Visitor, false, QStringLiteral("4")); },
        [&] { game.changeFigure(Figure::ScoreH, -1); },
        [&] { game.removeEvent(game.events().at(1).id); },
        [&] {
            ScoreboardGame::EventEdit edit;
            edit.team = Team::Visitor;
            game.editEvent(game.events().first().id, edit);
        },
        [&] { game.setFigure(Figure::ScoreH, 3); },
    };
    QList<QPair<QStringList, QString>> before;
    for (const auto &step : steps) {
        before.append({listed(game), scores(game)});
        step();
        QVERIFY(qMakePair(listed(game), scores(game)) != before.last());
    }
    const auto end = qMakePair(listed(game), scores(game));
    QCOMPARE(end.second, QStringLiteral("3-1"));
    for (auto it = before.crbegin(); it != before.crend(); ++it) {
        game.undo();
        QCOMPARE(qMakePair(listed(game), scores(game)), *it);
    }
    for (int i = 0; i < steps.size(); ++i) {
        game.redo();
    }
    QCOMPARE(qMakePair(listed(game), scores(game)), end);
    // The clock ran on untouched by all of it.
    QVERIFY(game.counting());
    QCOMPARE(f.clock(), QStringLiteral("10:00"));
}

void TestMatchEvents::cardsAndSendingOffs()
{
    GameFixture f;
    ScoreboardGame &game = *f.model;
    game.setMatchFormat(Cup);
    game.nextPhase();
    QVERIFY(game.addCard(Team::Home, false, QStringLiteral("4")));
    QVERIFY(game.addCard(Team::Visitor, false, QStringLiteral("4")));
    QVERIFY(game.addCard(Team::Home, false, QStringLiteral("4")));
    QVERIFY(game.addCard(Team::Home, true, QStringLiteral("7")));
    // A card without a number cannot make a second yellow.
    QVERIFY(game.addCard(Team::Visitor, false, QString()));
    QVERIFY(game.addCard(Team::Visitor, false, QString()));
    QVERIFY(!game.addCard(Team::Home, false, QStringLiteral("1234")));
    QVERIFY(!game.addCard(Team::Home, false, QStringLiteral("9a")));
    QCOMPARE(listed(game),
        (QStringList{QStringLiteral("yellow home 1' 4"), QStringLiteral("yellow visitor 1' 4"),
            QStringLiteral("secondYellow home 1' 4"), QStringLiteral("red home 1' 7"),
            QStringLiteral("yellow visitor 1'"), QStringLiteral("yellow visitor 1'")}));
    QCOMPARE(game.sendingOffs(Team::Home), 2);
    QCOMPARE(game.sendingOffs(Team::Visitor), 0);
    QCOMPARE(scores(game), QStringLiteral("0-0"));
    game.undo();
    game.undo();
    game.undo();
    QCOMPARE(game.sendingOffs(Team::Home), 1);
}

void TestMatchEvents::editsMoveTheScoresWithTheGoals()
{
    GameFixture f;
    ScoreboardGame &game = *f.model;
    game.setTeamSheets(TeamSheet(QStringLiteral("9 Alex Morgan\n10. Sam Kerr\nno number here")),
        TeamSheet(QStringLiteral("9 Ada Hegerberg")));
    game.setFigure(Figure::ScoreH, 2);
    const int first = game.events().first().id;
    ScoreboardGame::EventEdit scorer;
    scorer.player = QStringLiteral("10");
    QVERIFY(game.editEvent(first, scorer));
    QCOMPARE(game.events().first().name, QStringLiteral("Sam Kerr"));

    ScoreboardGame::EventEdit moved;
    moved.team = Team::Visitor;
    moved.minute = QStringLiteral("45+2'");
    QVERIFY(game.editEvent(first, moved));
    QCOMPARE(scores(game), QStringLiteral("1-1"));
    ScoreboardGame::EventEdit card;
    card.kind = EventKind::Red;
    QVERIFY(game.editEvent(first, card));
    QCOMPARE(scores(game), QStringLiteral("1-0"));
    QCOMPARE(game.sendingOffs(Team::Visitor), 1);

    // Refused edits change nothing.
    const QStringList before = listed(game);
    for (const QString &minute : {QStringLiteral("45+'"), QStringLiteral("23"),
             QStringLiteral("1234'"), QStringLiteral("x'")}) {
        ScoreboardGame::EventEdit bad;
        bad.minute = minute;
        QVERIFY2(!game.editEvent(first, bad), qPrintable(minute));
    }
    ScoreboardGame::EventEdit badName;
    badName.name = QStringLiteral("Sam\nKerr");
    QVERIFY(!game.editEvent(first, badName));
    QVERIFY(!game.editEvent(999, scorer));
    QVERIFY(!game.removeEvent(999));
    QCOMPARE(listed(game), before);

    QVERIFY(game.removeEvent(game.events().last().id));
    QCOMPARE(scores(game), QStringLiteral("0-0"));
}

void TestMatchEvents::theOperatorTypesScorersAndCards()
{
    GameFixture f;
    ScoreboardGame &game = *f.model;
    const auto typeEntry = [&](ScoreboardGame::Entry entry, const char *keys) {
        QVERIFY(game.beginEntry(entry));
        for (const char *c = keys; *c; ++c) {
            QVERIFY(game.typeEntryKey(*c));
        }
        QVERIFY(!game.entryOpen());
    };
    game.setFigure(Figure::ScoreH, 1);
    game.setFigure(Figure::ScoreV, 1);
    typeEntry(ScoreboardGame::Entry::Scorer, "09\r");
    typeEntry(ScoreboardGame::Entry::VisitorYellow, "14\r");
    typeEntry(ScoreboardGame::Entry::VisitorYellow, "14\r");
    typeEntry(ScoreboardGame::Entry::HomeRed, "5\x1b");
    QCOMPARE(listed(game),
        (QStringList{QStringLiteral("goal home"), QStringLiteral("goal visitor 9"),
            QStringLiteral("yellow visitor 14"), QStringLiteral("secondYellow visitor 14")}));
}

void TestMatchEvents::thePhasesArePlayedIntoTheLog()
{
    GameFixture f;
    ScoreboardGame &game = *f.model;
    game.setMatchFormat(Cup);
    f.time.advance(5 * Minute);
    const qint64 kickOff = f.time.wallClockMilliseconds();
    game.startStopClock();
    game.announceAddedTime(2);
    game.setFigure(Figure::ScoreH, 1);
    tickAfter(f, 46 * Minute + 40 * Second);
    game.nextPhase();
    tickAfter(f, 15 * Minute);
    game.nextPhase();
    const QList<PhaseRecord> &log = game.phaseLog();
    QCOMPARE(log.size(), 3);
    const PhaseRecord &first = log.at(0);
    QCOMPARE(first.phase, Phase::FirstHalf);
    QCOMPARE(first.wallStart, kickOff);
    QCOMPARE(first.wallEnd, kickOff + 46 * Minute + 40 * Second);
    QCOMPARE(first.clockStart, QStringLiteral("0:00"));
    QCOMPARE(first.clockEnd, QStringLiteral("45:00"));
    QCOMPARE(first.addedAnnounced, 2);
    QCOMPARE(first.addedPlayed, qint64(100));
    QCOMPARE(first.homeScore, 1);
    QCOMPARE(log.at(1).phase, Phase::HalfTime);
    QCOMPARE(log.at(1).clockStart, QStringLiteral("15:00"));
    QCOMPARE(log.at(1).clockEnd, QStringLiteral("0:00"));
    // The second half has not kicked off yet.
    QCOMPARE(log.at(2).wallStart, qint64(0));
    QCOMPARE(log.at(2).clockStart, QStringLiteral("45:00"));
}

void TestMatchEvents::theJournalKeepsTheEvents()
{
    GameFixture f;
    ScoreboardGame &game = *f.model;
    game.setMatchFormat(Cup);
    game.startStopClock();
    tickAfter(f, 12 * Minute);
    game.setFigure(Figure::ScoreV, 1);
    game.addCard(Team::Home, true, QStringLiteral("3"));
    ScoreboardGame::EventEdit named;
    named.player = QStringLiteral("11");
    named.name = QStringLiteral("Zoë \"Z\" O'Hara, jr.");
    game.editEvent(game.events().first().id, named);
    const MatchState match = game.match();
    const QByteArray data = EncodeJournal(game.journalRecord());
    const auto record = DecodeJournal(data);
    QVERIFY(record);
    f.newGame();
    f.model->resume(*record);
    QCOMPARE(f.model->match(), match);
    QCOMPARE(listed(*f.model),
        (QStringList{QStringLiteral("goal visitor 13' 11"), QStringLiteral("red home 13' 3")}));
    // Ids go on from where they were.
    f.model->addCard(Team::Home, false, {});
    QCOMPARE(f.model->events().last().id, 3);

    // A journal whose events cannot be is not ours.
    QVERIFY(DecodeJournal(QByteArray(data).replace("\"kind\":\"red\"", "\"kind\":\"blue\""))
        == std::nullopt);
    QVERIFY(DecodeJournal(QByteArray(data).replace("\"player\":\"3\"", "\"player\":\"3x\""))
        == std::nullopt);
    QVERIFY(DecodeJournal(QByteArray(data).replace("\"nextEventId\":3", "\"nextEventId\":2"))
        == std::nullopt);
}

QTEST_GUILESS_MAIN(TestMatchEvents)
#include "tst_matchevents.moc"
