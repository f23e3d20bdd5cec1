#include "game/gamejournal.h"
#include "game/journalwriter.h"
#include "tests/support/boardfixture.h"
#include "tests/support/scriptedhttpserver.h"
#include "tests/support/slowjournal.h"

#include <QAccessible>
#include <QAction>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>

class TestHistory : public QObject, private BoardFixture
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void undoAndRedoAcrossGroups();
    void undoOfAClockEntryRestoresTheShownTime();
    void undoKeysTypeNothing();
    void historyHoldsFiftyChanges();
    void journalFollowsEveryChange();
    void theTickWritesNoJournal();
    void aNormalCloseLeavesNoJournal_data();
    void aNormalCloseLeavesNoJournal();
    void aSlowDiskNeverHoldsUpTheBoard();
    void aResumedClockReadsInWholeTenths();
    void resumingRestoresFiguresAndCountsTheClockOn();
    void figuresNameThemselves();

private:
    void undo() { board->findChild<QAction *>(QStringLiteral("actUndo"))->trigger(); }
    void redo() { board->findChild<QAction *>(QStringLiteral("actRedo"))->trigger(); }
    // The journal on disk, once everything asked of the writer is written.
    std::optional<JournalRecord> journalled()
    {
        m_writer->flush();
        return m_journal->read();
    }
    bool journalExists()
    {
        m_writer->flush();
        return m_journal->exists();
    }

    QTemporaryDir m_dir;
    std::unique_ptr<SlowJournal> m_journal;
    std::unique_ptr<JournalWriter> m_writer;
};

void TestHistory::init()
{
    resetBoard();
    m_writer.reset();
    m_journal = std::make_unique<SlowJournal>(m_dir.filePath(QStringLiteral("journal.json")));
    m_journal->remove();
    m_writer = std::make_unique<JournalWriter>(*m_journal);
    journal = m_writer.get();
}

void TestHistory::cleanup()
{
    closeBoard();
    m_writer.reset();
}

void TestHistory::undoAndRedoAcrossGroups()
{
    openBoard();
    type("sgmScoreH", "2\r");
    type("sgmPeriod", "3");
    type("sgmScoreH", "+1");
    QCOMPARE(ShownFigure(group("sgmScoreH")), QStringLiteral(" 3"));
    undo();
    QCOMPARE(ShownFigure(group("sgmScoreH")), QStringLiteral(" 2"));
    QCOMPARE(published(Figure::ScoreH), QStringLiteral("2"));
    undo();
    QCOMPARE(ShownFigure(group("sgmPeriod")), QStringLiteral("0"));
    QCOMPARE(published(Figure::Period), QStringLiteral("0"));
    undo();
    QCOMPARE(ShownFigure(group("sgmScoreH")), QStringLiteral("00"));
    undo(); // nothing more to undo
    QCOMPARE(ShownFigure(group("sgmScoreH")), QStringLiteral("00"));
    redo();
    redo();
    QCOMPARE(ShownFigure(group("sgmScoreH")), QStringLiteral(" 2"));
    QCOMPARE(ShownFigure(group("sgmPeriod")), QStringLiteral("3"));
    // A new change drops what could be redone.
    type("sgmCKV", "4");
    redo();
    QCOMPARE(ShownFigure(group("sgmScoreH")), QStringLiteral(" 2"));
    // Refused input is no change to undo.
    type("sgmPeriod", "9");
    undo();
    QCOMPARE(ShownFigure(group("sgmCKV")), QStringLiteral("0"));
    QCOMPARE(ShownFigure(group("sgmPeriod")), QStringLiteral("3"));
}

