#include "board/boardlabel.h"
#include "board/consoleswitch.h"
#include "board/digitgroup.h"
#include "board/frmscoreboard.h"
#include "options/frmoptions.h"
#include "startup/application.h"
#include "startup/fonts.h"
#include "startup/frmhelp.h"
#include "startup/frmsplash.h"
#include "tests/support/boardkeys.h"
#include "tests/support/programfolder.h"
#include "tests/support/recordingui.h"
#include "tests/support/scriptedhttpserver.h"
#include "ui/operatorscreen.h"
#include "web/webstate.h"

#include <segmora/segmora.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

class TestApplication : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void startsAtTheSplashAndGoesToTheBoard();
    void helpTwiceGivesOneWindow();
    void optionsDuringARunningCountdown();
    void theLastWindowEndsTheProgram();
    void theSixthRefusalIsToldWhileTheOptionsAreOpen();
    void oneScreenHasNoConsole();

private:
    void goToBoard();

    QTemporaryDir m_dir;
    RecordingUi m_ui;
    std::unique_ptr<Application> m_app;
};

void TestApplication::initTestCase()
{
    InstallFontSubstitutions();
}

void TestApplication::init()
{
    QSettings seed(SettingsPathIn(m_dir.path()), QSettings::IniFormat);
    seed.clear();
    seed.setValue(QStringLiteral("TextSettings/TitleText"), QStringLiteral("League Night"));
    seed.sync();
    m_ui = {};
    m_app = MakeApplication(m_ui, m_dir.path());
}

void TestApplication::cleanup()
{
    m_app.reset();
}

void TestApplication::goToBoard()
{
    QVERIFY(GoToBoard(*m_app));
}

void TestApplication::startsAtTheSplashAndGoesToTheBoard()
{
    m_app->web().WebSBFailCount = 3;
    m_app->start();
    QVERIFY(m_app->splash()->isVisible());
    QVERIFY(!m_app->board());
    // The splash loaded the settings and switched publishing off.
    QCOMPARE(m_app->settings().TitleText, QStringLiteral("League Night"));
    QCOMPARE(m_app->web().WebSBFailCount, qint16(-1));
    m_app->splash()->GoScore();
    QVERIFY(m_app->board());
    QTRY_VERIFY(!m_app->splash());
    QCOMPARE(m_app->board()->findChild<BoardLabel *>(QStringLiteral("lblTitle"))->text(),
        QStringLiteral("League Night"));
    // Esc on the board does not lead back to the splash.
    QTest::keyClick(m_app->board(), Qt::Key_Escape);
    QVERIFY(!m_app->splash());
    QVERIFY(m_app->board()->isVisible());
}

void TestApplication::helpTwiceGivesOneWindow()
{
    goToBoard();
    m_app->board()->AllKeyPress('h');
    QPointer<frmHelp> first = m_app->help();
    QVERIFY(first && first->isVisible());
    m_app->board()->AllKeyPress('h');
    QCOMPARE(m_app->help(), first.data());
    int helpWindows = 0;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        helpWindows += qobject_cast<frmHelp *>(w) && w->isVisible() ? 1 : 0;
    }
    QCOMPARE(helpWindows, 1);
}

void TestApplication::optionsDuringARunningCountdown()
{
    goToBoard();
    frmScoreboard *board = m_app->board();
    int ticks = 0;
    connect(&BoardTimer(*board, "tmrClock"), &QTimer::timeout, this, [&ticks] { ++ticks; });
    board->AllKeyPress('s');
    int ticksWhileOpen = -1;
    bool sawDialog = false;
    QTimer::singleShot(0, this, [&] {
        auto *options = qobject_cast<frmOptions *>(QApplication::activeModalWidget());
        if (!options) {
            return;
        }
        sawDialog = true;
        const int before = ticks;
        QTest::qWait(300);
        ticksWhileOpen = ticks - before;
        options->findChild<QLineEdit *>(QStringLiteral("txtTitleText"))
            ->setText(QStringLiteral("Cup Final"));
        options->findChild<QPushButton *>(QStringLiteral("cmdOk"))->click();
    });
    board->AllKeyPress('o');
    QVERIFY(sawDialog);
    QVERIFY2(ticksWhileOpen >= 2, qPrintable(QString::number(ticksWhileOpen)));
    QVERIFY(BoardTimer(*board, "tmrClock").isActive());
    QCOMPARE(board->findChild<BoardLabel *>(QStringLiteral("lblTitle"))->text(),
        QStringLiteral("Cup Final"));
    QSettings stored(SettingsPathIn(m_dir.path()), QSettings::IniFormat);
    QCOMPARE(stored.value(QStringLiteral("TextSettings/TitleText")).toString(),
        QStringLiteral("Cup Final"));
}

