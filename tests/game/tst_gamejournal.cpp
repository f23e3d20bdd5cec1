#include "game/gamejournal.h"
#include "game/journalwriter.h"
#include "tests/support/slowjournal.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

JournalRecord sample()
{
    JournalRecord record;
    record.BaseValue = ClockSeconds(600);
    record.ElapsedTime = ClockTenths(1234);
    record.Running = true;
    record.LastEnteredTime = 600;
    record.WrittenAt = 1'800'000'123'456;
    record.Figures.insert(QStringLiteral("sgmScoreH"), {2, 1});
    record.Figures.insert(QStringLiteral("sgmScoreV"), {7, -1});
    record.Figures.insert(QStringLiteral("sgmPeriod"), {2});
    return record;
}

// A cup match half-way through its shoot-out, the clock held where extra time ended.
JournalRecord matchSample()
{
    JournalRecord record = sample();
    record.CountsUp = true;
    record.Match.format = {ClockDirection::Up, 45, 15, 15, true};
    record.Match.phase = Phase::Penalties;
    record.Match.shootout = *Shootout::FromKicks({true, false, true}, {true, true});
    return record;
}

} // namespace

class TestGameJournal : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void encodingRoundTrips();
    void foreignOrDamagedJournalsAreRefused_data();
    void foreignOrDamagedJournalsAreRefused();
    void theClockWhileTheProgramIsDown_data();
    void theClockWhileTheProgramIsDown();
    void fileIsWrittenWholeAndRemoved();
    void aResumedClockStaysOnTheTenthsGrid_data();
    void aResumedClockStaysOnTheTenthsGrid();
    void aSlowDiskNeverHoldsUpTheCaller();
    void discardLeavesNoJournalWhateverWasWaiting();
};

void TestGameJournal::encodingRoundTrips()
{
    for (const JournalRecord &record : {sample(), matchSample()}) {
        const auto decoded = DecodeJournal(EncodeJournal(record));
        QVERIFY(decoded);
        QCOMPARE(*decoded, record);
    }
}

void TestGameJournal::foreignOrDamagedJournalsAreRefused_data()
{
    QTest::addColumn<QByteArray>("data");
    const QByteArray good = EncodeJournal(sample());
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("not json") << QByteArray("\x00\x01garbage", 9);
    QTest::newRow("cut short") << good.left(good.size() / 2);
    QTest::newRow("another format") << QByteArray(good).replace("varnelo-game-journal", "other");
    QTest::newRow("a later version") << QByteArray(good).replace("\"version\":1", "\"version\":2");
    QTest::newRow("caption out of range") << QByteArray(good).replace("[2,1]", "[2,12]");
    QTest::newRow("caption not a number") << QByteArray(good).replace("[2,1]", "[2,\"1\"]");
    QTest::newRow("negative clock")
        << QByteArray(good).replace("\"baseValue\":6000000", "\"baseValue\":-5");
    QTest::newRow("fractional clock")
        << QByteArray(good).replace("\"baseValue\":6000000", "\"baseValue\":0.5");
    QTest::newRow("an array") << QByteArray("[1,2,3]");
    QTest::newRow("huge") << QByteArray(2'000'000, ' ') + good;
    const QByteArray match = EncodeJournal(matchSample());
    QTest::newRow("unknown phase")
        << QByteArray(match).replace("\"phase\":\"penalties\"", "\"phase\":\"overtime\"");
    QTest::newRow("half too long")
        << QByteArray(match).replace("\"halfMinutes\":45", "\"halfMinutes\":600");
    QTest::newRow("kicks out of turn")
        << QByteArray(match).replace("[true,false,true]", "[true,false,true,true,true]");
    QTest::newRow("a kick not yes or no") << QByteArray(match).replace("[true,true]", "[true,1]");
    QTest::newRow("a match without its clock's way")
        << QByteArray(match).replace("\"countsUp\":true,", "");
}

void TestGameJournal::foreignOrDamagedJournalsAreRefused()
{
    QFETCH(QByteArray, data);
    QVERIFY(!DecodeJournal(data));
}

