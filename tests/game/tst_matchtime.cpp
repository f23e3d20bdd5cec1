#include "game/matchtime.h"

#include <QTest>

// Match time's rules: formats, the order of phases, where halves lie on the match clock, the
// minute of an event, and the penalty shoot-out.
class TestMatchTime : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void formatsAreCheckedField_data();
    void formatsAreCheckedField();
    void everyPresetCanBePlayed();
    void phaseNamesAreTheContract();
    void theRulesGiveTheNextPhase_data();
    void theRulesGiveTheNextPhase();
    void halvesLieOnTheMatchClock();
    void breaksCountDown();
    void minutesAreWrittenAsSoccerWritesThem_data();
    void minutesAreWrittenAsSoccerWritesThem();
    void aShootoutIsDecidedInTheFirstFiveRounds();
    void aShootoutGoesToSuddenDeath();
    void kicksAlternate();
};

void TestMatchTime::formatsAreCheckedField_data()
{
    QTest::addColumn<int>("half");
    QTest::addColumn<int>("pause");
    QTest::addColumn<int>("extra");
    QTest::addColumn<QString>("refusal");
    QTest::newRow("adult") << 45 << 15 << 15 << "";
    QTest::newRow("shortest") << 1 << 0 << 0 << "";
    QTest::newRow("longest") << 60 << 30 << 30 << "";
    QTest::newRow("no half") << 0 << 15 << 0 << "halfMinutes is a whole number from 1 to 60";
    QTest::newRow("half too long") << 61 << 15 << 0 << "halfMinutes is a whole number from 1 to 60";
    QTest::newRow("negative break")
        << 45 << -1 << 0 << "breakMinutes is a whole number from 0 to 30";
    QTest::newRow("extra time too long")
        << 45 << 15 << 31 << "extraTimeMinutes is a whole number from 0 to 30";
}

void TestMatchTime::formatsAreCheckedField()
{
    QFETCH(int, half);
    QFETCH(int, pause);
    QFETCH(int, extra);
    QFETCH(QString, refusal);
    MatchFormat format;
    format.halfMinutes = half;
    format.breakMinutes = pause;
    format.extraTimeMinutes = extra;
    QCOMPARE(MatchFormatRefusal(format).value_or(QString()), refusal);
}

void TestMatchTime::everyPresetCanBePlayed()
{
    for (const MatchPreset &preset : MatchPresets) {
        QVERIFY2(!MatchFormatRefusal(preset.format), preset.name.data());
    }
    // The board's own way stays the default.
    QCOMPARE(MatchFormat{}.clock, ClockDirection::Down);
}

void TestMatchTime::phaseNamesAreTheContract()
{
    const QStringList names{QStringLiteral("preMatch"), QStringLiteral("firstHalf"),
        QStringLiteral("halfTime"), QStringLiteral("secondHalf"),
        QStringLiteral("extraTimeFirstHalf"), QStringLiteral("extraTimeHalfTime"),
        QStringLiteral("extraTimeSecondHalf"), QStringLiteral("penalties"),
        QStringLiteral("fullTime")};
    for (int i = 0; i < PhaseCount; ++i) {
        const auto phase = static_cast<Phase>(i);
        const std::string_view name = PhaseName(phase);
        QCOMPARE(QLatin1String(name.data(), qsizetype(name.size())), names.at(i));
        QCOMPARE(PhaseNamed(name), phase);
    }
    QCOMPARE(PhaseNamed("FirstHalf"), std::nullopt);
    QCOMPARE(PhaseNamed(""), std::nullopt);
}

