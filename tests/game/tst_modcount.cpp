#include "game/clockentry.h"
#include "game/modsoccer.h"
#include "tests/support/faketime.h"

#include <QTest>

namespace {
constexpr ClockValue tenths(qint64 t)
{
    return ClockTenths(t);
}
} // namespace

class TestModCount : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void countdownReadsToTheTenthAndNeverBelowZero();
    void stopAndRestartBankTheMeasuredRunTime();
    void stopBeforeTheFirstReadBanksNothing();
    void tenthsCorrectionAcrossASecondBoundary();
    void startingARunningSlotChangesNothing();
    void countUpSlots();
    void slotsOutsideTheBankAreRefused();
    void showClock_data();
    void showClock();
    void showClockSwitchesModesBetween60And59Point9();
    void showClockInPlaceMatchesAFreshFace_data();
    void showClockInPlaceMatchesAFreshFace();
    void intQuotientRoundsDown_data();
    void intQuotientRoundsDown();
    void parseClockEntry_data();
    void parseClockEntry();
    void parseBeepsOnlyForWellFormedTexts();
    void clockEntrySetsTheClockOnEnter();
    void clockEntryRefusalsChangeNothing();
};

void TestModCount::countdownReadsToTheTenthAndNeverBelowZero()
{
    FakeTime time;
    ClockSlots bank;
    SetClock(bank, ClockSeconds(600), 0, 0);
    StartClock(bank, time, 0);
    QCOMPARE(ReadClock(bank, time, 0), ClockSeconds(600));
    time.advance(100);
    QCOMPARE(ReadClock(bank, time, 0), tenths(5999));
    time.advance(99'900); // 100 s in
    QCOMPARE(ReadClock(bank, time, 0), ClockSeconds(500));
    time.advance(500'000);
    QCOMPARE(ReadClock(bank, time, 0), 0);
    time.advance(3'600'000);
    QCOMPARE(ReadClock(bank, time, 0), 0);
    QVERIFY(bank[0].Running); // reaching zero does not stop the slot
}

void TestModCount::stopAndRestartBankTheMeasuredRunTime()
{
    FakeTime time;
    ClockSlots bank;
    SetClock(bank, ClockSeconds(600), 0, 0);
    StartClock(bank, time, 0);
    time.advance(12'300);
    QCOMPARE(ReadClock(bank, time, 0), tenths(5877));
    // The stop banks what the last read measured, not the moment of stopping.
    time.advance(40);
    StopClock(bank, 0);
    time.advance(60'000);
    QCOMPARE(ReadClock(bank, time, 0), tenths(5877));
    StartClock(bank, time, 0);
    time.advance(7'700);
    QCOMPARE(ReadClock(bank, time, 0), tenths(5800));
    StopClock(bank, 0);
    QCOMPARE(bank[0].BankedTime, tenths(200));
    QCOMPARE(ReadClock(bank, time, 0), tenths(5800));
    // Setting the slot starts afresh.
    SetClock(bank, ClockSeconds(90), 0, 0);
    QCOMPARE(ReadClock(bank, time, 0), ClockSeconds(90));
    QVERIFY(!bank[0].Running);
}

void TestModCount::stopBeforeTheFirstReadBanksNothing()
{
    FakeTime time;
    ClockSlots bank;
    SetClock(bank, ClockSeconds(600), 0, 0);
    StartClock(bank, time, 0);
    time.advance(5'000);
    StopClock(bank, 0);
    QCOMPARE(ReadClock(bank, time, 0), ClockSeconds(600));
}

void TestModCount::tenthsCorrectionAcrossASecondBoundary()
{
    // Started at .900 and read at the next second's .100: 0.2 s have passed.
    FakeTime time(10'900);
    ClockSlots bank;
    SetClock(bank, ClockSeconds(60), 0, 0);
    StartClock(bank, time, 0);
    time.now = 11'100;
    QCOMPARE(ReadClock(bank, time, 0), tenths(598));
    QCOMPARE(bank[0].RunTime, tenths(2));
    // From .950 to .049 three seconds on: two whole seconds and one tenth.
    SetClock(bank, ClockSeconds(60), 0, 0);
    time.now = 20'950;
    StartClock(bank, time, 0);
    time.now = 23'049;
    ReadClock(bank, time, 0);
    QCOMPARE(bank[0].RunTime, tenths(21));
}

void TestModCount::startingARunningSlotChangesNothing()
{
    FakeTime time;
    ClockSlots bank;
    SetClock(bank, ClockSeconds(100), 0, 0);
    StartClock(bank, time, 0);
    time.advance(3'000);
    StartClock(bank, time, 0);
    time.advance(1'000);
    QCOMPARE(ReadClock(bank, time, 0), ClockSeconds(96));
}

void TestModCount::countUpSlots()
{
    FakeTime time;
    ClockSlots bank;
    SetClock(bank, ClockSeconds(10), 1, 3);
    StartClock(bank, time, 3);
    time.advance(2'500);
    QCOMPARE(ReadClock(bank, time, 3), tenths(125));
    // The other slots are independent.
    QCOMPARE(ReadClock(bank, time, 0), 0);
    QVERIFY(!bank[0].Running);
}

void TestModCount::slotsOutsideTheBankAreRefused()
{
    FakeTime time;
    ClockSlots bank;
    SetClock(bank, ClockSeconds(10), 0, 5);
    StartClock(bank, time, 5);
    StopClock(bank, -1);
    QCOMPARE(ReadClock(bank, time, 5), 0);
    // Outside the bank there is no answer, and the caller beeps.
    QCOMPARE(ClockRunning(bank, 5), std::nullopt);
    QCOMPARE(ClockRunning(bank, 0), false);
    for (const ClockSlot &slot : bank) {
        QCOMPARE(slot.BaseValue, 0);
    }
}

void TestModCount::showClock_data()
{
    QTest::addColumn<qint64>("value"); // tenths of a second
    QTest::addColumn<QString>("digits");
    QTest::addColumn<QString>("text");
    QTest::newRow("3599") << qint64(35990) << "59:59"
                          << "59:59";
    QTest::newRow("600") << qint64(6000) << "10:00"
                         << "10:00";
    QTest::newRow("599.9 rounds up") << qint64(5999) << "10:00"
                                     << "10:00";
    QTest::newRow("599.1") << qint64(5991) << "10:00"
                           << "10:00";
    QTest::newRow("599.0") << qint64(5990) << " 9:59"
                           << "9:59";
    QTest::newRow("60.0") << qint64(600) << " 1:00"
                          << "1:00";
    QTest::newRow("59.9") << qint64(599) << "59.9 "
                          << "59.9";
    QTest::newRow("10.0") << qint64(100) << "10.0 "
                          << "10.0";
    QTest::newRow("5.3") << qint64(53) << " 5.3 "
                         << "5.3";
    QTest::newRow("0.5") << qint64(5) << " 0.5 "
                         << "0.5";
    QTest::newRow("0") << qint64(0) << " 0.0 "
                       << "0.0";
    QTest::newRow("5:07") << qint64(3070) << " 5:07"
                          << "5:07";
}

void TestModCount::showClock()
{
    QFETCH(qint64, value);
    const ClockFace face = ShowClock(ClockTenths(value));
    // Digits left to right with the separator after the second.
    QString digits;
    for (std::size_t i = 0; i < 4; ++i) {
        const qint16 c = face.captions[i];
        digits += c < 0 ? QLatin1Char(' ') : QChar(static_cast<char16_t>(u'0' + c));
        if (i == 1) {
            digits += face.minutesMode ? QLatin1Char(':') : QLatin1Char('.');
        }
    }
    QTEST(digits, "digits");
    QTEST(face.text, "text");
}

void TestModCount::showClockSwitchesModesBetween60And59Point9()
{
    QVERIFY(ShowClock(ClockSeconds(60)).minutesMode);
    QVERIFY(!ShowClock(tenths(599)).minutesMode);
    QCOMPARE(ShowClock(tenths(599)).captions[3], qint16(-1));
}

void TestModCount::showClockInPlaceMatchesAFreshFace_data()
{
    // A tick's value in clock units, as a 50 ms timer reads it with jitter, from a start.
    QTest::addColumn<ClockValue>("from");
    QTest::addColumn<ClockValue>("stride");
    QTest::addRow("10:00 down") << ClockSeconds(600) << -ClockValue(503);
    QTest::addRow("across 60 s") << ClockSeconds(62) << -ClockValue(497);
    QTest::addRow("last seconds to below zero") << ClockSeconds(3) << -ClockValue(251);
    QTest::addRow("counting up") << ClockValue(-7) << ClockValue(500);
    QTest::addRow("jumps of a set clock") << ClockSeconds(5999) << -ClockSeconds(83) - 7;
}

void TestModCount::showClockInPlaceMatchesAFreshFace()
{
    QFETCH(ClockValue, from);
    QFETCH(ClockValue, stride);
    ClockFace face;
    int changes = 0;
    for (int i = 0; i < 300; ++i) {
        const ClockValue value = from + stride * i;
        const ClockFace before = face;
        const bool changed = ShowClock(value, face);
        const ClockFace fresh = ShowClock(value);
        QCOMPARE(face.value, value);
        QCOMPARE(face.captions, fresh.captions);
        QCOMPARE(face.minutesMode, fresh.minutesMode);
        QCOMPARE(face.text, fresh.text);
        QCOMPARE(changed,
            before.captions != fresh.captions || before.minutesMode != fresh.minutesMode
                || before.text.isEmpty());
        changes += changed ? 1 : 0;
    }
    // A shown face is kept while it stays right, rather than made again.
    QVERIFY(changes < 300);
}

void TestModCount::intQuotientRoundsDown_data()
{
    QTest::addColumn<ClockValue>("dividend");
    QTest::addColumn<ClockValue>("divisor");
    QTest::addColumn<qint16>("quotient");
    QTest::newRow("1199 / 600 s") << ClockSeconds(1199) << ClockSeconds(600) << qint16(1);
    QTest::newRow("599.9 / 600 s") << tenths(5999) << ClockSeconds(600) << qint16(0);
    QTest::newRow("-0.1 / 60 s") << -tenths(1) << ClockSeconds(60) << qint16(-1);
    QTest::newRow("by zero") << ClockSeconds(10) << ClockValue(0) << qint16(0);
}

void TestModCount::intQuotientRoundsDown()
{
    QFETCH(ClockValue, dividend);
    QFETCH(ClockValue, divisor);
    QTEST(IntQuotient(dividend, divisor), "quotient");
}

void TestModCount::parseClockEntry_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("seconds");
    QTest::newRow("25.3 is 25:03") << "25.3" << 1503;
    QTest::newRow("6.05") << "6.05" << 365;
    QTest::newRow("59.59") << "59.59" << 3599;
    QTest::newRow("45 alone is seconds") << "45" << 45;
    QTest::newRow("60 seconds") << "60" << -1;
    QTest::newRow("60 minutes") << "60.0" << -1;
    QTest::newRow("hours part") << "1.0.0" << 3600;
    QTest::newRow("largest") << "99.59.59" << 359999;
    QTest::newRow("100 hours") << "100.0.0" << -1;
    QTest::newRow("four parts") << "1.2.3.4" << -1;
    QTest::newRow("nine characters") << "123456789" << -1;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("lone point") << "." << 0;
    QTest::newRow("trailing point") << "10." << 600;
    QTest::newRow("other character") << "1:30" << -1;
    QTest::newRow("minus") << "-5" << -1;
}

void TestModCount::parseClockEntry()
{
    QFETCH(QString, text);
    QTEST(ParseClockEntry(text), "seconds");
}

void TestModCount::parseBeepsOnlyForWellFormedTexts()
{
    // The caller beeps for a parsed time: 1.0.0 is well-formed, though too long for the board.
    QCOMPARE(ParseClockEntry(QStringLiteral("1.0.0")), 3600);
    QCOMPARE(ParseClockEntry(QStringLiteral("60")), -1);
    QCOMPARE(ParseClockEntry(QStringLiteral("1.2.3.4")), -1);
}

void TestModCount::clockEntrySetsTheClockOnEnter()
{
    FakeTime time;
    GameState game;
    QList<ClockValue> shown;
    ClockEntryTarget target{game, time, [&](ClockValue value) { shown.append(value); }};
    SetClock(game.Clock, ClockSeconds(600), 0, 0);
    StartClock(game.Clock, time, 0);
    const QString sgmTime = QStringLiteral("sgmTime");
    for (const char c : QByteArray("25.3\r")) {
        EnterClockKey(target, sgmTime, c, 3599, 0, 0);
    }
    QCOMPARE(shown, QList<ClockValue>{ClockSeconds(1503)});
    QCOMPARE(game.LastEnteredTime, 1503);
    QVERIFY(!game.Clock[0].Running); // a committed time stops the slot
    QVERIFY(game.ClockEntry.text.isEmpty());

    // Enter alone sets the clock to zero.
    EnterClockKey(target, sgmTime, 13, 3599, 0, 0);
    QCOMPARE(shown.last(), 0);
    QCOMPARE(game.LastEnteredTime, 0);
}

void TestModCount::clockEntryRefusalsChangeNothing()
{
    FakeTime time;
    GameState game;
    game.LastEnteredTime = 600;
    int shows = 0;
    int beeps = 0;
    ClockEntryTarget target{game, time, [&](ClockValue) { ++shows; }};
    SetClock(game.Clock, ClockSeconds(600), 0, 0);
    const QString sgmTime = QStringLiteral("sgmTime");
    const auto type = [&](const char *keys) {
        for (const char *c = keys; *c; ++c) {
            beeps += EnterClockKey(target, sgmTime, *c, 3599, 0, 0) ? 1 : 0;
        }
    };
    type("60\r");
    type("1.0.0\r");
    type("1.2.3.4\r");
    type("123456789\r");
    QCOMPARE(shows, 0);
    QCOMPARE(game.LastEnteredTime, 600);
    QCOMPARE(ReadClock(game.Clock, time, 0), ClockSeconds(600));
    QCOMPARE(beeps, 1); // only 1.0.0 was well-formed
    // "+", "-", letters and Backspace are not collected; the space bar clears.
    type("1+-x\b0 5\r");
    QCOMPARE(game.LastEnteredTime, 5);
}

QTEST_APPLESS_MAIN(TestModCount)
#include "tst_modcount.moc"
