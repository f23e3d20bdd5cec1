#include "options/matchreportfile.h"
#include "options/teamsheetsdialog.h"
#include "tests/support/gamefixture.h"
#include "tests/support/optionsdriver.h"

#include <QFile>
#include <QJsonDocument>
#include <QPlainTextEdit>
#include <QSignalSpy>

// The match report and the team sheets from the options: the save goes through the file
// chooser and writes the format its suffix names; the sheets are kept and name the players;
// full time offers the report once.

class TestReportOptions : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void saveWritesTheChosenFormat_data();
    void saveWritesTheChosenFormat();
    void theReportWaitsForAMatch();
    void teamSheetsAreKeptAndNameThePlayers();
    void fullTimeOffersTheReportOnce_data();
    void fullTimeOffersTheReportOnce();

private:
    std::unique_ptr<OptionsBench> m_bench;
    std::unique_ptr<GameFixture> m_f;
};

void TestReportOptions::init()
{
    m_bench = std::make_unique<OptionsBench>();
    m_f = std::make_unique<GameFixture>();
    m_f->model->setMatchFormat({ClockDirection::Up, 45, 15, 0, false});
    m_f->model->startStopClock();
    m_f->model->changeFigure(Figure::ScoreH, 1);
}

void TestReportOptions::saveWritesTheChosenFormat_data()
{
    QTest::addColumn<QString>("chosen");
    // The file written, empty for none, and how it starts.
    QTest::addColumn<QString>("written");
    QTest::addColumn<QByteArray>("start");
    QTest::addColumn<int>("messages");
    QTest::newRow("pdf") << "report.pdf"
                         << "report.pdf" << QByteArray("%PDF") << 0;
    QTest::newRow("csv") << "report.csv"
                         << "report.csv" << QByteArray("section,key,") << 0;
    QTest::newRow("json, upper case") << "report.JSON"
                                      << "report.JSON" << QByteArray("{") << 0;
    QTest::newRow("no suffix: pdf") << "report"
                                    << "report.pdf" << QByteArray("%PDF") << 0;
    QTest::newRow("another suffix") << "report.txt"
                                    << "" << QByteArray() << 1;
    QTest::newRow("cancelled") << ""
                               << "" << QByteArray() << 0;
    QTest::newRow("a folder that is not there") << "missing/report.pdf"
                                                << "" << QByteArray() << 1;
}

void TestReportOptions::saveWritesTheChosenFormat()
{
    QFETCH(QString, chosen);
    QFETCH(QString, written);
    QFETCH(QByteArray, start);
    QFETCH(int, messages);
    QTemporaryDir folder;
    m_bench->ui.saveFiles.push_back(chosen.isEmpty() ? QString() : folder.filePath(chosen));
    auto dialog = m_bench->open();
    dialog->setGame(m_f->model.get());
    press(*dialog, "cmdSaveReport");
    QCOMPARE(m_bench->ui.saveRequests.size(), 1);
    QVERIFY(m_bench->ui.saveRequests.first().filter.contains(QLatin1String("*.csv")));
    QCOMPARE(m_bench->ui.messages.size(), messages);
    const QStringList files = QDir(folder.path()).entryList(QDir::Files);
    QCOMPARE(files, written.isEmpty() ? QStringList() : QStringList{written});
    if (!written.isEmpty()) {
        QFile file(folder.filePath(written));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY2(file.readAll().startsWith(start), qPrintable(written));
    }
    // Saving is no setting: the dialog is still open, nothing was saved to the store.
    QVERIFY(dialog->isVisible());
}

void TestReportOptions::theReportWaitsForAMatch()
{
    auto dialog = m_bench->open();
    QVERIFY(!find<QPushButton>(*dialog, "cmdSaveReport")->isEnabled());
    QVERIFY(!find<QPushButton>(*dialog, "cmdPrintReport")->isEnabled());
    dialog->setGame(m_f->model.get());
    QVERIFY(find<QPushButton>(*dialog, "cmdSaveReport")->isEnabled());
    QVERIFY(find<QPushButton>(*dialog, "cmdPrintReport")->isEnabled());
}