void TestMatchTime::theRulesGiveTheNextPhase_data()
{
    // Each row: the phases met from kick-off on, with the scores level at the ends or not.
    QTest::addColumn<int>("extra");
    QTest::addColumn<bool>("penalties");
    QTest::addColumn<bool>("level");
    QTest::addColumn<QString>("phases");
    QTest::newRow("a league game")
        << 0 << false << true << "firstHalf halfTime secondHalf fullTime";
    QTest::newRow("a cup game won in normal time")
        << 15 << true << false << "firstHalf halfTime secondHalf fullTime";
    QTest::newRow("a cup game level throughout")
        << 15 << true << true
        << "firstHalf halfTime secondHalf extraTimeFirstHalf extraTimeHalfTime "
           "extraTimeSecondHalf penalties fullTime";
    QTest::newRow("penalties straight after normal time")
        << 0 << true << true << "firstHalf halfTime secondHalf penalties fullTime";
    QTest::newRow("extra time, no penalties")
        << 15 << false << true
        << "firstHalf halfTime secondHalf extraTimeFirstHalf extraTimeHalfTime "
           "extraTimeSecondHalf fullTime";
}

void TestMatchTime::theRulesGiveTheNextPhase()
{
    QFETCH(int, extra);
    QFETCH(bool, penalties);
    QFETCH(bool, level);
    QFETCH(QString, phases);
    MatchFormat format;
    format.extraTimeMinutes = extra;
    format.penalties = penalties;
    QStringList met;
    Phase phase = Phase::PreMatch;
    while (phase != Phase::FullTime) {
        phase = NextPhase(phase, format, level);
        met << QString::fromLatin1(PhaseName(phase).data(), qsizetype(PhaseName(phase).size()));
    }
    QCOMPARE(met.join(QLatin1Char(' ')), phases);
    // Full time stays full time.
    QCOMPARE(NextPhase(Phase::FullTime, format, level), Phase::FullTime);
}

void TestMatchTime::halvesLieOnTheMatchClock()
{
    MatchFormat up{ClockDirection::Up, 45, 15, 15, true};
    QCOMPARE(HalfSpanOf(Phase::FirstHalf, up)->start, 0);
    QCOMPARE(HalfSpanOf(Phase::FirstHalf, up)->end, 45 * 60);
    // The second half starts at 45:00 whatever was played in the first.
    QCOMPARE(HalfSpanOf(Phase::SecondHalf, up)->start, 45 * 60);
    QCOMPARE(HalfSpanOf(Phase::SecondHalf, up)->end, 90 * 60);
    QCOMPARE(HalfSpanOf(Phase::ExtraTimeFirstHalf, up)->end, 105 * 60);
    QCOMPARE(HalfSpanOf(Phase::ExtraTimeSecondHalf, up)->start, 105 * 60);
    QCOMPARE(HalfSpanOf(Phase::ExtraTimeSecondHalf, up)->end, 120 * 60);
    QVERIFY(!HalfSpanOf(Phase::HalfTime, up));
    QVERIFY(!HalfSpanOf(Phase::Penalties, up));
    // Down: every half counts from its own length.
    MatchFormat down{ClockDirection::Down, 20, 10, 5, false};
    QCOMPARE(HalfSpanOf(Phase::SecondHalf, down)->length(), 20 * 60);
    QCOMPARE(HalfSpanOf(Phase::SecondHalf, down)->start, 0);
    QCOMPARE(HalfSpanOf(Phase::ExtraTimeSecondHalf, down)->length(), 5 * 60);
}

void TestMatchTime::breaksCountDown()
{
    const MatchFormat format{ClockDirection::Up, 45, 15, 15, true};
    QCOMPARE(BreakSeconds(Phase::HalfTime, format), 15 * 60);
    QCOMPARE(BreakSeconds(Phase::ExtraTimeHalfTime, format), ExtraTimeBreakSeconds);
    QCOMPARE(BreakSeconds(Phase::SecondHalf, format), 0);
    QVERIFY(IsBreak(Phase::HalfTime) && !IsPlayingHalf(Phase::HalfTime));
    QVERIFY(IsPlayingHalf(Phase::ExtraTimeFirstHalf) && !IsBreak(Phase::Penalties));
}

