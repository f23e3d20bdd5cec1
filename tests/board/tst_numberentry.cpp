#include "board/modshowdigits.h"
#include "board/modsoccer.h"
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
    void plusAndMinusAddOrSubtractOneDigitAtOnce();
    void nothingWraps();
    void spaceClearsAndBackspaceDoesNot();
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

void TestNumberEntry::plusAndMinusAddOrSubtractOneDigitAtOnce()
{
    FakeDigits score(QStringLiteral("sgmScoreV"), 2);
    type(score, "12\r", 0, 99);
    type(score, "+1", 0, 99);
    QCOMPARE(score.shown(), QStringLiteral("13"));
    type(score, "-5", 0, 99);
    QCOMPARE(score.shown(), QStringLiteral(" 8"));
    type(score, "-9", 0, 99);
    QCOMPARE(score.shown(), QStringLiteral(" 8"));

    FakeDigits corners(QStringLiteral("sgmCKV"), 1);
    type(corners, "9+1", 0, 9);
    QCOMPARE(corners.shown(), QStringLiteral("9"));
    type(corners, "-4", 0, 9);
    QCOMPARE(corners.shown(), QStringLiteral("5"));
}

void TestNumberEntry::nothingWraps()
{
    FakeDigits shots(QStringLiteral("sgmShotsH"), 2);
    type(shots, "99\r+1", 0, 99);
    QCOMPARE(shots.shown(), QStringLiteral("99"));
    type(shots, "0\r-1", 0, 99);
    QCOMPARE(shots.shown(), QStringLiteral(" 0"));
    FakeDigits period(QStringLiteral("sgmPeriod"), 1);
    type(period, "4+1", 1, 4);
    type(period, "1-1", 1, 4);
    QCOMPARE(period.shown(), QStringLiteral("1"));
}

void TestNumberEntry::spaceClearsAndBackspaceDoesNot()
{
    FakeDigits saves(QStringLiteral("sgmSavesH"), 2);
    type(saves, "12 \r", 0, 99);
    QCOMPARE(saves.shown(), QStringLiteral("00"));
    type(saves, "4\b5\r", 0, 99);
    QCOMPARE(saves.shown(), QStringLiteral("45"));
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
