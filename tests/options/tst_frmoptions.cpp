#include "options/teamsheetsdialog.h"
#include "startup/fonts.h"
#include "tests/support/optionsdriver.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTemporaryDir>

#include <memory>

// The options dialog as a whole: its window, Ok, Cancel and the close box, the key buttons with
// the key capture dialog, and the web tab's status.
class TestOptions : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();

    void windowAndControls();
    void enterDoesNotCloseAndEscapeCancels();
    void escapeInADialogOverTheOptionsLeavesThemOpen();
    void okCommitsAndSavesEverySetting();
    void okThatCannotSaveChangesNothing();
    void cancelAndCloseBoxDiscard_data();
    void cancelAndCloseBoxDiscard();
    void webStatus_data();
    void webStatus();
    void keyButtonsUseKeyCapture();
    void keysThatShowNoCharacter();

private:
    QTemporaryDir m_dir;
    std::unique_ptr<OptionsBench> m_bench;
};

void TestOptions::initTestCase()
{
    InstallFontSubstitutions();
    QVERIFY(m_dir.isValid());
}

void TestOptions::init()
{
    m_bench = std::make_unique<OptionsBench>();
}

void TestOptions::windowAndControls()
{
    auto dialog = m_bench->open();
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Options"));
    QCOMPARE(dialog->size(), QSize(370, 256));
    QCOMPARE(dialog->minimumSize(), dialog->maximumSize());
    QVERIFY(!(dialog->windowFlags() & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(dialog->windowFlags() & Qt::WindowMaximizeButtonHint));

    auto *tabs = find<QTabWidget>(*dialog, "sstOptions");
    QCOMPARE(tabs->count(), 7);
    QCOMPARE(tabs->currentIndex(), 0);
    const QStringList captions
        = {QStringLiteral("Keyboard Controls"), QStringLiteral("Color Controls"),
            QStringLiteral("Text Cotrols"), QStringLiteral("Web Scoreboard"),
            QStringLiteral("Remote Control"), QStringLiteral("Language"), QStringLiteral("Match")};
    for (int i = 0; i < 7; ++i) {
        QCOMPARE(tabs->tabText(i), captions.at(i));
    }
    for (int i = 0; i < 4; ++i) {
        // All four tabs in one row, none cut short.
        QVERIFY(tabs->tabBar()->tabRect(i).right() < tabs->width());
    }
    // The fifth to seventh pages are opened by their buttons; they have no tab in the full row.
    QVERIFY(!tabs->isTabVisible(4));
    QVERIFY(!tabs->isTabVisible(5));
    QVERIFY(!tabs->isTabVisible(6));
    press(*dialog, "cmdRemote");
    QCOMPARE(tabs->currentIndex(), 4);
    press(*dialog, "cmdLanguage");
    QCOMPARE(tabs->currentIndex(), 5);
    press(*dialog, "cmdMatch");
    QCOMPARE(tabs->currentIndex(), 6);
    tabs->setCurrentIndex(0);

    QCOMPARE(find<QPushButton>(*dialog, "cmdOk")->text(), QStringLiteral("&Ok"));
    QCOMPARE(find<QPushButton>(*dialog, "cmdCancel")->text(), QStringLiteral("&Cancel"));
    for (const QPushButton *button : dialog->findChildren<QPushButton *>()) {
        QVERIFY2(!button->isDefault() && !button->autoDefault(), qPrintable(button->objectName()));
    }

    // Every control lies wholly inside its page or the dialog: nothing is cut off.
    for (int i = 0; i < tabs->count(); ++i) {
        tabs->setCurrentIndex(i);
        QWidget *page = tabs->widget(i);
        QVERIFY(page->isVisible());
        for (const QWidget *child : page->findChildren<QWidget *>()) {
            // A combo box's list is a window of its own.
            if (child->window() != dialog.get()) {
                continue;
            }
            const QRect onPage(child->mapTo(page, QPoint(0, 0)), child->size());
            QVERIFY2(page->rect().contains(onPage),
                qPrintable(tabs->tabText(i) + QLatin1Char(' ') + child->objectName()));
        }
    }
    for (const QWidget *child : dialog->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        QVERIFY(dialog->rect().contains(child->geometry()));
    }
}

void TestOptions::enterDoesNotCloseAndEscapeCancels()
{
    const LiveSettings before = m_bench->settings;
    auto dialog = m_bench->open();
    showTab(*dialog, 2);
    auto *title = find<QLineEdit>(*dialog, "txtTitleText");
    QTest::keyClicks(title, QStringLiteral("Cup"));
    QTest::keyClick(title, Qt::Key_Return);
    QVERIFY(dialog->isVisible());

    // Not even when a button has the focus: Space presses it, Enter does not.
    auto *ok = find<QPushButton>(*dialog, "cmdOk");
    QTest::keyClick(ok, Qt::Key_Return);
    QTest::keyClick(ok, Qt::Key_Enter);
    QVERIFY(dialog->isVisible());
    QVERIFY(m_bench->store.allKeys().isEmpty());

    // Escape, even in a text box, cancels as the other dialogs do: what was typed is thrown away.
    QTest::keyClick(title, Qt::Key_Escape);
    QVERIFY(!dialog->isVisible());
    QCOMPARE(dialog->result(), int(QDialog::Rejected));
    QCOMPARE(m_bench->settings, before);
    QVERIFY(m_bench->store.allKeys().isEmpty());
}

// Escape in the key capture, in the team sheets or in an open list closes that alone; the options
// stay open with what is pending in them.
void TestOptions::escapeInADialogOverTheOptionsLeavesThemOpen()
{
    auto dialog = m_bench->open();
    withKeyCapture(*dialog, "cmdBuzzerK", [](frmChooseKey &capture) {
        QTest::keyClick(&capture, Qt::Key_Escape);
        QVERIFY(!capture.isVisible());
    });
    QVERIFY(dialog->isVisible());
    QCOMPARE(labelText(*dialog, "lblBuzzerK"), QStringLiteral("b"));

    bool seen = false;
    QTimer::singleShot(0, dialog.get(), [&] {
        auto *sheets = qobject_cast<TeamSheetsDialog *>(QApplication::activeModalWidget());
        if (sheets == nullptr) {
            return;
        }
        seen = true;
        auto *box = find<QPlainTextEdit>(*sheets, "txtHomeSheet");
        QTest::keyClicks(box, QStringLiteral("9 Alex"));
        QTest::keyClick(box, Qt::Key_Escape);
        if (sheets->isVisible()) {
            sheets->reject();
            QFAIL("Escape did not close the team sheets");
        }
    });
    press(*dialog, "cmdTeamSheets");
    QVERIFY(seen);
    QVERIFY(dialog->isVisible());

    // An open list closes alone.
    auto *presets = find<QComboBox>(*dialog, "cboMatchPreset");
    find<QTabWidget>(*dialog, "sstOptions")->setCurrentWidget(presets->parentWidget());
    presets->showPopup();
    QTRY_VERIFY(presets->view()->isVisible());
    QTest::keyClick(presets->view(), Qt::Key_Escape);
    QTRY_VERIFY(!presets->view()->isVisible());
    QVERIFY(dialog->isVisible());

    // The options themselves still answer to Escape afterwards.
    QTest::keyClick(dialog.get(), Qt::Key_Escape);
    QVERIFY(!dialog->isVisible());
    QVERIFY(m_bench->store.allKeys().isEmpty());
}

void TestOptions::okThatCannotSaveChangesNothing()
{
    QFile blocker(m_dir.filePath(QStringLiteral("blocked")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    OptionsBench bench(m_dir.filePath(QStringLiteral("blocked/Varnelo.conf")));
    const LiveSettings before = bench.settings;
    auto dialog = bench.open();
    showTab(*dialog, 2);
    find<QLineEdit>(*dialog, "txtHomeText")->setText(QStringLiteral("Rovers"));
    press(*dialog, "cmdOk");
    QCOMPARE(bench.ui.messages.size(), 1);
    QVERIFY(bench.ui.messages.at(0).text.contains(QLatin1String("could not be saved")));
    QVERIFY(dialog->isVisible());
    QCOMPARE(bench.settings, before);
    QCOMPARE(find<QLineEdit>(*dialog, "txtHomeText")->text(), QStringLiteral("Rovers"));
    // The store holds what is in force, so no later write of it brings the refused value in.
    QCOMPARE(
        bench.store.value(QStringLiteral("TextSettings/HomeText")).toString(), before.HomeText);
}

void TestOptions::okCommitsAndSavesEverySetting()
{
    auto dialog = m_bench->open();
    m_bench->ui.colors = {0x00102030};
    press(*dialog, "cmdTextC");
    showTab(*dialog, 2);
    auto *home = find<QLineEdit>(*dialog, "txtHomeText");
    home->selectAll();
    QTest::keyClicks(home, QStringLiteral("  Rovers "));
    showTab(*dialog, 3);
    QTest::keyClicks(find<QLineEdit>(*dialog, "txtWebSBURL"), QStringLiteral("cup/final"));
    QTest::keyClicks(find<QLineEdit>(*dialog, "txtWebSBPassCode"), QStringLiteral("p&ss"));
    auto *server = find<QLineEdit>(*dialog, "txtWebSBServer");
    server->selectAll();
    QTest::keyClicks(server, QStringLiteral("http://127.0.0.1:9/"));

    LiveSettings expected = m_bench->settings;
    expected.TextColor = 0x00102030;
    expected.HomeText = QStringLiteral("  Rovers "); // no trimming
    expected.URL = QStringLiteral("cup/final");
    expected.PassCode = QStringLiteral("p&ss");
    expected.ServiceAddress = QStringLiteral("http://127.0.0.1:9/");
    QCOMPARE(m_bench->settings.HomeText, QStringLiteral("Home")); // pending until Ok

    press(*dialog, "cmdOk");
    QVERIFY(!dialog->isVisible());
    QCOMPARE(dialog->result(), int(QDialog::Accepted));
    QCOMPARE(m_bench->settings, expected);

    QSettings reread(m_bench->store.fileName(), QSettings::IniFormat);
    // Every setting the dialog edits on its seven pages, the focus marker's switch, the match's
    // two keys, its format, the two team sheets, the overlay's switch and the teams' short names
    // and colours among them.
    QCOMPARE(reread.allKeys().size(), 36);
    LiveSettings stored;
    LoadSettings(stored, reread, QStringLiteral("/not/used.wav"));
    QCOMPARE(stored, expected);
}

void TestOptions::cancelAndCloseBoxDiscard_data()
{
    QTest::addColumn<bool>("closeBox");
    QTest::newRow("Cancel") << false;
    QTest::newRow("close box") << true;
}

void TestOptions::cancelAndCloseBoxDiscard()
{
    QFETCH(bool, closeBox);
    const LiveSettings before = m_bench->settings;
    auto dialog = m_bench->open();
    m_bench->ui.colors = {0x00ABCDEF};
    m_bench->ui.answers = {true, true};
    press(*dialog, "cmdLedForeC");
    press(*dialog, "cmdResetKeys");
    QTest::keyClicks(find<QLineEdit>(*dialog, "txtGuestText"), QStringLiteral("X"));
    if (closeBox) {
        dialog->close();
    } else {
        press(*dialog, "cmdCancel");
    }
    QVERIFY(!dialog->isVisible());
    QCOMPARE(dialog->result(), int(QDialog::Rejected));
    QCOMPARE(m_bench->settings, before);
    QVERIFY(m_bench->store.allKeys().isEmpty());
    QVERIFY(!QFile::exists(m_bench->store.fileName()));
}

void TestOptions::webStatus_data()
{
    QTest::addColumn<qint16>("failCount");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QColor>("color");
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("editable");
    const QColor black(0, 0, 0);
    const QColor red(255, 0, 0);
    const QColor green(0, 128, 0);
    QTest::newRow("off") << qint16(-1) << "Disabled" << black << "Start" << true;
    QTest::newRow("on") << qint16(0) << "Connected" << green << "Stop" << false;
    QTest::newRow("on after five refusals") << qint16(5) << "Connected" << green << "Stop" << false;
    QTest::newRow("stopped") << qint16(6) << "Error Connecting" << red << "Start" << true;
    QTest::newRow("below range: off") << qint16(-7) << "Disabled" << black << "Start" << true;
    QTest::newRow("above range: stopped")
        << qint16(40) << "Error Connecting" << red << "Start" << true;
}

void TestOptions::webStatus()
{
    QFETCH(qint16, failCount);
    QFETCH(QString, status);
    QFETCH(QColor, color);
    QFETCH(QString, button);
    QFETCH(bool, editable);

    const auto check = [&](frmOptions &dialog) {
        auto *label = find<QLabel>(dialog, "lblWebSBStatus");
        QCOMPARE(label->text(), status);
        QCOMPARE(label->palette().color(QPalette::WindowText), color);
        QVERIFY(label->font().bold());
        QCOMPARE(find<QPushButton>(dialog, "cmdStartStopWebSB")->text(), button);
        for (const char *box : {"txtWebSBURL", "txtWebSBPassCode", "txtWebSBServer"}) {
            QCOMPARE(find<QLineEdit>(dialog, box)->isEnabled(), editable);
        }
    };

    m_bench->web.WebSBFailCount = failCount;
    auto loaded = m_bench->open();
    check(*loaded);
    press(*loaded, "cmdCancel");
}

void TestOptions::keyButtonsUseKeyCapture()
{
    const LiveSettings before = m_bench->settings;
    auto dialog = m_bench->open();

    withKeyCapture(*dialog, "cmdStartStopK", [](frmChooseKey &capture) {
        QCOMPARE(find<QLabel>(capture, "lblChoose")->text(),
            QStringLiteral("Press the key you would like to start / stop the clock."));
        QTest::keyClick(&capture, 'x');
    });
    QCOMPARE(labelText(*dialog, "lblStartStopK"), QStringLiteral("x"));

    // The pending x is taken although it is not confirmed; the buzzer keeps b.
    withKeyCapture(*dialog, "cmdBuzzerK", [this](frmChooseKey &capture) {
        QCOMPARE(find<QLabel>(capture, "lblChoose")->text(),
            QStringLiteral("Press the key you would like to sound the buzzer."));
        QTest::keyClick(&capture, 'x');
        QVERIFY(capture.isVisible());
        QCOMPARE(m_bench->ui.beeps, 1);
        QTest::keyClick(&capture, Qt::Key_Escape);
    });
    QCOMPARE(labelText(*dialog, "lblBuzzerK"), QStringLiteral("b"));

    // The old start/stop key is free again.
    withKeyCapture(*dialog, "cmdResetK", [](frmChooseKey &capture) {
        QCOMPARE(find<QLabel>(capture, "lblChoose")->text(),
            QStringLiteral("Press the key you would like to reset the clock."));
        QTest::keyClick(&capture, 's');
    });
    QCOMPARE(labelText(*dialog, "lblResetK"), QStringLiteral("s"));

    press(*dialog, "cmdCancel");
    QCOMPARE(m_bench->settings, before);

    dialog = m_bench->open();
    withKeyCapture(
        *dialog, "cmdBuzzerK", [](frmChooseKey &capture) { QTest::keyClick(&capture, 'S'); });
    press(*dialog, "cmdOk");
    QCOMPARE(m_bench->settings.BuzzerKey, qint16(83));
    QCOMPARE(m_bench->store.value(QStringLiteral("KeySettings/BuzzerKey")).toString(),
        QStringLiteral("83"));
}

void TestOptions::keysThatShowNoCharacter()
{
    // Codes that came from the store but show nothing are named, and saved back unchanged.
    m_bench->settings.StartStopClockKey = 32;
    m_bench->settings.ResetClockKey = 0;
    m_bench->settings.BuzzerKey = -1;
    auto dialog = m_bench->open();
    QCOMPARE(labelText(*dialog, "lblStartStopK"), QStringLiteral("Space"));
    QCOMPARE(labelText(*dialog, "lblResetK"), QStringLiteral("#0"));
    QCOMPARE(labelText(*dialog, "lblBuzzerK"), QStringLiteral("#65535"));

    // The current key is offered to the capture dialog as its code.
    withKeyCapture(
        *dialog, "cmdStartStopK", [](frmChooseKey &capture) { QTest::keyClick(&capture, ' '); });
    press(*dialog, "cmdOk");
    QCOMPARE(m_bench->settings.StartStopClockKey, qint16(32));
    QCOMPARE(m_bench->settings.ResetClockKey, qint16(0));
    QCOMPARE(m_bench->settings.BuzzerKey, qint16(-1));
    QCOMPARE(m_bench->ui.beeps, 0);
}

QTEST_MAIN(TestOptions)
#include "tst_frmoptions.moc"
