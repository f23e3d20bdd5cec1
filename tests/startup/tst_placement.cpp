#include "board/digitgroup.h"
#include "board/frmscoreboard.h"
#include "game/modsoccer.h"
#include "startup/application.h"
#include "startup/frmhelp.h"
#include "startup/frmsplash.h"
#include "tests/support/offscreenscreens.h"
#include "tests/support/programfolder.h"
#include "tests/support/recordingui.h"
#include "ui/uiservices.h"

#include <QAction>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

// Runs on two offscreen screens side by side: "Laptop" and "Projector".
class TestPlacement : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void thereAreTwoScreens();
    void f11TogglesFullScreenAndIsRemembered();
    void screenKeysMoveTheBoardAndAreRemembered();
    void aScreenNoLongerConnectedFallsBackToTheBoardsOwn();
    void placementKeysTypeNothing();
    void dialogsOpenOnTheOperatorsScreen();

private:
    std::unique_ptr<Application> open();
    void press(const char *action)
    {
        m_board->findChild<QAction *>(QLatin1String(action))->trigger();
    }

    QTemporaryDir m_dir;
    RecordingUi m_ui;
    std::unique_ptr<Application> m_app;
    frmScoreboard *m_board = nullptr;
};

void TestPlacement::init()
{
    m_app = open();
}

void TestPlacement::cleanup()
{
    m_app.reset();
    m_board = nullptr;
}

std::unique_ptr<Application> TestPlacement::open()
{
    auto app = MakeApplication(m_ui, m_dir.path());
    m_board = GoToBoard(*app);
    return app;
}

void TestPlacement::thereAreTwoScreens()
{
    QCOMPARE(QGuiApplication::screens().size(), 2);
    QCOMPARE(m_board->screen()->name(), QStringLiteral("Laptop"));
    QVERIFY(!m_board->isFullScreen());
}

void TestPlacement::f11TogglesFullScreenAndIsRemembered()
{
    press("actFullScreen");
    QVERIFY(m_board->isFullScreen());
    m_app.reset();
    m_app = open();
    QVERIFY(m_board->isFullScreen());
    press("actFullScreen");
    QVERIFY(!m_board->isFullScreen());
    QSettings stored(SettingsPathIn(m_dir.path()), QSettings::IniFormat);
    QCOMPARE(
        stored.value(QStringLiteral("BoardWindow/FullScreen")).toString(), QStringLiteral("0"));
}

void TestPlacement::screenKeysMoveTheBoardAndAreRemembered()
{
    press("actNextScreen");
    QCOMPARE(m_board->screen()->name(), QStringLiteral("Projector"));
    QVERIFY(QGuiApplication::screens().at(1)->geometry().contains(m_board->geometry().center()));
    m_app.reset();
    m_app = open();
    QCOMPARE(m_board->screen()->name(), QStringLiteral("Projector"));
    // Round the screens, back to where it started.
    press("actNextScreen");
    QCOMPARE(m_board->screen()->name(), QStringLiteral("Laptop"));
    press("actPreviousScreen");
    QCOMPARE(m_board->screen()->name(), QStringLiteral("Projector"));
    press("actPreviousScreen");
    QCOMPARE(m_board->screen()->name(), QStringLiteral("Laptop"));
}

void TestPlacement::aScreenNoLongerConnectedFallsBackToTheBoardsOwn()
{
    m_app.reset();
    QSettings stored(SettingsPathIn(m_dir.path()), QSettings::IniFormat);
    stored.setValue(QStringLiteral("BoardWindow/Screen"), QStringLiteral("Gone"));
    stored.sync();
    m_app = open();
    QVERIFY(m_board->isVisible());
    QCOMPARE(m_board->screen()->name(), QStringLiteral("Laptop"));
}

void TestPlacement::placementKeysTypeNothing()
{
    m_board->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_board));
    DigitGroup *score = m_board->group(QStringLiteral("sgmScoreH"));
    score->setFocus();
    QTest::keyClick(QApplication::focusWidget(), '1');
    QTest::keyClick(
        QApplication::focusWidget(), Qt::Key_Right, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F11);
    QCOMPARE(m_app->game().NumberEntry.text, QStringLiteral("1"));
    QCOMPARE(m_board->screen()->name(), QStringLiteral("Projector"));
    QVERIFY(m_board->isFullScreen());
}

void TestPlacement::dialogsOpenOnTheOperatorsScreen()
{
    // The board on the projector, full screen, as at a match.
    if (m_board->screen()->name() != QLatin1String("Projector")) {
        press("actNextScreen");
    }
    if (!m_board->isFullScreen()) {
        press("actFullScreen");
    }
    QCOMPARE(m_board->screen()->name(), QStringLiteral("Projector"));
    // The options, over the board until now.
    QString optionsScreen;
    QTimer::singleShot(0, [&] {
        QWidget *dialog = QApplication::activeModalWidget();
        QVERIFY(dialog);
        optionsScreen = QGuiApplication::screenAt(dialog->geometry().center())->name();
        dialog->close();
    });
    m_board->AllKeyPress('o');
    QCOMPARE(optionsScreen, QStringLiteral("Laptop"));
    // Messages and questions, modal or not.
    QtUiServices real;
    real.showNotice(m_board, QStringLiteral("Varnelo"), QStringLiteral("Error"));
    auto *notice = m_board->findChild<QMessageBox *>();
    QVERIFY(notice && notice->isVisible());
    QCOMPARE(
        QGuiApplication::screenAt(notice->geometry().center())->name(), QStringLiteral("Laptop"));
    // It leaves the keyboard with the board.
    QVERIFY(!notice->isModal());
    notice->close();
    QString questionScreen;
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        questionScreen = QGuiApplication::screenAt(box->geometry().center())->name();
        box->button(QMessageBox::No)->click();
    });
    QVERIFY(!real.askYesNo(m_board, QStringLiteral("Varnelo"), QStringLiteral("Sure?")));
    QCOMPARE(questionScreen, QStringLiteral("Laptop"));
    // The help.
    m_board->AllKeyPress('h');
    QVERIFY(m_app->help());
    QCOMPARE(QGuiApplication::screenAt(m_app->help()->geometry().center())->name(),
        QStringLiteral("Laptop"));
}

int main(int argc, char *argv[])
{
    // Two screens for the offscreen platform.
    QTemporaryDir configDir;
    if (!UseOffscreenScreens(configDir, R"({"screens": [
        {"name": "Laptop", "x": 0, "y": 0, "width": 1280, "height": 800,
         "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1},
        {"name": "Projector", "x": 1280, "y": 0, "width": 1920, "height": 1080,
         "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})",
            OtherPlatforms::Replace)) {
        return 1;
    }
    QApplication app(argc, argv);
    TestPlacement test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_placement.moc"