void TestMatchTime::minutesAreWrittenAsSoccerWritesThem_data()
{
    QTest::addColumn<ClockDirection>("clock");
    QTest::addColumn<Phase>("phase");
    QTest::addColumn<qint64>("played");
    QTest::addColumn<QString>("minute");
    const auto up = ClockDirection::Up;
    QTest::newRow("kick-off") << up << Phase::FirstHalf << qint64(0) << "1'";
    QTest::newRow("22:10") << up << Phase::FirstHalf << qint64(22 * 60 + 10) << "23'";
    QTest::newRow("44:59") << up << Phase::FirstHalf << qint64(45 * 60 - 1) << "45'";
    QTest::newRow("the first second of added time")
        << up << Phase::FirstHalf << qint64(45 * 60) << "45+1'";
    QTest::newRow("second minute of added time")
        << up << Phase::FirstHalf << qint64(46 * 60 + 10) << "45+2'";
    QTest::newRow("second half") << up << Phase::SecondHalf << qint64(10) << "46'";
    QTest::newRow("second half added")
        << up << Phase::SecondHalf << qint64(45 * 60 + 200) << "90+4'";
    QTest::newRow("extra time") << up << Phase::ExtraTimeFirstHalf << qint64(15 * 60 + 5)
                                << "105+1'";
    QTest::newRow("extra time second half")
        << up << Phase::ExtraTimeSecondHalf << qint64(60) << "107'";
    QTest::newRow("half-time") << up << Phase::HalfTime << qint64(30) << "";
    QTest::newRow("down, from the half's start")
        << ClockDirection::Down << Phase::SecondHalf << qint64(5 * 60 + 30) << "6'";
    QTest::newRow("down, the last second")
        << ClockDirection::Down << Phase::FirstHalf << qint64(45 * 60) << "45'";
}

void TestMatchTime::minutesAreWrittenAsSoccerWritesThem()
{
    QFETCH(ClockDirection, clock);
    QFETCH(Phase, phase);
    QFETCH(qint64, played);
    const MatchFormat format{clock, 45, 15, 15, true};
    QTEST(MatchMinute(phase, format, played), "minute");
}

void TestMatchTime::aShootoutIsDecidedInTheFirstFiveRounds()
{
    Shootout shootout;
    // Home scores three, the visitors miss three: two kicks left cannot make up three goals.
    for (int round = 0; round < 3; ++round) {
        QVERIFY(shootout.kick(Team::Home, true));
        QVERIFY(!shootout.winner());
        QVERIFY(shootout.kick(Team::Visitor, false));
    }
    QCOMPARE(shootout.winner(), Team::Home);
    QCOMPARE(shootout.scored(Team::Home), 3);
    QVERIFY(!shootout.kick(Team::Home, true)); // decided: no more kicks
    // Taking the last kick back reopens it.
    shootout.undoKick(Team::Visitor);
    QVERIFY(!shootout.winner());
    QVERIFY(shootout.kick(Team::Visitor, true));
    QVERIFY(!shootout.winner());
}

void TestMatchTime::aShootoutGoesToSuddenDeath()
{
    Shootout shootout;
    for (int round = 0; round < 5; ++round) {
        shootout.kick(Team::Home, round != 1);
        shootout.kick(Team::Visitor, round != 3);
    }
    QCOMPARE(shootout.scored(Team::Home), 4);
    QCOMPARE(shootout.scored(Team::Visitor), 4);
    QVERIFY(!shootout.winner());
    // Sixth round: both score; seventh: home misses, and only after the visitors' kick is it over.
    shootout.kick(Team::Home, true);
    shootout.kick(Team::Visitor, true);
    QVERIFY(!shootout.winner());
    shootout.kick(Team::Home, false);
    QVERIFY(!shootout.winner());
    shootout.kick(Team::Visitor, true);
    QCOMPARE(shootout.winner(), Team::Visitor);
    QCOMPARE(shootout.kicks(Team::Visitor).size(), 7);
}

void TestMatchTime::kicksAlternate()
{
    Shootout shootout;
    QVERIFY(shootout.mayKick(Team::Visitor)); // either team may begin
    QVERIFY(shootout.kick(Team::Visitor, true));
    QVERIFY(!shootout.kick(Team::Visitor, true));
    QVERIFY(shootout.kick(Team::Home, false));
    QCOMPARE(shootout.kicks(Team::Home), QList<bool>{false});
}

QTEST_APPLESS_MAIN(TestMatchTime)
#include "tst_matchtime.moc"
