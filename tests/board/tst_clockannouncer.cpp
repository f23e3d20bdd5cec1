#include "board/clockannouncer.h"

#include <QTest>

// Which states of the game clock are told to a screen reader.
class TestClockAnnouncer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void told_data();
    void told();
    void spoken_data();
    void spoken();
};

using Steps = QList<QPair<qint64, bool>>; // tenths of a second, running

void TestClockAnnouncer::told_data()
{
    QTest::addColumn<Steps>("steps");
    QTest::addColumn<QList<bool>>("told");

    QTest::newRow("the first state is where the reader starts")
        << Steps{{6000, false}} << QList<bool>{false};
    QTest::newRow("start and stop") << Steps{{6000, false}, {6000, true}, {5999, true},
        {5998, false}} << QList<bool>{false, true, false, true};
    QTest::newRow("a whole minute as the digits show it") << Steps{{5401, true}, {5400, true},
        {5399, true}, {5391, true}, {5390, true}} << QList<bool>{false, true, false, false, false};
    QTest::newRow("9:01 is no mark") << Steps{{5411, true}, {5410, true}, {5401, true},
        {5400, true}} << QList<bool>{false, false, false, true};
    QTest::newRow("a tick that skips the mark still tells")
        << Steps{{5420, true}, {5380, true}} << QList<bool>{false, true};
    QTest::newRow("the last minute is quiet down to ten seconds") << Steps{{600, true}, {599, true},
        {300, true}, {101, true}, {100, true}, {99, true}, {91, true},
        {90, true}} << QList<bool>{false, false, false, false, true, false, false, true};
    QTest::newRow("zero is told once") << Steps{{1, true}, {0, true}, {0, true}, {-1, true}}
                                       << QList<bool>{false, true, false, false};
    QTest::newRow("a stopped clock is told when set, not when set alike") << Steps{{6000, false},
        {1200, false}, {1200, false}, {6000, false}} << QList<bool>{false, true, false, true};
    QTest::newRow("set back to what was told last is told again")
        << Steps{{6000, false}, {6000, true}, {6000, false}} << QList<bool>{false, true, true};
}

void TestClockAnnouncer::told()
{
    QFETCH(Steps, steps);
    QFETCH(QList<bool>, told);

    ClockAnnouncer announcer;
    for (qsizetype i = 0; i < steps.size(); ++i) {
        QCOMPARE(announcer.shouldAnnounce(ClockTenths(steps[i].first), steps[i].second), told[i]);
    }
}

void TestClockAnnouncer::spoken_data()
{
    QTest::addColumn<qint64>("tenths");
    QTest::addColumn<QString>("spoken");

    QTest::newRow("minutes") << qint64(5991) << "10:00";
    QTest::newRow("one minute") << qint64(600) << "1:00";
    QTest::newRow("seconds say their unit") << qint64(149) << "14.9 seconds";
    QTest::newRow("zero") << qint64(0) << "0.0 seconds";
}

void TestClockAnnouncer::spoken()
{
    QFETCH(qint64, tenths);
    QFETCH(QString, spoken);
    QCOMPARE(SpokenClock(ShowClock(ClockTenths(tenths))), spoken);
}

QTEST_APPLESS_MAIN(TestClockAnnouncer)
#include "tst_clockannouncer.moc"