void TestHistory::undoOfAClockEntryRestoresTheShownTime()
{
    openBoard();
    board->AllKeyPress('s');
    time.advance(30'000);
    tick();
    QCOMPARE(published(Figure::Time), QStringLiteral("9:30"));
    type("sgmTime", "45.0\r");
    QCOMPARE(published(Figure::Time), QStringLiteral("45:00"));
    QCOMPARE(game.LastEnteredTime, 2700);
    undo();
    QCOMPARE(published(Figure::Time), QStringLiteral("9:30"));
    QCOMPARE(game.LastEnteredTime, 600);
    QVERIFY(!clockRunning());
    // Time passing does not move the restored, stopped clock.
    time.advance(10'000);
    QVERIFY(BoardTimer(*board, "tmrClock").isActive());
    tick();
    QCOMPARE(published(Figure::Time), QStringLiteral("9:30"));
    redo();
    QCOMPARE(published(Figure::Time), QStringLiteral("45:00"));
    QCOMPARE(game.LastEnteredTime, 2700);
}

void TestHistory::undoKeysTypeNothing()
{
    openBoard();
    board->show();
    board->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(board.get()));
    type("sgmScoreH", "5\r");
    group("sgmScoreH")->setFocus();
    // Through the application, as the operator's keyboard would deliver them.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(ShownFigure(group("sgmScoreH")), QStringLiteral("00"));
    QVERIFY(game.NumberEntry.text.isEmpty());
    QTest::keyClick(
        QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(ShownFigure(group("sgmScoreH")), QStringLiteral(" 5"));
    // F11 types nothing either.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F11);
    QVERIFY(game.NumberEntry.text.isEmpty());
    board->hide();
}

void TestHistory::historyHoldsFiftyChanges()
{
    openBoard();
    for (int i = 0; i < 60; ++i) {
        type("sgmShotsH", "+1");
    }
    QCOMPARE(published(Figure::ShotsH), QStringLiteral("60"));
    for (int i = 0; i < 50; ++i) {
        undo();
    }
    QCOMPARE(published(Figure::ShotsH), QStringLiteral("10"));
}

void TestHistory::journalFollowsEveryChange()
{
    openBoard();
    QVERIFY(!journalExists()); // opening the board is no change
    type("sgmScoreV", "3\r");
    QCOMPARE(journalled()->Figures.value(QStringLiteral("sgmScoreV")), (QList<qint16>{3, -1}));
    board->AllKeyPress('s');
    QVERIFY(journalled()->Running);
    time.advance(2'000);
    board->AllKeyPress('s');
    const JournalRecord stopped = *journalled();
    QVERIFY(!stopped.Running);
    undo();
    QCOMPARE(journalled()->Figures.value(QStringLiteral("sgmScoreV")), (QList<qint16>{0, 0}));
}

void TestHistory::theTickWritesNoJournal()
{
    openBoard();
    board->AllKeyPress('s');
    QVERIFY(journalExists());
    const int writes = m_journal->writes;
    const JournalRecord started = *journalled();
    for (int i = 0; i < 200; ++i) {
        time.advance(50);
        tick();
    }
    QVERIFY(journalExists());
    QCOMPARE(m_journal->writes, writes);
    // The record written at the start is enough to resume from: 10 s on, the clock is at 9:50.
    QCOMPARE(ResumedClock(started, time.wallClockMilliseconds()).BankedTime, ClockSeconds(10));
}

void TestHistory::aNormalCloseLeavesNoJournal_data()
{
    QTest::addColumn<bool>("publishing");
    QTest::addColumn<bool>("answer");
    QTest::newRow("not publishing") << false << false;
    QTest::newRow("publishing, No") << true << false;
    QTest::newRow("publishing, Yes") << true << true;
}

void TestHistory::aNormalCloseLeavesNoJournal()
{
    QFETCH(bool, publishing);
    QFETCH(bool, answer);
    ScriptedHttpServer server;
    server.answer("1|");
    settings.ServiceAddress = server.baseAddress();
    web.WebSBFailCount = publishing ? 0 : -1;
    openBoard();
    type("sgmScoreH", "1\r");
    board->AllKeyPress('s');
    QVERIFY(journalExists());
    // The operator leaves the closing question open for a while, the clock running on.
    ui.whileAsking = [this] {
        for (int i = 0; i < 100; ++i) {
            time.advance(50);
            tick();
        }
    };
    ui.answers = {answer};
    board->show();
    closeWindow();
    QCOMPARE(ui.questions.size(), publishing ? 1 : 0);
    QVERIFY(!journalExists());
    // Nothing the board still does brings it back.
    tick();
    QVERIFY(!journalExists());
}

void TestHistory::aSlowDiskNeverHoldsUpTheBoard()
{
    m_journal->delayMs = 400;
    openBoard();
    QElapsedTimer timer;
    qint64 longest = 0;
    for (const char *keys : {"1\r", "+1", "-1", "2\r"}) {
        timer.start();
        type("sgmShotsH", keys);
        board->AllKeyPress('s');
        longest = std::max(longest, timer.elapsed());
    }
    QVERIFY2(longest < 100, qPrintable(QString::number(longest)));
    QCOMPARE(journalled()->Figures.value(QStringLiteral("sgmShotsH")), (QList<qint16>{2, -1}));
}

void TestHistory::aResumedClockReadsInWholeTenths()
{
    JournalRecord record;
    record.BaseValue = ClockSeconds(600);
    record.ElapsedTime = ClockTenths(12);
    record.Running = true;
    record.LastEnteredTime = 600;
    // Written 15.75 s before this start, at a time that falls between two tenths.
    record.WrittenAt = time.wallClockMilliseconds() - 15'750;
    openBoard();
    board->ResumeGame(record);
    for (int i = 0; i < 40; ++i) {
        time.advance(37);
        tick();
        const ClockValue value = ReadClock(game.Clock, time, 0);
        QVERIFY2(value % ClockTenths(1) == 0, qPrintable(QString::number(value)));
    }
    // 600 - 1.2 - 15.7 - 1.4 = 581.7, shown rounded up as 9:42.
    QCOMPARE(published(Figure::Time), QStringLiteral("9:42"));
}

void TestHistory::resumingRestoresFiguresAndCountsTheClockOn()
{
    openBoard();
    type("sgmScoreH", "2\r");
    type("sgmSavesV", "11\r");
    type("sgmTime", "20.0\r");
    board->AllKeyPress('s');
    time.advance(30'000);
    tick();
    const JournalRecord record = *journalled();
    // The program dies; 45 s later it starts again and takes the game up.
    closeBoard();
    game = {};
    web = {};
    time.advance(45'000);
    openBoard();
    board->ResumeGame(record);
    QCOMPARE(ShownFigure(group("sgmScoreH")), QStringLiteral(" 2"));
    QCOMPARE(ShownFigure(group("sgmSavesV")), QStringLiteral("11"));
    QCOMPARE(published(Figure::ScoreH), QStringLiteral("2"));
    QCOMPARE(published(Figure::SavesV), QStringLiteral("11"));
    QCOMPARE(game.LastEnteredTime, 1200);
    QCOMPARE(published(Figure::Time), QStringLiteral("18:45"));
    QVERIFY(clockRunning());
    QVERIFY(BoardTimer(*board, "tmrClock").isActive());
    time.advance(1'000);
    tick();
    QCOMPARE(published(Figure::Time), QStringLiteral("18:44"));
    // Reset still goes back to the last time entered before the crash.
    board->AllKeyPress('r');
    QCOMPARE(published(Figure::Time), QStringLiteral("20:00"));
}

void TestHistory::figuresNameThemselves()
{
    // Named by the board's words, the value apart from the name.
    openBoard();
    const auto value = [this](const char *name) {
        QAccessibleInterface *figure = QAccessible::queryAccessibleInterface(group(name));
        return figure->valueInterface()->currentValue().toInt();
    };
    QCOMPARE(group("sgmScoreH")->accessibleName(), QStringLiteral("Home score"));
    QCOMPARE(value("sgmScoreH"), 0);
    type("sgmScoreH", "2\r");
    type("sgmCKV", "7");
    QCOMPARE(value("sgmScoreH"), 2);
    QCOMPARE(value("sgmCKV"), 7);
    QCOMPARE(group("sgmCKV")->accessibleName(), QStringLiteral("Guest C/K"));
    QCOMPARE(QAccessible::queryAccessibleInterface(group("sgmTime"))->text(QAccessible::Name),
        QStringLiteral("Game clock 10:00, stopped"));
    undo();
    QCOMPARE(value("sgmCKV"), 0);
    QCOMPARE(value("sgmScoreH"), 2);
}

QTEST_MAIN(TestHistory)
#include "tst_history.moc"
