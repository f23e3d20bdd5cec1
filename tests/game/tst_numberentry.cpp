#include "game/numberentry.h"
#include "tests/support/gamefixture.h"

#include <QTest>

// Typing the nine counters, through the game model as the board hands it the keys.
class TestNumberEntry : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { m_game.newGame(); }
    void singleDigitGroupsTakeADigitAtOnce();
    void twoDigitGroupsTakeANumberAndEnter();
    void editingKeys_data();
    void editingKeys();
    void anotherGroupTakesTheEntryOver();
    void commitReadsBlankDigitsAsNothing();
    void commitReadsOnlyTheLeadingNumber();
    void commitRefusesWhatFormsNoNumber();
    void webSlotsFollowEveryCommittedFigure();

private:
    QString digits(Figure figure) const { return m_game.digits(figure); }
    GameFixture m_game;
};

void TestNumberEntry::singleDigitGroupsTakeADigitAtOnce()
{
    m_game.type(Figure::Period, "3");
    QCOMPARE(digits(Figure::Period), QStringLiteral("3"));
    m_game.type(Figure::Period, "7");
    m_game.type(Figure::Period, "0");
    QCOMPARE(digits(Figure::Period), QStringLiteral("3"));
    QVERIFY(m_game.game.NumberEntry.text.isEmpty());

    m_game.type(Figure::CKH, "5");
    QCOMPARE(digits(Figure::CKH), QStringLiteral("5"));
    // Letters are not collected and commit nothing.
    m_game.type(Figure::CKH, "x");
    QCOMPARE(digits(Figure::CKH), QStringLiteral("5"));
}

void TestNumberEntry::twoDigitGroupsTakeANumberAndEnter()
{
    QCOMPARE(digits(Figure::ScoreH), QStringLiteral("00"));
    m_game.type(Figure::ScoreH, "12");
    QCOMPARE(digits(Figure::ScoreH), QStringLiteral("00")); // nothing shows while typing
    m_game.type(Figure::ScoreH, "\r");
    QCOMPARE(digits(Figure::ScoreH), QStringLiteral("12"));
    m_game.type(Figure::ScoreH, "123\r");
    QCOMPARE(digits(Figure::ScoreH), QStringLiteral("12"));
    m_game.type(Figure::ScoreH, "7\r");
    QCOMPARE(digits(Figure::ScoreH), QStringLiteral(" 7"));
    QCOMPARE(m_game.published(Figure::ScoreH), QStringLiteral("7"));
    // A run of digits far too long for any figure is refused, not overflowed.
    m_game.type(Figure::ScoreH, "99999999999999999999\r");
    QCOMPARE(digits(Figure::ScoreH), QStringLiteral(" 7"));
    // Entering the value shown again still blanks the zeros of a figure nobody had entered.
    m_game.type(Figure::ShotsV, "0\r");
    QCOMPARE(digits(Figure::ShotsV), QStringLiteral(" 0"));
}

void TestNumberEntry::editingKeys_data()
{
    // Keys typed on one figure in turn, and the figure shown after each, apart by '|'.
    QTest::addColumn<Figure>("figure");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("shown");
    // Plus and minus add or subtract one digit at once; what would leave the range is refused.
    QTest::newRow("plus and minus on a score") << Figure::ScoreV << "12\r+1|-5|-9"
                                               << "13| 8| 8";
    QTest::newRow("plus and minus on corner kicks") << Figure::CKV << "9+1|-4"
                                                    << "9|5";
    // Nothing wraps.
    QTest::newRow("a score at its ends") << Figure::ShotsH << "99\r+1|0\r-1"
                                         << "99| 0";
    QTest::newRow("a period at its ends") << Figure::Period << "4+1|1-1"
                                          << "4|1";
    // Space clears what is typed; backspace does not.
    QTest::newRow("space and backspace") << Figure::SavesH << "12 \r|4\b5\r"
                                         << "00|45";
}

void TestNumberEntry::editingKeys()
{
    QFETCH(Figure, figure);
    QFETCH(QString, keys);
    QFETCH(QString, shown);
    const QStringList steps = keys.split(QLatin1Char('|'));
    const QStringList figures = shown.split(QLatin1Char('|'));
    QCOMPARE(steps.size(), figures.size());
    for (qsizetype i = 0; i < steps.size(); ++i) {
        m_game.type(figure, steps.at(i).toLatin1().constData());
        QCOMPARE(digits(figure), figures.at(i));
    }
}