void TestGameJournal::theClockWhileTheProgramIsDown_data()
{
    // The sample: 123.4 s run of 600, written at `WrittenAt`.
    QTest::addColumn<bool>("running");
    QTest::addColumn<qint64>("downMs");
    QTest::addColumn<ClockValue>("banked");
    QTest::newRow("a running clock counts on") << true << qint64(45'000) << ClockTenths(1684);
    // Down for longer than the game had left: the clock has reached zero.
    QTest::newRow("a running clock reaches zero") << true << qint64(3'600'000) << ClockSeconds(600);
    QTest::newRow("a stopped clock stays where it was")
        << false << qint64(3'600'000) << ClockTenths(1234);
    QTest::newRow("a clock set back does not run the game back")
        << true << qint64(-86'400'000) << ClockTenths(1234);
}

void TestGameJournal::theClockWhileTheProgramIsDown()
{
    QFETCH(bool, running);
    QFETCH(qint64, downMs);
    QFETCH(ClockValue, banked);
    JournalRecord record = sample();
    record.Running = running;
    const ClockSlot slot = ResumedClock(record, record.WrittenAt + downMs);
    QCOMPARE(slot.BaseValue, ClockSeconds(600));
    QCOMPARE(slot.BankedTime, banked);
    QVERIFY(!slot.Running);
}

void TestGameJournal::fileIsWrittenWholeAndRemoved()
{
    QTemporaryDir dir;
    GameJournal journal(dir.filePath(QStringLiteral("deeper/folder/journal.json")));
    QVERIFY(!journal.exists());
    QVERIFY(!journal.read());
    QVERIFY(journal.write(sample()));
    QVERIFY(journal.exists());
    QCOMPARE(*journal.read(), sample());
    JournalRecord later = sample();
    later.Figures[QStringLiteral("sgmPeriod")] = {3};
    QVERIFY(journal.write(later));
    QCOMPARE(*journal.read(), later);
    // Nothing is left beside the journal by the atomic writes.
    QCOMPARE(QDir(dir.filePath(QStringLiteral("deeper/folder"))).entryList(QDir::Files).size(), 1);
    journal.remove();
    QVERIFY(!journal.exists());
}

void TestGameJournal::aResumedClockStaysOnTheTenthsGrid_data()
{
    QTest::addColumn<qint64>("downMs");
    QTest::addColumn<ClockValue>("banked");
    // 16.95 s down after 1.2 s of play: 18.15 s, read as 18.1 (never ahead of the clock).
    QTest::newRow("half a tenth") << qint64(16'950) << ClockTenths(181);
    QTest::newRow("one millisecond") << qint64(1) << ClockTenths(12);
    QTest::newRow("a tenth less a millisecond") << qint64(99) << ClockTenths(12);
    QTest::newRow("whole tenths") << qint64(3'300) << ClockTenths(45);
}

void TestGameJournal::aResumedClockStaysOnTheTenthsGrid()
{
    QFETCH(qint64, downMs);
    QFETCH(ClockValue, banked);
    JournalRecord record = sample();
    record.ElapsedTime = ClockTenths(12);
    const ClockSlot slot = ResumedClock(record, record.WrittenAt + downMs);
    QCOMPARE(slot.BankedTime, banked);
}

void TestGameJournal::aSlowDiskNeverHoldsUpTheCaller()
{
    QTemporaryDir dir;
    SlowJournal journal(dir.filePath(QStringLiteral("journal.json")));
    journal.delayMs = 300;
    JournalRecord last = sample();
    QElapsedTimer longest;
    qint64 longestMs = 0;
    {
        JournalWriter writer(journal);
        for (int i = 0; i < 20; ++i) {
            last.LastEnteredTime = i;
            longest.start();
            writer.save(last);
            longestMs = std::max(longestMs, longest.elapsed());
        }
        // Saves that queue up behind a slow write are folded into one.
        writer.flush();
        QVERIFY2(journal.writes <= 2, qPrintable(QString::number(journal.writes)));
        QCOMPARE(*journal.read(), last);
        last.LastEnteredTime = 99;
        writer.save(last);
    }
    QVERIFY2(longestMs < 50, qPrintable(QString::number(longestMs)));
    // What was still waiting is written before the writer goes.
    QCOMPARE(journal.read()->LastEnteredTime, 99);
}

void TestGameJournal::discardLeavesNoJournalWhateverWasWaiting()
{
    QTemporaryDir dir;
    SlowJournal journal(dir.filePath(QStringLiteral("journal.json")));
    journal.delayMs = 200;
    JournalWriter writer(journal);
    writer.save(sample());
    writer.save(sample());
    QTest::qSleep(50); // the first write is under way
    writer.discard();
    QVERIFY(!journal.exists());
    writer.flush();
    QVERIFY(!journal.exists());
}

QTEST_APPLESS_MAIN(TestGameJournal)
#include "tst_gamejournal.moc"
