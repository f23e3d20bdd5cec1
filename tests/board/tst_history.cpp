#include "board/digitgroup.h"
#include "board/frmscoreboard.h"
#include "board/gamejournal.h"
#include "board/modsoccer.h"
#include "settings/livesettings.h"
#include "settings/settingsstore.h"
#include "tests/support/boardkeys.h"
#include "tests/support/fakes.h"
#include "tests/support/recordingui.h"
#include "web/webstate.h"

#include <QAction>
#include <QTemporaryDir>
#include <QTest>

class TestHistory : public QObject
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
    void aRunningClockIsJournalledEverySecond();
    void aNormalCloseLeavesNoJournal();
    void resumingRestoresFiguresAndCountsTheClockOn();
    void figuresNameThemselves();

private:
    void open();
    void type(const char *group, const char *keys);
    void tick() { QMetaObject::invokeMethod(&m_board->tmrClock(), "timeout"); }
    void undo() { m_board->findChild<QAction *>(QStringLiteral("actUndo"))->trigger(); }
    void redo() { m_board->findChild<QAction *>(QStringLiteral("actRedo"))->trigger(); }
    DigitGroup *group(const char *name) const { return m_board->group(QLatin1String(name)); }

    QTemporaryDir m_dir;
    LiveSettings m_settings;
    GameState m_game;
    WebState m_web;
    FakeTime m_time;
    RecordingUi m_ui;
    std::unique_ptr<GameJournal> m_journal;
    std::unique_ptr<frmScoreboard> m_board;
};

void TestHistory::init()
{
    m_settings = DefaultSettings(QString());
    m_game = {};
    m_web = {};
    m_time = FakeTime();
    m_journal = std::make_unique<GameJournal>(m_dir.filePath(QStringLiteral("journal.json")));
    m_journal->remove();
}

void TestHistory::cleanup()
{
    m_board.reset();
}

void TestHistory::open()
{
    frmScoreboard::Context context{m_settings, m_game, m_web, m_time, m_ui, {}, m_journal.get()};
    m_board = std::make_unique<frmScoreboard>(context, std::make_unique<RecordingSoundPlayer>());
}

void TestHistory::type(const char *name, const char *keys)
{
    TypeKeys(group(name), keys);
}

