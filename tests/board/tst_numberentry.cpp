#include "board/modshowdigits.h"
#include "game/modsoccer.h"
#include "tests/support/fakes.h"
#include "web/webstate.h"

#include <QTest>

class TestNumberEntry : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void singleDigitGroupsTakeADigitAtOnce();
    void twoDigitGroupsTakeANumberAndEnter();
    void editingKeys_data();
    void editingKeys();
    void anotherGroupTakesTheEntryOver();
    void theDispatchSeesEveryKeyFirst();
    void commitReadsBlankDigitsAsNothing();
    void commitReadsOnlyTheLeadingNumber();
    void commitRefusesWhatFormsNoNumber();
    void webSlotsFollowEveryCommittedFigure();

private:
    void type(FakeDigits &group, const char *keys, int minimum, int maximum);

    EntryRecord m_entry;
    WebState m_web;
    QList<short> m_dispatched;
};

void TestNumberEntry::init()
{
    m_entry = {};
    m_web = {};
    m_dispatched.clear();
}

void TestNumberEntry::type(FakeDigits &group, const char *keys, int minimum, int maximum)
{
    NumberEntryTarget target{m_entry, m_web, [this](short key) { m_dispatched.append(key); }};
    for (const char *c = keys; *c; ++c) {
        EnterNumberKey(target, group, *c, minimum, maximum);
    }
}

void TestNumberEntry::singleDigitGroupsTakeADigitAtOnce()
{
    FakeDigits period(QStringLiteral("sgmPeriod"), 1);
    type(period, "3", 1, 4);
    QCOMPARE(period.shown(), QStringLiteral("3"));
    type(period, "7", 1, 4);
    type(period, "0", 1, 4);
    QCOMPARE(period.shown(), QStringLiteral("3"));
    QVERIFY(m_entry.text.isEmpty());

    FakeDigits corners(QStringLiteral("sgmCKH"), 1);
    type(corners, "5", 0, 9);
    QCOMPARE(corners.shown(), QStringLiteral("5"));
    // Letters are not collected and commit nothing.
    type(corners, "x", 0, 9);
    QCOMPARE(corners.shown(), QStringLiteral("5"));
}

void TestNumberEntry::twoDigitGroupsTakeANumberAndEnter()
{
    FakeDigits score(QStringLiteral("sgmScoreH"), 2);
    QCOMPARE(score.shown(), QStringLiteral("00"));
    type(score, "12", 0, 99);
    QCOMPARE(score.shown(), QStringLiteral("00")); // nothing shows while typing
    type(score, "\r", 0, 99);
    QCOMPARE(score.shown(), QStringLiteral("12"));
    type(score, "123\r", 0, 99);
    QCOMPARE(score.shown(), QStringLiteral("12"));
    type(score, "7\r", 0, 99);
    QCOMPARE(score.shown(), QStringLiteral(" 7"));
    QCOMPARE(m_web.WebSBValues[3], QStringLiteral("7"));
    // A run of digits far too long for any figure is refused, not overflowed.
    type(score, "99999999999999999999\r", 0, 99);
    QCOMPARE(score.shown(), QStringLiteral(" 7"));
}

void TestNumberEntry::editingKeys_data()
{
    // Keys typed on one group in turn, and the figure shown after each, apart by '|'.
    QTest::addColumn<QString>("group");
    QTest::addColumn<int>("digits");
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("shown");
    // Plus and minus add or subtract one digit at once; what would leave the range is refused.
    QTest::newRow("plus and minus on a score") << "sgmScoreV" << 2 << 0 << 99 << "12\r+1|-5|-9"
                                               << "13| 8| 8";
    QTest::newRow("plus and minus on corner kicks") << "sgmCKV" << 1 << 0 << 9 << "9+1|-4"
                                                    << "9|5";
    // Nothing wraps.
    QTest::newRow("a score at its ends") << "sgmShotsH" << 2 << 0 << 99 << "99\r+1|0\r-1"
                                         << "99| 0";
    QTest::newRow("a period at its ends") << "sgmPeriod" << 1 << 1 << 4 << "4+1|1-1"
                                          << "4|1";
    // Space clears what is typed; backspace does not.
    QTest::newRow("space and backspace") << "sgmSavesH" << 2 << 0 << 99 << "12 \r|4\b5\r"
                                         << "00|45";
}

