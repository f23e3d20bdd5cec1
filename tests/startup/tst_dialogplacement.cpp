#include "options/frmchoosekey.h"
#include "options/frmoptions.h"
#include "startup/application.h"
#include "startup/frmsplash.h"
#include "tests/support/offscreenscreens.h"
#include "tests/support/programfolder.h"
#include "tests/support/recordingui.h"

#include <QApplication>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

// Dialogs stand over the window that opened them, at the scale factor CTest gives the run
// (QT_SCALE_FACTOR 1, 1.5 and 2).
class TestDialogPlacement : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void optionsStandOverTheSplash();
    void optionsStandOverTheBoard();
    void keyCaptureStandsOverTheOptions();

private:
    // Runs `inspect` on the modal dialog that `open` opens, then closes it.
    static void whileOpen(
        const std::function<void()> &open, const std::function<void(QWidget *dialog)> &inspect);
    static void verifyCentredOver(const QWidget &dialog, const QWidget &owner);

    QTemporaryDir m_dir;
    RecordingUi m_ui;
    std::unique_ptr<Application> m_app;
};

void TestDialogPlacement::init()
{
    m_app = MakeApplication(m_ui, m_dir.path());
    m_app->start();
}

void TestDialogPlacement::cleanup()
{
    m_app.reset();
}

void TestDialogPlacement::whileOpen(
    const std::function<void()> &open, const std::function<void(QWidget *)> &inspect)
{
    bool seen = false;
    QTimer::singleShot(0, [&] {
        QWidget *dialog = QApplication::activeModalWidget();
        QVERIFY(dialog);
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        seen = true;
        inspect(dialog);
        dialog->close();
    });
    open();
    QVERIFY(seen);
}

void TestDialogPlacement::verifyCentredOver(const QWidget &dialog, const QWidget &owner)
{
    // Their client areas: a window manager frames the dialog but not the splash. Within a few
    // pixels, for the two may round their halves differently.
    const QPoint offset = dialog.geometry().center() - owner.geometry().center();
    QVERIFY2(offset.manhattanLength() <= 4,
        qPrintable(QStringLiteral("dialog %1,%2 %3x%4 owner %5,%6 %7x%8")
                       .arg(dialog.x())
                       .arg(dialog.y())
                       .arg(dialog.width())
                       .arg(dialog.height())
                       .arg(owner.x())
                       .arg(owner.y())
                       .arg(owner.width())
                       .arg(owner.height())));
    QVERIFY(dialog.screen()->availableGeometry().contains(dialog.geometry()));
}

void TestDialogPlacement::optionsStandOverTheSplash()
{
    frmSplash *splash = m_app->splash();
    QVERIFY(QTest::qWaitForWindowExposed(splash));
    auto *options = splash->findChild<QPushButton *>(QStringLiteral("cmdOptions"));
    whileOpen([options] { options->click(); },
        [splash](QWidget *dialog) {
            QVERIFY(qobject_cast<frmOptions *>(dialog));
            verifyCentredOver(*dialog, *splash);
        });
}

void TestDialogPlacement::optionsStandOverTheBoard()
{
    m_app->splash()->GoScore();
    frmScoreboard *board = m_app->board();
    QVERIFY(QTest::qWaitForWindowExposed(board));
    whileOpen([board] { board->AllKeyPress('o'); },
        [board](QWidget *dialog) { verifyCentredOver(*dialog, *board); });
}

void TestDialogPlacement::keyCaptureStandsOverTheOptions()
{
    frmSplash *splash = m_app->splash();
    auto *options = splash->findChild<QPushButton *>(QStringLiteral("cmdOptions"));
    whileOpen([options] { options->click(); },
        [](QWidget *dialog) {
            auto *change = dialog->findChild<QPushButton *>(QStringLiteral("cmdResetK"));
            whileOpen([change] { change->click(); },
                [dialog](QWidget *capture) {
                    QVERIFY(qobject_cast<frmChooseKey *>(capture));
                    verifyCentredOver(*capture, *dialog);
                });
        });
}

int main(int argc, char *argv[])
{
    // A screen wide enough that a dialog in its corner is far from one over the splash.
    QTemporaryDir configDir;
    if (!UseOffscreenScreens(configDir, R"({"screens": [{"name": "Wide", "x": 0, "y": 0,
        "width": 1920, "height": 1080, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})")) {
        return 1;
    }
    QApplication app(argc, argv);
    TestDialogPlacement test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_dialogplacement.moc"
