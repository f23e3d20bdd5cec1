#include "game/figures.h"
#include "tests/support/accessibilityevents.h"
#include "tests/support/boardfixture.h"

#include <QAccessible>
#include <QAction>
#include <QTest>

#include <segmora/segmora.h>

// The board as a screen reader finds it, through Qt's accessibility interfaces: one named
// object per figure with its value, and events only when a figure changes.
class TestBoardAccessibility : public QObject, private BoardFixture
{
    Q_OBJECT

private Q_SLOTS:
    void init() { resetBoard(); }
    void cleanup() { closeBoard(); }

    void figuresAreNamedAsTheBoardShowsThem_data();
    void figuresAreNamedAsTheBoardShowsThem();
    void digitsAreNoStopsOfTheirOwn();
    void aChangeIsAnnouncedOnceForItsFigureAlone();
    void theSameValueIsNotAnnouncedAgain();
    void undoAnnouncesOnlyWhatItChanges();
    void teamNamesFollowTheOptions();
    void aRunningClockIsToldEachMinuteAndItsLastTenSeconds();
    void theClockIsToldWhenItStartsStopsAndIsSet();
    void theClockIsReadableAtAnyTime();
    void theClockReadsAsShownAtEveryTick_data();
    void theClockReadsAsShownAtEveryTick();

private:
    QAccessibleInterface *figure(const char *name) const
    {
        return QAccessible::queryAccessibleInterface(group(name));
    }
    double value(const char *name) const
    {
        return figure(name)->valueInterface()->currentValue().toDouble();
    }
    int clockNameEvents(const AccessibilityEvents &events) const
    {
        return events.count(group("sgmTime"), QAccessible::NameChanged);
    }
    // Ticks the clock every 50 ms for `milliseconds`.
    void run(int milliseconds)
    {
        for (int t = 0; t < milliseconds; t += 50) {
            time.advance(50);
            tick();
        }
    }
};

void TestBoardAccessibility::theClockReadsAsShownAtEveryTick_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("stopAfterMs");
    QTest::newRow("minutes") << "10.00\r" << 1600;
    QTest::newRow("into the last minute") << "1.01\r" << 2400;
    QTest::newRow("the last seconds") << "0.02\r" << 1300;
    QTest::newRow("to zero") << "0.01\r" << 3000;
}

void TestBoardAccessibility::theClockReadsAsShownAtEveryTick()
{
    QFETCH(QString, typed);
    QFETCH(int, stopAfterMs);
    openBoard();
    type("sgmTime", typed.toLatin1().constData());
    board->AllKeyPress('s');
    const auto expected = [this] {
        const ClockFace &face = board->scoreboardGame().clockFace();
        const bool running = board->scoreboardGame().clockRunning();
        return QStringLiteral("Game clock %1, %2")
            .arg(
                SpokenClock(face), running ? QStringLiteral("running") : QStringLiteral("stopped"));
    };
    QStringList heard;
    for (int t = 0; t < stopAfterMs + 500; t += 50) {
        if (t == stopAfterMs) {
            board->AllKeyPress('s');
        }
        run(50);
        const QString name = figure("sgmTime")->text(QAccessible::Name);
        QCOMPARE(name, expected());
        if (heard.isEmpty() || heard.last() != name) {
            heard << name;
        }
    }
    // The words moved with the digits, and the stop was heard.
    QVERIFY2(heard.size() > 2, qPrintable(heard.join(QLatin1String(" | "))));
    QVERIFY(heard.last().endsWith(QLatin1String(", stopped")));
}

void TestBoardAccessibility::figuresAreNamedAsTheBoardShowsThem_data()
{
    QTest::addColumn<QString>("ledArray");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("role");
    QTest::addColumn<double>("maximum");

    const int spin = QAccessible::SpinBox;
    QTest::newRow("clock") << "sgmTime"
                           << "Game clock 10:00, stopped" << spin << 3599.0;
    QTest::newRow("home score") << "sgmScoreH"
                                << "Rovers score" << spin << 99.0;
    QTest::newRow("guest score") << "sgmScoreV"
                                 << "Guest score" << spin << 99.0;
    QTest::newRow("period") << "sgmPeriod"
                            << "PERIOD" << spin << 4.0;
    QTest::newRow("home shots") << "sgmShotsH"
                                << "Rovers SHOTS" << spin << 99.0;
    QTest::newRow("home corner kicks") << "sgmCKH"
                                       << "Rovers C/K" << spin << 9.0;
    QTest::newRow("guest saves") << "sgmSavesV"
                                 << "Guest SAVES" << spin << 99.0;
}