void TestNumberEntry::editingKeys()
{
    QFETCH(QString, group);
    QFETCH(int, digits);
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    QFETCH(QString, keys);
    QFETCH(QString, shown);
    const QStringList steps = keys.split(QLatin1Char('|'));
    const QStringList figures = shown.split(QLatin1Char('|'));
    QCOMPARE(steps.size(), figures.size());
    FakeDigits figure(group, digits);
    for (qsizetype i = 0; i < steps.size(); ++i) {
        type(figure, steps.at(i).toLatin1().constData(), minimum, maximum);
        QCOMPARE(figure.shown(), figures.at(i));
    }
}

void TestNumberEntry::anotherGroupTakesTheEntryOver()
{
    FakeDigits home(QStringLiteral("sgmScoreH"), 2);
    FakeDigits visitor(QStringLiteral("sgmScoreV"), 2);
    type(home, "1", 0, 99);
    type(visitor, "2\r", 0, 99);
    QCOMPARE(visitor.shown(), QStringLiteral(" 2"));
    QCOMPARE(home.shown(), QStringLiteral("00"));
    // The home entry was dropped: Enter there now commits nothing.
    type(home, "\r", 0, 99);
    QCOMPARE(home.shown(), QStringLiteral("00"));
}

void TestNumberEntry::theDispatchSeesEveryKeyFirst()
{
    FakeDigits score(QStringLiteral("sgmScoreH"), 2);
    type(score, "s1b\r", 0, 99);
    QCOMPARE(m_dispatched, (QList<short>{'s', '1', 'b', 13}));
    QCOMPARE(score.shown(), QStringLiteral(" 1"));
}

void TestNumberEntry::commitReadsBlankDigitsAsNothing()
{
    FakeDigits score(QStringLiteral("sgmScoreH"), 2);
    score.captions = {7, -1}; // blank tens, 7
    CommitNumber(score, QStringLiteral("+3"), 0, 99, m_web);
    QCOMPARE(score.shown(), QStringLiteral("10"));
    score.captions = {-1, -1};
    CommitNumber(score, QStringLiteral("+2"), 0, 99, m_web);
    QCOMPARE(score.shown(), QStringLiteral(" 2"));
}

void TestNumberEntry::commitReadsOnlyTheLeadingNumber()
{
    FakeDigits score(QStringLiteral("sgmScoreH"), 2);
    CommitNumber(score, QStringLiteral("12+"), 0, 99, m_web);
    QCOMPARE(score.shown(), QStringLiteral("12"));
    // After "+" comes an optional sign and digits: "+-3" adds minus three.
    CommitNumber(score, QStringLiteral("+-3"), 0, 99, m_web);
    QCOMPARE(score.shown(), QStringLiteral(" 9"));
    CommitNumber(score, QStringLiteral("--1"), 0, 99, m_web);
    QCOMPARE(score.shown(), QStringLiteral("10"));
    // Nothing readable after the sign counts as 0.
    CommitNumber(score, QStringLiteral("+"), 0, 99, m_web);
    QCOMPARE(score.shown(), QStringLiteral("10"));
}

void TestNumberEntry::commitRefusesWhatFormsNoNumber()
{
    FakeDigits score(QStringLiteral("sgmScoreH"), 2);
    m_web.WebSBValues[3] = QStringLiteral("0");
    CommitNumber(score, QString(), 0, 99, m_web);
    CommitNumber(score, QStringLiteral("x1"), 0, 99, m_web);
    CommitNumber(score, QStringLiteral("100"), 0, 99, m_web);
    QCOMPARE(score.shown(), QStringLiteral("00"));
    QCOMPARE(m_web.WebSBValues[3], QStringLiteral("0"));
}

void TestNumberEntry::webSlotsFollowEveryCommittedFigure()
{
    const struct
    {
        const char *group;
        int digits;
        std::size_t slot;
    } figures[] = {
        {"sgmScoreH", 2, 3},
        {"sgmScoreV", 2, 5},
        {"sgmPeriod", 1, 6},
        {"sgmShotsH", 2, 7},
        {"sgmCKH", 1, 8},
        {"sgmSavesH", 2, 9},
        {"sgmShotsV", 2, 10},
        {"sgmCKV", 1, 11},
        {"sgmSavesV", 2, 12},
    };
    for (const auto &figure : figures) {
        FakeDigits group(QLatin1String(figure.group), figure.digits);
        CommitNumber(group, QStringLiteral("3"), 0, 99, m_web);
        QCOMPARE(m_web.WebSBValues[figure.slot], QStringLiteral("3"));
    }
    QCOMPARE(WebSlotOf(QStringLiteral("sgmTime")), 4);
    QCOMPARE(WebSlotOf(QStringLiteral("sgmScore")), -1);
}

QTEST_APPLESS_MAIN(TestNumberEntry)
#include "tst_numberentry.moc"