void TestHistory::undoAndRedoAcrossGroups()
{
    open();
    type("sgmScoreH", "2\r");
    type("sgmPeriod", "3");
    type("sgmScoreH", "+1");
    QCOMPARE(ShownFigure(group("sgmScoreH")), QStringLiteral(" 3"));
    undo();
    QCOMPARE(ShownFigure(group("sgmScoreH")), QStringLiteral(" 2"));
    QCOMPARE(m_web.WebSBValues[3], QStringLiteral("2"));
    undo();
    QCOMPARE(ShownFigure(group("sgmPeriod")), QStringLiteral("0"));
    QCOMPARE(m_web.WebSBValues[6], QStringLiteral("0"));
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
    open();
    m_board->AllKeyPress('s');
    m_time.advance(30'000);
    tick();
    QCOMPARE(m_web.WebSBValues[4], QStringLiteral("9:30"));
    type("sgmTime", "45.0\r");
    QCOMPARE(m_web.WebSBValues[4], QStringLiteral("45:00"));
    QCOMPARE(m_game.LastEnteredTime, 2700);
    undo();
    QCOMPARE(m_web.WebSBValues[4], QStringLiteral("9:30"));
    QCOMPARE(m_game.LastEnteredTime, 600);
    QVERIFY(!m_game.Clock[0].Running);
    // Time passing does not move the restored, stopped clock.
    m_time.advance(10'000);
    QVERIFY(m_board->tmrClock().isActive());
    tick();
    QCOMPARE(m_web.WebSBValues[4], QStringLiteral("9:30"));
    redo();
    QCOMPARE(m_web.WebSBValues[4], QStringLiteral("45:00"));
    QCOMPARE(m_game.LastEnteredTime, 2700);
}

void TestHistory::undoKeysTypeNothing()
{
    open();
    m_board->show();
    m_board->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_board.get()));
    type("sgmScoreH", "5\r");
    group("sgmScoreH")->setFocus();
    // Through the application, as the operator's keyboard would deliver them.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(ShownFigure(group("sgmScoreH")), QStringLiteral("00"));
    QVERIFY(m_game.NumberEntry.text.isEmpty());
    QTest::keyClick(
        QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(ShownFigure(group("sgmScoreH")), QStringLiteral(" 5"));
    // F11 types nothing either.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F11);
    QVERIFY(m_game.NumberEntry.text.isEmpty());
    m_board->hide();
}

void TestHistory::historyHoldsFiftyChanges()
{
    open();
    for (int i = 0; i < 60; ++i) {
        type("sgmShotsH", "+1");
    }
    QCOMPARE(m_web.WebSBValues[7], QStringLiteral("60"));
    for (int i = 0; i < 50; ++i) {
        undo();
    }
    QCOMPARE(m_web.WebSBValues[7], QStringLiteral("10"));
}

void TestHistory::journalFollowsEveryChange()
{
    open();
    QVERIFY(!m_journal->exists()); // opening the board is no change
    type("sgmScoreV", "3\r");
    QCOMPARE(m_journal->read()->Figures.value(QStringLiteral("sgmScoreV")), (QList<qint16>{3, -1}));
    m_board->AllKeyPress('s');
    QVERIFY(m_journal->read()->Running);
    m_time.advance(2'000);
    m_board->AllKeyPress('s');
    const JournalRecord stopped = *m_journal->read();
    QVERIFY(!stopped.Running);
    undo();
    QCOMPARE(m_journal->read()->Figures.value(QStringLiteral("sgmScoreV")), (QList<qint16>{0, 0}));
}

void TestHistory::aRunningClockIsJournalledEverySecond()
{
    open();
    m_board->AllKeyPress('s');
    const qint64 started = m_journal->read()->WrittenAt;
    m_time.advance(500);
    tick();
    QCOMPARE(m_journal->read()->WrittenAt, started);
    m_time.advance(500);
    tick();
    QCOMPARE(m_journal->read()->WrittenAt, started + 1000);
    QCOMPARE(m_journal->read()->ElapsedTime, ClockSeconds(1));
}

void TestHistory::aNormalCloseLeavesNoJournal()
{
    open();
    type("sgmScoreH", "1\r");
    QVERIFY(m_journal->exists());
    m_board->show();
    m_board->close();
    QVERIFY(!m_journal->exists());
}

void TestHistory::resumingRestoresFiguresAndCountsTheClockOn()
{
    open();
    type("sgmScoreH", "2\r");
    type("sgmSavesV", "11\r");
    type("sgmTime", "20.0\r");
    m_board->AllKeyPress('s');
    m_time.advance(30'000);
    tick();
    const JournalRecord record = *m_journal->read();
    // The program dies; 45 s later it starts again and takes the game up.
    m_board.reset();
    m_game = {};
    m_web = {};
    m_time.advance(45'000);
    open();
    m_board->ResumeGame(record);
    QCOMPARE(ShownFigure(group("sgmScoreH")), QStringLiteral(" 2"));
    QCOMPARE(ShownFigure(group("sgmSavesV")), QStringLiteral("11"));
    QCOMPARE(m_web.WebSBValues[3], QStringLiteral("2"));
    QCOMPARE(m_web.WebSBValues[12], QStringLiteral("11"));
    QCOMPARE(m_game.LastEnteredTime, 1200);
    QCOMPARE(m_web.WebSBValues[4], QStringLiteral("18:45"));
    QVERIFY(m_game.Clock[0].Running);
    QVERIFY(m_board->tmrClock().isActive());
    m_time.advance(1'000);
    tick();
    QCOMPARE(m_web.WebSBValues[4], QStringLiteral("18:44"));
    // Reset still goes back to the last time entered before the crash.
    m_board->AllKeyPress('r');
    QCOMPARE(m_web.WebSBValues[4], QStringLiteral("20:00"));
}

void TestHistory::figuresNameThemselves()
{
    open();
    QCOMPARE(group("sgmScoreH")->accessibleName(), QStringLiteral("Home score 0"));
    type("sgmScoreH", "2\r");
    type("sgmCKV", "7");
    QCOMPARE(group("sgmScoreH")->accessibleName(), QStringLiteral("Home score 2"));
    QCOMPARE(group("sgmCKV")->accessibleName(), QStringLiteral("Visitor corner kicks 7"));
    QCOMPARE(group("sgmTime")->accessibleName(), QStringLiteral("Game clock 10:00"));
    undo();
    QCOMPARE(group("sgmCKV")->accessibleName(), QStringLiteral("Visitor corner kicks 0"));
}

QTEST_MAIN(TestHistory)
#include "tst_history.moc"
