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

#include <QDir>
#include <QFileInfo>
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
    QTimer::singleShot(1500, board, [board] {
        // Out of sight, until another start of the same game brings it back.
        board->showMinimized();
        std::printf("ready\n");
        std::fflush(stdout);
    });
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, board, [board] {
        static bool minimized = false;
        minimized = minimized || board->isMinimized();
        if (minimized && !board->isMinimized()) {
            std::printf("front\n");
            std::fflush(stdout);
            minimized = false;
        }
    });
    watch.start(20);
    return QApplication::exec();
}

// A match counting up, in two one-minute halves, played into `scenario` ("added time" or
// "half-time"); "ready" once the journal has it, then waits to be killed.
int runMatchUntilKilled(const QString &folder, const QString &scenario)
{
    RecordingUi ui;
    const auto varnelo = MakeApplication(ui, folder);
    frmScoreboard *board = GoToBoard(*varnelo);
    ScoreboardGame &game = board->scoreboardGame();
    game.setMatchFormat({ClockDirection::Up, 1, 1, 0, false});
    game.nextPhase();
    if (scenario == QLatin1String("added time")) {
        game.setClock(58);
        game.announceAddedTime(2);
        game.setFigure(Figure::ScoreH, 1);
        game.addCard(Team::Visitor, false, QStringLiteral("6"));
        game.startStopClock();
    } else {
        game.nextPhase();
    }
    QTimer::singleShot(500, board, [] {
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
    void aKilledMatchGoesOnInItsPhase_data();
    void aKilledMatchGoesOnInItsPhase();
    void noMeansTheGameIsDiscarded();
    void aCorruptJournalIsDiscardedQuietly();
    void aSecondStartBringsTheRunningGameToTheFront();
    void aJournalThatCannotBeReadIsKept();
    void theOperatorHearsWhenTheGameIsNotSaved();

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

void TestResume::aKilledMatchGoesOnInItsPhase_data()
{
    QTest::addColumn<QString>("scenario");
    QTest::addColumn<int>("phase");
    QTest::addColumn<QString>("clock");
    QTest::addColumn<qint64>("addedPlayed");
    // Started at 0:58 and down for 7 s: five seconds into the added time, the clock held.
    QTest::newRow("added time") << QStringLiteral("added time") << int(Phase::FirstHalf)
                                << QStringLiteral("1:00") << qint64(5);
    // The one-minute break counted on while the program was down.
    QTest::newRow("half-time") << QStringLiteral("half-time") << int(Phase::HalfTime)
                               << QStringLiteral("0:53") << qint64(0);
}

void TestResume::aKilledMatchGoesOnInItsPhase()
{
    QFETCH(QString, scenario);
    QFETCH(int, phase);
    QFETCH(QString, clock);
    QFETCH(qint64, addedPlayed);
    QTemporaryDir dir;
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(),
        {QStringLiteral("--play-match-until-killed"), dir.path(), scenario});
    QVERIFY(child.waitForStarted());
    QByteArray said;
    QTRY_VERIFY2_WITH_TIMEOUT(
        (said += child.readAllStandardOutput()).contains("ready"), said.constData(), 15000);
    child.kill();
    QVERIFY(child.waitForFinished());

    const auto record = GameJournal(JournalPathIn(dir.path())).read();
    QVERIFY(record);
    FakeTime time;
    time.wall = record->WrittenAt + 7000 - time.now;
    RecordingUi ui;
    ui.answers = {true};
    const auto varnelo = MakeApplication(ui, dir.path(), &time);
    varnelo->start();
    QVERIFY(varnelo->board());
    const ScoreboardGame &game = varnelo->board()->scoreboardGame();
    QCOMPARE(int(game.match().phase), phase);
    QCOMPARE(game.clockFace().text, clock);
    QCOMPARE(game.addedPlayed(), addedPlayed);
    QCOMPARE(game.match().addedMinutes, phase == int(Phase::FirstHalf) ? 2 : 0);
    // The goal and the card came back with the match.
    QCOMPARE(game.events().size(), phase == int(Phase::FirstHalf) ? 2 : 0);
    QVERIFY(game.counting());
    varnelo->board()->close();
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

void TestResume::aSecondStartBringsTheRunningGameToTheFront()
{
    QTemporaryDir dir;
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(),
        {QStringLiteral("--play-until-killed"), dir.path()});
    QVERIFY(child.waitForStarted());
    QByteArray said;
    QTRY_VERIFY2_WITH_TIMEOUT(
        (said += child.readAllStandardOutput()).contains("ready"), said.constData(), 15000);
    // The lock lies beside the journal.
    QVERIFY(QFile::exists(JournalPathIn(dir.path()) + QStringLiteral(".lock")));
    RecordingUi ui;
    ui.answers = {false, false};
    const auto second = MakeApplication(ui, dir.path());
    QVERIFY(!second->start());
    // Nothing offered, nothing shown, nothing deleted under the running game.
    QVERIFY(ui.questions.isEmpty());
    QVERIFY(!second->splash());
    QVERIFY(GameJournal(JournalPathIn(dir.path())).exists());
    QTRY_VERIFY2_WITH_TIMEOUT(
        (said += child.readAllStandardOutput()).contains("front"), said.constData(), 15000);
    child.kill();
    QVERIFY(child.waitForFinished());
    // Another folder is another game: no clash.
    QTemporaryDir other;
    const auto elsewhere = MakeApplication(ui, other.path());
    QVERIFY(elsewhere->start());
}

void TestResume::aJournalThatCannotBeReadIsKept()
{
    QTemporaryDir dir;
    // A journal that opens but cannot be read: nothing says what game it holds.
    const QString path = JournalPathIn(dir.path());
    QVERIFY(QDir().mkpath(path));
    RecordingUi ui;
    const auto varnelo = MakeApplication(ui, dir.path());
    QVERIFY(varnelo->start());
    QVERIFY(ui.questions.isEmpty());
    QCOMPARE(ui.messages.size(), 1);
    QVERIFY2(ui.messages.at(0).text.contains(QStringLiteral("could not be read")),
        qPrintable(ui.messages.at(0).text));
    QVERIFY(QFileInfo(path + QStringLiteral(".unread")).isDir());
    QVERIFY(ui.messages.at(0).text.contains(path + QStringLiteral(".unread")));
    // The new game is journalled where the old one was.
    frmScoreboard *board = GoToBoard(*varnelo);
    QVERIFY(board);
    board->AllKeyPress('s');
    QTRY_VERIFY(QFileInfo(path).isFile());
}

void TestResume::theOperatorHearsWhenTheGameIsNotSaved()
{
    QTemporaryDir dir;
    // A journal folder that cannot be made, as a full or read-only disk fails, even for root.
    QFile blocker(dir.filePath(QStringLiteral("data")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    RecordingUi ui;
    QSettings *store = new QSettings(SettingsPathIn(dir.path()), QSettings::IniFormat);
    Application varnelo(ui, std::unique_ptr<QSettings>(store), nullptr,
        dir.filePath(QStringLiteral("data/journal.json")));
    QVERIFY(varnelo.start());
    varnelo.splash()->GoScore();
    frmScoreboard *board = varnelo.board();
    board->AllKeyPress('s');
    QTRY_COMPARE(ui.notices.size(), 1);
    QVERIFY2(ui.notices.at(0).text.startsWith(QStringLiteral("The game is not being saved")),
        qPrintable(ui.notices.at(0).text));
    // Told once, however many changes fail.
    for (int i = 0; i < 5; ++i) {
        board->AllKeyPress('s');
    }
    QTest::qWait(100);
    QCOMPARE(ui.notices.size(), 1);
    // And told when it works again.
    QVERIFY(blocker.remove());
    board->AllKeyPress('s');
    QTRY_COMPARE(ui.notices.size(), 2);
    QCOMPARE(ui.notices.at(1).text, QStringLiteral("The game is being saved again."));
    QTRY_VERIFY(QFile::exists(dir.filePath(QStringLiteral("data/journal.json"))));
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], "--play-until-killed") == 0) {
        InstallFontSubstitutions();
        return runGameUntilKilled(QString::fromLocal8Bit(argv[2]));
    }
    if (argc == 4 && qstrcmp(argv[1], "--play-match-until-killed") == 0) {
        InstallFontSubstitutions();
        return runMatchUntilKilled(
            QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    }
    TestResume test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_resume.moc"