void TestApplication::theLastWindowEndsTheProgram()
{
    goToBoard();
    QTRY_VERIFY(!m_app->splash());
    m_app->board()->AllKeyPress('h');
    // The program's own event loop: it ends when its last window closes.
    bool runningWithHelpOnly = false;
    bool timedOut = false;
    QTimer closeBoard;
    closeBoard.setSingleShot(true);
    connect(&closeBoard, &QTimer::timeout, this, [&] { m_app->board()->close(); });
    QTimer closeHelp;
    closeHelp.setSingleShot(true);
    connect(&closeHelp, &QTimer::timeout, this, [&] {
        runningWithHelpOnly = !m_app->board() && m_app->help() && m_app->help()->isVisible();
        if (m_app->help()) {
            m_app->help()->close();
        }
    });
    QTimer safety;
    safety.setSingleShot(true);
    connect(&safety, &QTimer::timeout, this, [&] {
        timedOut = true;
        QCoreApplication::quit();
    });
    closeBoard.start(0);
    closeHelp.start(300);
    safety.start(5000);
    QApplication::exec();
    QVERIFY(runningWithHelpOnly);
    QVERIFY(!timedOut);
}

void TestApplication::oneScreenHasNoConsole()
{
    QCOMPARE(QGuiApplication::screens().size(), 1);
    m_app->start();
    goToBoard();
    frmScoreboard *board = m_app->board();
    auto *consoles = board->findChild<ConsoleSwitch *>();
    QVERIFY(consoles);
    QVERIFY(!consoles->console());
    // F8 brings none either; the board keeps its marker and its typing.
    board->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(board));
    QTest::keyClick(board, Qt::Key_F8);
    QVERIFY(!consoles->console());
    QVERIFY(!OperatorConsole());
    QVERIFY(!board->markShownElsewhere());
}

void TestApplication::theSixthRefusalIsToldWhileTheOptionsAreOpen()
{
    ScriptedHttpServer server;
    server.setScript([](const QString &) {
        return ScriptedHttpServer::Response{
            ScriptedHttpServer::Response::Kind::Answer, 403, "no", 300};
    });
    goToBoard();
    m_app->settings().ServiceAddress = server.baseAddress();
    frmScoreboard *board = m_app->board();
    m_app->web().switchPublishing(0);
    m_app->web().WebSBFailCount = 5;
    // The board's update is on its way when the operator opens the options.
    QMetaObject::invokeMethod(&BoardTimer(*board, "tmrUpdateWeb"), "timeout");
    QString statusWhileOpen;
    QTimer::singleShot(0, this, [&] {
        auto *options = qobject_cast<frmOptions *>(QApplication::activeModalWidget());
        if (!options) {
            return;
        }
        QTRY_COMPARE(m_ui.messages.size(), 1);
        statusWhileOpen = options->findChild<QLabel *>(QStringLiteral("lblWebSBStatus"))->text();
        options->findChild<QPushButton *>(QStringLiteral("cmdCancel"))->click();
    });
    board->AllKeyPress('o');
    QCOMPARE(m_ui.messages.size(), 1);
    QCOMPARE(m_ui.messages.at(0).title, QStringLiteral("Web Scoreboard Error"));
    QCOMPARE(statusWhileOpen, QStringLiteral("Error Connecting"));
    QCOMPARE(m_app->web().WebSBFailCount, qint16(6));
    QVERIFY(!BoardTimer(*board, "tmrUpdateWeb").isActive());
}

QTEST_MAIN(TestApplication)
#include "tst_application.moc"
