#include "board/frmscoreboard.h"
#include "game/gamejournal.h"
#include "options/frmoptions.h"
#include "startup/application.h"
#include "startup/fonts.h"
#include "startup/frmsplash.h"
#include "tests/support/gamefixture.h"
#include "tests/support/programfolder.h"
#include "tests/support/recordingui.h"

#include <QDateTime>
#include <QFile>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

// The saved match format at start: played from the kick-off, given way to by a resumed match's
// own, and changed in the running game by the options.
class TestMatchStartup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void theSavedFormatIsPlayedFromTheStart();
    void aResumedMatchKeepsItsOwnFormat_data();
    void aResumedMatchKeepsItsOwnFormat();
    void theOptionsChangeTheRunningGame();
    void theSheetsNamePlayersAndTheReportIsSaved();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    RecordingUi m_ui;
};

namespace {

// Up, 2 x 40: no preset, and not the default.
const MatchFormat Saved{ClockDirection::Up, 40, 15, 0, false};

} // namespace

void TestMatchStartup::initTestCase()
{
    InstallFontSubstitutions();
}

void TestMatchStartup::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QSettings seed(SettingsPathIn(m_dir->path()), QSettings::IniFormat);
    seed.setValue(QStringLiteral("MatchSettings/ClockUp"), QStringLiteral("1"));
    seed.setValue(QStringLiteral("MatchSettings/HalfMinutes"), QStringLiteral("40"));
    seed.setValue(QStringLiteral("TeamSheets/Home"), QStringLiteral("1 Max Keeper\n9 Alex Morgan"));
    seed.sync();
    m_ui = {};
}

void TestMatchStartup::theSavedFormatIsPlayedFromTheStart()
{
    const auto varnelo = MakeApplication(m_ui, m_dir->path());
    frmScoreboard *board = GoToBoard(*varnelo);
    QVERIFY(board);
    ScoreboardGame &game = board->scoreboardGame();
    QCOMPARE(game.match().format, Saved);
    QCOMPARE(game.match().phase, Phase::PreMatch);
    // The operator's first undo takes back nothing of the start.
    game.undo();
    QCOMPARE(game.match().format, Saved);
}

void TestMatchStartup::aResumedMatchKeepsItsOwnFormat_data()
{
    QTest::addColumn<bool>("resume");
    QTest::newRow("resumed") << true;
    QTest::newRow("not resumed") << false;
}

void TestMatchStartup::aResumedMatchKeepsItsOwnFormat()
{
    QFETCH(bool, resume);
    // The last run played the cup format into its first half, and was killed.
    const MatchFormat cup = MatchPresets[1].format;
    {
        GameFixture last;
        QVERIFY(last.model->setMatchFormat(cup));
        QVERIFY(last.model->nextPhase());
        JournalRecord record = last.model->journalRecord();
        record.WrittenAt = QDateTime::currentMSecsSinceEpoch();
        QVERIFY(GameJournal(JournalPathIn(m_dir->path())).write(record));
    }
    m_ui.answers = {resume};
    const auto varnelo = MakeApplication(m_ui, m_dir->path());
    varnelo->start();
    QCOMPARE(m_ui.questions.size(), 1);
    if (!resume) {
        varnelo->splash()->GoScore();
    }
    frmScoreboard *board = varnelo->board();
    QVERIFY(board);
    const MatchState &match = board->scoreboardGame().match();
    QCOMPARE(match.format, resume ? cup : Saved);
    QCOMPARE(match.phase, resume ? Phase::FirstHalf : Phase::PreMatch);
}

void TestMatchStartup::theOptionsChangeTheRunningGame()
{
    const auto varnelo = MakeApplication(m_ui, m_dir->path());
    frmScoreboard *board = GoToBoard(*varnelo);
    QVERIFY(board);
    bool sawDialog = false;
    QTimer::singleShot(0, this, [&] {
        auto *options = qobject_cast<frmOptions *>(QApplication::activeModalWidget());
        if (!options) {
            return;
        }
        sawDialog = true;
        options->findChild<QPushButton *>(QStringLiteral("cmdMatch"))->click();
        options->findChild<QRadioButton *>(QStringLiteral("optClockDown"))->click();
        options->findChild<QPushButton *>(QStringLiteral("cmdOk"))->click();
    });
    board->AllKeyPress('o');
    QVERIFY(sawDialog);
    MatchFormat down = Saved;
    down.clock = ClockDirection::Down;
    QCOMPARE(board->scoreboardGame().match().format, down);
    QVERIFY(m_ui.questions.isEmpty());
}

void TestMatchStartup::theSheetsNamePlayersAndTheReportIsSaved()
{
    const auto varnelo = MakeApplication(m_ui, m_dir->path());
    frmScoreboard *board = GoToBoard(*varnelo);
    QVERIFY(board);
    ScoreboardGame &game = board->scoreboardGame();
    game.startStopClock();
    QVERIFY(game.changeFigure(Figure::ScoreH, 1));
    ScoreboardGame::EventEdit scorer;
    scorer.player = QStringLiteral("9");
    QVERIFY(game.editEvent(game.events().last().id, scorer));
    QCOMPARE(game.events().last().name, QStringLiteral("Alex Morgan"));

    // m saves the report where the operator says.
    const QString byKey = m_dir->filePath(QStringLiteral("by key.json"));
    m_ui.saveFiles.push_back(byKey);
    board->AllKeyPress('m');
    QVERIFY(QFile::exists(byKey));

    // Full time offers it once; Yes asks for the file.
    const QString atFullTime = m_dir->filePath(QStringLiteral("full time.csv"));
    m_ui.saveFiles.push_back(atFullTime);
    m_ui.answers.push_back(true);
    const qsizetype asked = m_ui.questions.size();
    QVERIFY(game.nextPhase());
    QVERIFY(game.nextPhase());
    QVERIFY(game.nextPhase());
    QCOMPARE(game.match().phase, Phase::FullTime);
    QTRY_VERIFY(QFile::exists(atFullTime));
    QCOMPARE(m_ui.questions.size(), asked + 1);
}

QTEST_MAIN(TestMatchStartup)
#include "tst_matchstartup.moc"