void TestReportOptions::teamSheetsAreKeptAndNameThePlayers()
{
    const QString home = QStringLiteral("1 Max Keeper\n9 Alex Morgan");
    const QString guest = QStringLiteral("7 Jo Brandt");
    auto dialog = m_bench->open();
    dialog->setGame(m_f->model.get());
    bool seen = false;
    QTimer::singleShot(0, dialog.get(), [&] {
        auto *sheets = qobject_cast<TeamSheetsDialog *>(QApplication::activeModalWidget());
        if (sheets == nullptr) {
            return;
        }
        seen = true;
        find<QPlainTextEdit>(*sheets, "txtHomeSheet")->setPlainText(home);
        // A pasted file longer than the settings keep is cut.
        find<QPlainTextEdit>(*sheets, "txtGuestSheet")
            ->setPlainText(guest + QString(StoredTeamSheetMax, u'x'));
        sheets->accept();
    });
    press(*dialog, "cmdTeamSheets");
    QVERIFY(seen);
    QCOMPARE(m_bench->settings.HomeSheet, QString()); // pending until Ok
    press(*dialog, "cmdOk");
    QCOMPARE(m_bench->settings.HomeSheet, home);
    QCOMPARE(m_bench->settings.GuestSheet.size(), StoredTeamSheetMax);
    QVERIFY(m_bench->settings.GuestSheet.startsWith(guest));
    LiveSettings stored;
    LoadSettings(stored, m_bench->store);
    QCOMPARE(stored.HomeSheet, home);
    // The game names the scorer from the sheet it was given on Ok.
    ScoreboardGame &game = *m_f->model;
    ScoreboardGame::EventEdit scorer;
    scorer.player = QStringLiteral("9");
    QVERIFY(game.editEvent(game.events().last().id, scorer));
    QCOMPARE(game.events().last().name, QStringLiteral("Alex Morgan"));
}

void TestReportOptions::fullTimeOffersTheReportOnce_data()
{
    QTest::addColumn<bool>("yes");
    QTest::newRow("yes") << true;
    QTest::newRow("no") << false;
}

void TestReportOptions::fullTimeOffersTheReportOnce()
{
    QFETCH(bool, yes);
    RecordingUi ui;
    ui.answers = {yes, true, true};
    ScoreboardGame &game = *m_f->model;
    int saves = 0;
    ReportOffer offer(game, ui, nullptr, [&saves] { ++saves; });
    QVERIFY(game.nextPhase()); // half-time
    QVERIFY(game.nextPhase()); // second half
    QCoreApplication::processEvents();
    QCOMPARE(ui.questions.size(), 0);
    QVERIFY(game.nextPhase()); // full time: not level
    QCOMPARE(game.match().phase, Phase::FullTime);
    QTRY_COMPARE(ui.questions.size(), 1);
    QCOMPARE(saves, yes ? 1 : 0);
    // Passing full time again by undo and redo is the same match.
    game.undo();
    QCOMPARE(game.match().phase, Phase::SecondHalf);
    game.redo();
    QCOMPARE(game.match().phase, Phase::FullTime);
    QCoreApplication::processEvents();
    QCOMPARE(ui.questions.size(), 1);
    // A match already over when the watch begins (a resumed one) is not offered again.
    {
        ReportOffer resumed(game, ui, nullptr, [&saves] { ++saves; });
        game.undo();
        game.redo();
        QCoreApplication::processEvents();
        QCOMPARE(ui.questions.size(), 1);
    }
    // The next match of the afternoon, on the same run, is offered its own.
    QVERIFY(game.nextPhase(Phase::PreMatch));
    QVERIFY(game.nextPhase()); // first half
    QVERIFY(game.nextPhase(Phase::FullTime));
    QTRY_COMPARE(ui.questions.size(), 2);
}

QTEST_MAIN(TestReportOptions)
#include "tst_reportoptions.moc"
