#include "board/digitgroup.h"
#include "board/frmscoreboard.h"
#include "game/gamejournal.h"
#include "startup/application.h"
#include "startup/fonts.h"
#include "startup/frmsplash.h"
#include "tests/support/boardkeys.h"
#include "tests/support/fakes.h"
#include "tests/support/programfolder.h"
#include "tests/support/recordingui.h"
#include "web/modwebsb.h"
#include "web/webstate.h"

#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdio>

namespace {

// The program as an operator runs it: the board opened from the splash, figures typed in and
// the clock running. It reports "ready" once the journal has the game, and then waits to be
// killed.
int runGameUntilKilled(const QString &folder)
{
    RecordingUi ui;
    const auto varnelo = MakeApplication(ui, folder);
    frmScoreboard *board = GoToBoard(*varnelo);
    QTest::keyClicks(board->group(QStringLiteral("sgmScoreH")), QStringLiteral("3"));
    QTest::keyClick(board->group(QStringLiteral("sgmScoreH")), Qt::Key_Return);
    QTest::keyClick(board->group(QStringLiteral("sgmPeriod")), '2');
    board->AllKeyPress('s');
    QTimer::singleShot(1500, board, [] {
        std::printf("ready\n");
        std::fflush(stdout);
    });
    return QApplication::exec();
}

} // namespace

class TestResume : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void aKilledGameIsResumedAsItWas();
    void noMeansTheGameIsDiscarded();
    void aCorruptJournalIsDiscardedQuietly();

private:
    QTemporaryDir m_dir;
};

void TestResume::initTestCase()
{
    InstallFontSubstitutions();
}

void TestResume::aKilledGameIsResumedAsItWas()
{
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(),
        {QStringLiteral("--play-until-killed"), m_dir.path()});
    QVERIFY(child.waitForStarted());
    QByteArray said;
    QTRY_VERIFY2_WITH_TIMEOUT(
        (said += child.readAllStandardOutput()).contains("ready"), said.constData(), 15000);
    child.kill(); // SIGKILL: nothing of the program gets to clean up
    QVERIFY(child.waitForFinished());
    QCOMPARE(child.exitStatus(), QProcess::CrashExit);

    GameJournal journal(JournalPathIn(m_dir.path()));
    const auto record = journal.read();
    QVERIFY(record);
    QVERIFY(record->Running);
    // Written when the clock started, not on every tick: a resume counts on from there.
    QCOMPARE(record->ElapsedTime, ClockValue(0));

    // Started again 7 s after the journal was last written; the operator says Yes.
    FakeTime time;
    time.wall = record->WrittenAt + 7000 - time.now;
    RecordingUi ui;
    ui.answers = {true};
    const auto varnelo = MakeApplication(ui, m_dir.path(), &time);
    varnelo->start();
    QCOMPARE(ui.questions.size(), 1);
    QCOMPARE(ui.questions.at(0).text, QStringLiteral("Resume the last game?"));
    frmScoreboard *board = varnelo->board();
    QVERIFY(board);
    QCOMPARE(board->group(QStringLiteral("sgmScoreH"))->caption(0), qint16(3));
    QCOMPARE(board->group(QStringLiteral("sgmPeriod"))->caption(0), qint16(2));
    const QStringList sent = WebSBFieldValues(varnelo->settings(), varnelo->web());
    QCOMPARE(sent.at(3), QStringLiteral("3"));
    const ClockValue expected = record->BaseValue - record->ElapsedTime - ClockSeconds(7);
    QCOMPARE(sent.at(4), ShowClock(expected).text);
    QVERIFY(board->scoreboardGame().clockRunning());
    QVERIFY(BoardTimer(*board, "tmrClock").isActive());
    board->close();
    QVERIFY(!journal.exists());
}

void TestResume::noMeansTheGameIsDiscarded()
{
    GameJournal journal(JournalPathIn(m_dir.path()));
    JournalRecord record;
    record.BaseValue = ClockSeconds(600);
    record.Figures.insert(QStringLiteral("sgmScoreV"), {4, -1});
    QVERIFY(journal.write(record));
    RecordingUi ui;
    ui.answers = {false};
    const auto varnelo = MakeApplication(ui, m_dir.path());
    varnelo->start();
    QCOMPARE(ui.questions.size(), 1);
    QVERIFY(!journal.exists());
    QVERIFY(!varnelo->board());
    varnelo->splash()->GoScore();
    QCOMPARE(varnelo->board()->group(QStringLiteral("sgmScoreV"))->caption(0), qint16(0));
}

void TestResume::aCorruptJournalIsDiscardedQuietly()
{
    const QString path = JournalPathIn(m_dir.path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("{\"format\":\"varnelo-game-journal\",\"version\":1,\"figures\":[");
    file.close();
    RecordingUi ui;
    const auto varnelo = MakeApplication(ui, m_dir.path());
    varnelo->start();
    QVERIFY(ui.questions.isEmpty());
    QVERIFY(!QFile::exists(path));
    QVERIFY(varnelo->splash()->isVisible());
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], "--play-until-killed") == 0) {
        InstallFontSubstitutions();
        return runGameUntilKilled(QString::fromLocal8Bit(argv[2]));
    }
    TestResume test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_resume.moc"