void TestBoardAccessibility::figuresAreNamedAsTheBoardShowsThem()
{
    QFETCH(QString, ledArray);
    QFETCH(QString, name);
    QFETCH(int, role);
    QFETCH(double, maximum);

    settings.HomeText = QStringLiteral("Rovers");
    openBoard();
    QAccessibleInterface *shown = QAccessible::queryAccessibleInterface(board->group(ledArray));
    QVERIFY(shown);
    QCOMPARE(shown->text(QAccessible::Name), name);
    QCOMPARE(int(shown->role()), role);
    QVERIFY(shown->valueInterface());
    QCOMPARE(shown->valueInterface()->maximumValue().toDouble(), maximum);
    // The value shown lies in the range, the period's 0 at the start included.
    QCOMPARE(shown->valueInterface()->minimumValue().toDouble(), 0.0);
    QCOMPARE(shown->valueInterface()->currentValue().toDouble(),
        ledArray == QLatin1String("sgmTime") ? 600.0 : 0.0);
    QVERIFY(shown->state().focusable);
    // The board holds it, so a reader walking down from the window meets it.
    QAccessibleInterface *window = QAccessible::queryAccessibleInterface(board.get());
    QAccessibleInterface *below = shown;
    while (below->parent() && below->parent()->object() != board.get()) {
        below = below->parent();
    }
    QVERIFY(below->parent());
    QVERIFY(window->indexOfChild(below) >= 0);
}

void TestBoardAccessibility::digitsAreNoStopsOfTheirOwn()
{
    openBoard();
    for (const FigureInfo &info : Figures) {
        const QString name
            = QString::fromLatin1(info.ledArray.data(), qsizetype(info.ledArray.size()));
        QAccessibleInterface *shown = QAccessible::queryAccessibleInterface(board->group(name));
        QCOMPARE(shown->childCount(), 0);
        for (Segmora *digit : board->group(name)->digits()) {
            QVERIFY(!(digit->focusPolicy() & Qt::TabFocus));
        }
    }
    // Every object of the board a reader can focus says what it is.
    QList<QAccessibleInterface *> pending{QAccessible::queryAccessibleInterface(board.get())};
    int focusable = 0;
    while (!pending.isEmpty()) {
        QAccessibleInterface *node = pending.takeFirst();
        for (int i = 0; i < node->childCount(); ++i) {
            pending.append(node->child(i));
        }
        if (node->state().focusable) {
            ++focusable;
            QVERIFY2(
                !node->text(QAccessible::Name).isEmpty(), qPrintable(node->object()->objectName()));
        }
    }
    QCOMPARE(focusable, int(Figures.size()));
}

void TestBoardAccessibility::aChangeIsAnnouncedOnceForItsFigureAlone()
{
    openBoard();
    AccessibilityEvents events;
    type("sgmScoreH", "2");
    // Not yet a value: a two-digit figure waits for Enter.
    QCOMPARE(events.count(QAccessible::ValueChanged), 0);
    type("sgmScoreH", "\r");
    QCOMPARE(events.count(group("sgmScoreH"), QAccessible::ValueChanged), 1);
    QCOMPARE(value("sgmScoreH"), 2.0);
    type("sgmCKV", "+3");
    QCOMPARE(events.count(group("sgmCKV"), QAccessible::ValueChanged), 1);
    QCOMPARE(value("sgmCKV"), 3.0);
    // Two changes, two events; no name of any figure changed.
    QCOMPARE(events.count(QAccessible::ValueChanged), 2);
    QCOMPARE(events.count(QAccessible::NameChanged), 0);
}

void TestBoardAccessibility::theSameValueIsNotAnnouncedAgain()
{
    openBoard();
    AccessibilityEvents events;
    type("sgmPeriod", "2");
    type("sgmPeriod", "2");
    type("sgmShotsH", "0\r");
    // Out of range: refused, nothing to tell.
    type("sgmPeriod", "7");
    QCOMPARE(events.count(group("sgmPeriod"), QAccessible::ValueChanged), 1);
    QCOMPARE(events.count(QAccessible::ValueChanged), 1);
}