void TestNumberEntry::anotherGroupTakesTheEntryOver()
{
    m_game.type(Figure::ScoreH, "1");
    m_game.type(Figure::ScoreV, "2\r");
    QCOMPARE(digits(Figure::ScoreV), QStringLiteral(" 2"));
    QCOMPARE(digits(Figure::ScoreH), QStringLiteral("00"));
    // The home entry was dropped: Enter there now commits nothing.
    m_game.type(Figure::ScoreH, "\r");
    QCOMPARE(digits(Figure::ScoreH), QStringLiteral("00"));
}

void TestNumberEntry::commitReadsBlankDigitsAsNothing()
{
    // Digits as a journal keeps them, digit 0 first: blank tens and 7.
    const FigureValue seven = FigureFromCaptions({7, -1});
    QCOMPARE(seven, (FigureValue{7, false}));
    QCOMPARE(CommitNumber(QStringLiteral("+3"), seven.value, 0, 99), 10);
    const FigureValue blank = FigureFromCaptions({-1, -1});
    QCOMPARE(CommitNumber(QStringLiteral("+2"), blank.value, 0, 99), 2);
    QCOMPARE(FigureFromCaptions({0, 0}), FigureValue{});
    // And back: the digits a value is shown with.
    QCOMPARE(DigitCaptions({7, false}, 2), (QList<qint16>{7, -1}));
    QCOMPARE(DigitCaptions({0, false}, 2), (QList<qint16>{0, -1}));
    QCOMPARE(DigitCaptions({10, false}, 2), (QList<qint16>{0, 1}));
    QCOMPARE(DigitCaptions({}, 2), (QList<qint16>{0, 0}));
}

void TestNumberEntry::commitReadsOnlyTheLeadingNumber()
{
    QCOMPARE(CommitNumber(QStringLiteral("12+"), 0, 0, 99), 12);
    // After "+" comes an optional sign and digits: "+-3" adds minus three.
    QCOMPARE(CommitNumber(QStringLiteral("+-3"), 12, 0, 99), 9);
    QCOMPARE(CommitNumber(QStringLiteral("--1"), 9, 0, 99), 10);
    // Nothing readable after the sign counts as 0.
    QCOMPARE(CommitNumber(QStringLiteral("+"), 10, 0, 99), 10);
}

void TestNumberEntry::commitRefusesWhatFormsNoNumber()
{
    QCOMPARE(CommitNumber(QString(), 0, 0, 99), std::nullopt);
    QCOMPARE(CommitNumber(QStringLiteral("x1"), 0, 0, 99), std::nullopt);
    QCOMPARE(CommitNumber(QStringLiteral("100"), 0, 0, 99), std::nullopt);
    QCOMPARE(CommitNumber(QStringLiteral("-1"), 0, 0, 99), std::nullopt);
    QCOMPARE(CommitNumber(QStringLiteral("+9999999999"), 0, 0, 99), std::nullopt);
    // Through the game: nothing changes, nothing is recorded, the web is sent what it was.
    m_game.type(Figure::ScoreH, "999\r");
    m_game.type(Figure::ScoreH, "100\r");
    QCOMPARE(digits(Figure::ScoreH), QStringLiteral("00"));
    QCOMPARE(m_game.published(Figure::ScoreH), QStringLiteral("0"));
    QCOMPARE(m_game.model->history().count(), 0);
    QVERIFY(m_game.changedFigures.isEmpty());
}

void TestNumberEntry::webSlotsFollowEveryCommittedFigure()
{
    const struct
    {
        Figure figure;
        std::size_t slot;
    } figures[] = {
        {Figure::ScoreH, 3},
        {Figure::ScoreV, 5},
        {Figure::Period, 6},
        {Figure::ShotsH, 7},
        {Figure::CKH, 8},
        {Figure::SavesH, 9},
        {Figure::ShotsV, 10},
        {Figure::CKV, 11},
        {Figure::SavesV, 12},
    };
    for (const auto &figure : figures) {
        QVERIFY(m_game.model->setFigure(figure.figure, 3));
        QCOMPARE(m_game.model->WebSBValues()[figure.slot], QStringLiteral("3"));
    }
    const std::array<QString, 14> values = m_game.model->WebSBValues();
    QCOMPARE(values[4], QStringLiteral("10:00"));
    QVERIFY(values[0].isEmpty() && values[1].isEmpty() && values[2].isEmpty());
    QVERIFY(values[13].isEmpty());
    QCOMPARE(FigureOfLedArray(QStringLiteral("sgmTime")), Figure::Time);
    QCOMPARE(FigureOfLedArray(QStringLiteral("sgmScore")), std::nullopt);
}

QTEST_GUILESS_MAIN(TestNumberEntry)
#include "tst_numberentry.moc"