void TestBoardAccessibility::undoAnnouncesOnlyWhatItChanges()
{
    openBoard();
    type("sgmSavesH", "12\r");
    type("sgmCKH", "4");
    AccessibilityEvents events;
    board->findChild<QAction *>(QStringLiteral("actUndo"))->trigger();
    QCOMPARE(events.count(group("sgmCKH"), QAccessible::ValueChanged), 1);
    QCOMPARE(events.count(QAccessible::ValueChanged), 1);
    QCOMPARE(value("sgmCKH"), 0.0);
    QCOMPARE(value("sgmSavesH"), 12.0);
}

void TestBoardAccessibility::teamNamesFollowTheOptions()
{
    openBoard();
    AccessibilityEvents events;
    settings.GuestText = QStringLiteral("Visitors");
    board->UpdateLabels();
    QCOMPARE(figure("sgmShotsV")->text(QAccessible::Name), QStringLiteral("Visitors SHOTS"));
    // The guest's four figures are renamed once each; the home side is left alone.
    const auto figureNameEvents = [&] {
        int n = 0;
        for (const FigureInfo &info : Figures) {
            const QString name
                = QString::fromLatin1(info.ledArray.data(), qsizetype(info.ledArray.size()));
            n += events.count(board->group(name), QAccessible::NameChanged);
        }
        return n;
    };
    QCOMPARE(figureNameEvents(), 4);
    QCOMPARE(events.count(group("sgmScoreV"), QAccessible::NameChanged), 1);
    QCOMPARE(events.count(group("sgmShotsH"), QAccessible::NameChanged), 0);
    board->UpdateLabels();
    QCOMPARE(figureNameEvents(), 4);
}

void TestBoardAccessibility::aRunningClockIsToldEachMinuteAndItsLastTenSeconds()
{
    openBoard();
    AccessibilityEvents events;
    board->AllKeyPress('s');
    QCOMPARE(clockNameEvents(events), 1); // started
    run(59'000);
    QCOMPARE(clockNameEvents(events), 1); // 9:01, no tick told
    run(1'000);
    QCOMPARE(clockNameEvents(events), 2); // 9:00
    QCOMPARE(
        figure("sgmTime")->text(QAccessible::Name), QStringLiteral("Game clock 9:00, running"));
    run(8 * 60'000);
    QCOMPARE(clockNameEvents(events), 10); // 8:00 ... 1:00
    run(49'900);
    QCOMPARE(clockNameEvents(events), 10); // 10.1 seconds: the quiet last minute
    QCOMPARE(figure("sgmTime")->text(QAccessible::Name),
        QStringLiteral("Game clock 10.1 seconds, running"));
    run(10'100);
    QCOMPARE(clockNameEvents(events), 21); // 10 ... 0 seconds
    QCOMPARE(figure("sgmTime")->text(QAccessible::Name),
        QStringLiteral("Game clock 0.0 seconds, running"));
    run(2'000);
    QCOMPARE(clockNameEvents(events), 21);
    // Only the clock spoke.
    QCOMPARE(events.count(QAccessible::NameChanged), 21);
    QCOMPARE(events.count(QAccessible::ValueChanged), 0);
}

void TestBoardAccessibility::theClockIsToldWhenItStartsStopsAndIsSet()
{
    openBoard();
    AccessibilityEvents events;
    board->AllKeyPress('s');
    run(3'000);
    board->AllKeyPress('s');
    QCOMPARE(clockNameEvents(events), 2);
    QCOMPARE(
        figure("sgmTime")->text(QAccessible::Name), QStringLiteral("Game clock 9:57, stopped"));
    type("sgmTime", "0.14\r");
    QCOMPARE(clockNameEvents(events), 3);
    QCOMPARE(figure("sgmTime")->text(QAccessible::Name),
        QStringLiteral("Game clock 14.0 seconds, stopped"));
    // The same time again, and a reset to it, tell nothing new.
    type("sgmTime", "0.14\r");
    board->AllKeyPress('r');
    QCOMPARE(clockNameEvents(events), 3);
    board->AllKeyPress('r');
    QCOMPARE(clockNameEvents(events), 3);
}

void TestBoardAccessibility::theClockIsReadableAtAnyTime()
{
    openBoard();
    board->AllKeyPress('s');
    AccessibilityEvents events;
    run(12'300);
    QCOMPARE(clockNameEvents(events), 0);
    QCOMPARE(
        figure("sgmTime")->text(QAccessible::Name), QStringLiteral("Game clock 9:48, running"));
    QCOMPARE(value("sgmTime"), 587.7);
}

QTEST_MAIN(TestBoardAccessibility)
#include "tst_boardaccessibility.moc"
