#include "game/clockentry.h"
#include "languages/languages.h"
#include "startup/artwork.h"
#include "startup/fonts.h"
#include "startup/frmhelp.h"
#include "tests/support/boardfixture.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QRegularExpression>
#include <QTest>

namespace {

int openHelpWindows()
{
    int count = 0;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (qobject_cast<frmHelp *>(window) != nullptr && window->isVisible()) {
            ++count;
        }
    }
    return count;
}

void closeAndWait(QPointer<frmHelp> &help)
{
    if (help) {
        help->close();
    }
    QTRY_VERIFY(help.isNull());
}

} // namespace

class TestHelp : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();

    void window();
    void labels_data();
    void labels();
    void everyLabelFitsItsText();
    void clockExamplesReadAsTheClockDoes_data();
    void clockExamplesReadAsTheClockDoes();
    void everyKeyOfTheBoardIsNamed();
    void showingTwiceKeepsOneWindowInFront();
    void closingDeletesAndShowingCreatesAnew();
    void escCloses_data();
    void escCloses();
};

void TestHelp::initTestCase()
{
    InstallFontSubstitutions();
    // As the program does: every window shows the application's icon.
    QApplication::setWindowIcon(VarneloIcon());
}

void TestHelp::window()
{
    QPointer<frmHelp> help;
    ShowHelpWindow(help);
    QVERIFY(help);
    QCOMPARE(help->windowTitle(), QStringLiteral("Varnelo Help"));
    // Two columns side by side, room to spare on a 1024 x 768 screen with the window's frame.
    QCOMPARE(help->size(), QSize(931, 605));
    QVERIFY(help->width() <= 1024 - 40 && help->height() <= 768 - 80);
    QCOMPARE(help->minimumSize(), help->maximumSize());
    QVERIFY(help->isWindow());
    QVERIFY(help->windowFlags() & Qt::WindowMinimizeButtonHint);
    QVERIFY(help->windowFlags() & Qt::WindowCloseButtonHint);
    QVERIFY(!(help->windowFlags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(help->palette().color(QPalette::Window), QColor(Qt::white));
    QVERIFY(!help->windowIcon().isNull());
    QCOMPARE(help->findChildren<QLabel *>().size(), 39);
    closeAndWait(help);
}

void TestHelp::labels_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("heading");
    QTest::addColumn<QString>("text");

    QTest::newRow("1") << "Label15" << true << "Viewing Help";
    QTest::newRow("2") << "Label17" << false << "To view help from the scoreboard press 'h'.";
    QTest::newRow("3") << "Label1" << true << "Setting the Clock";
    QTest::newRow("4") << "Label2" << false
                       << "To set the clock, click on the clock and type the number of minutes, a "
                          "period ( . ), the seconds, and press 'Enter'.";
    QTest::newRow("5") << "Label20" << false
                       << "Examples: '25.3' = 25 minutes and 3 seconds, '6.05' = 6 minutes and "
                          "5 seconds.";
    QTest::newRow("6") << "Label12" << false
                       << "If you mistype and need to start over, press the 'space bar'.";
    QTest::newRow("7") << "Label3" << true << "Controlling the Clock";
    QTest::newRow("8") << "Label4" << false
                       << "To start or stop the clock press the Start/Stop Clock Key (default is "
                          "'s' ).";
    QTest::newRow("9") << "Label14" << false
                       << "To reset the clock back to the last entered time press the Reset Clock "
                          "Key (default is 'r' ).";
    QTest::newRow("next phase key")
        << "Label21" << false
        << "To end a half or a break and start the next phase press the Next Phase key (default "
           "is 'p' ).";
    QTest::newRow("added time key")
        << "Label22" << false
        << "To announce added time press the Added Time key (default is 'a' ), type the minutes "
           "and press 'Enter'.";
    QTest::newRow("10") << "Label5" << true << "Changing Scores and Other Numbers";
    QTest::newRow("11") << "Label6" << false
                        << "To change any of the numbers, click on the object you want to set, "
                           "type in the number, and press 'Enter'.  For single digit boxes simply "
                           "press the new number.";
    QTest::newRow("12") << "Label16" << false
                        << "To increase or decrease one of the numbers, click on the number, "
                           "press '+' or '-', and type a single digit number to add or subtract.";
    QTest::newRow("13") << "Label18" << false
                        << "If you mistype and need to start over, press the 'space bar'.";
    QTest::newRow("events heading") << "Label23" << true << "Goals and Cards";
    QTest::newRow("scorer key") << "Label24" << false
                                << "For a goal's scorer press 'n', the shirt number and 'Enter'.";
    QTest::newRow("card keys") << "Label25" << false
                               << "For a card press 'y' or 'Y' (yellow, home or visitor), 'x' or "
                                  "'X' (red), then the shirt number and 'Enter'.";
    QTest::newRow("events window key")
        << "Label26" << false << "To see, change or remove the goals and cards press 'e'.";
    QTest::newRow("14") << "Label7" << true << "Other";
    QTest::newRow("15") << "Label11" << false
                        << "To sound the buzzer press the Buzzer key (default is 'b' ).";
    QTest::newRow("16")
        << "Label8" << false
        << "To show which number has the focus press 'F7'.  'Esc' closes this help.";
    QTest::newRow("report key") << "Label27" << false << "To save the match report press 'm'.";
    QTest::newRow("17") << "Label9" << true << "Options";
    QTest::newRow("18") << "Label10" << false
                        << "To go to the options press 'o' from the program, or click on "
                           "'Options' from the splash screen.";
    QTest::newRow("19") << "Label13" << false
                        << "In the options you can change control keys, the buzzer sound file, "
                           "and colors of the scoreboard.  You can also change the home, "
                           "visitor, and title text, and enable the web scoreboard.";
    QTest::newRow("undo heading") << "Label28" << true << "Undo and Redo";
    QTest::newRow("undo keys")
        << "Label29" << false
        << "To undo the last change press 'Ctrl+Z'; to redo it press 'Ctrl+Shift+Z'.";
    QTest::newRow("screen heading") << "Label30" << true << "The Board's Screen";
    QTest::newRow("full screen key")
        << "Label31" << false
        << "To switch the board between full screen and a window press 'F11'.";
    QTest::newRow("screen keys") << "Label32" << false
                                 << "To move the board to the previous or next screen press "
                                    "'Ctrl+Shift+Left' or 'Ctrl+Shift+Right'.";
    QTest::newRow("console heading") << "Label33" << true << "Operator Console";
    QTest::newRow("console key") << "Label34" << false
                                 << "To open the operator console press 'F8'.";
    QTest::newRow("overlay heading") << "Label35" << true << "Stream Overlay";
    QTest::newRow("overlay keys") << "Label36" << false
                                  << "To show or hide a part of the overlay press 'Ctrl+1' (score "
                                     "bug), 'Ctrl+2' (statistics), 'Ctrl+3' (shoot-out) or "
                                     "'Ctrl+4' (full board).";
    QTest::newRow("goal pop-up key")
        << "Label37" << false << "To show the goal pop-up again press 'Ctrl+G'.";
    QTest::newRow("phones heading") << "Label38" << true << "Phones and the Web";
    QTest::newRow("remote control") << "Label39" << false
                                    << "To run the board from a phone press 'o', then the 'Remote "
                                       "Control' button, and scan the code it shows.";
    QTest::newRow("web scoreboard") << "Label40" << false
                                    << "To publish the scoreboard on the web press 'o' and open "
                                       "the 'Web Scoreboard' tab.";
}

void TestHelp::labels()
{
    QFETCH(QString, name);
    QFETCH(bool, heading);
    QFETCH(QString, text);
    frmHelp help;
    auto *label = help.findChild<QLabel *>(name);
    QVERIFY(label);
    QCOMPARE(label->text(), text);
    QCOMPARE(label->textFormat(), Qt::PlainText); // double spaces stay double
    QCOMPARE(label->font().family(), QStringLiteral("MS Sans Serif"));
    QCOMPARE(label->font().pointSizeF(), heading ? 13.5 : 8.25);
    QVERIFY(!label->font().bold());
    QVERIFY(label->wordWrap());
    QVERIFY(label->alignment() & Qt::AlignLeft);
    // A screen reader finds the sections by their headings, and reads every line as shown.
    QAccessibleInterface *read = QAccessible::queryAccessibleInterface(label);
    QCOMPARE(int(read->role()), int(heading ? QAccessible::Heading : QAccessible::StaticText));
    QCOMPARE(read->text(QAccessible::Name), text);
}

void TestHelp::everyLabelFitsItsText()
{
    frmHelp help;
    for (const QLabel *label : help.findChildren<QLabel *>()) {
        QVERIFY2(label->heightForWidth(label->width()) <= label->height(),
            qPrintable(label->objectName()));
        QVERIFY2(help.rect().contains(label->geometry()), qPrintable(label->objectName()));
    }
}

void TestHelp::clockExamplesReadAsTheClockDoes_data()
{
    QTest::addColumn<QString>("language");
    for (const LanguageInfo &language : Languages()) {
        QTest::newRow(qPrintable(language.code)) << language.code;
    }
}

// Each example says what typing it on the clock sets, in every language: the typed text, then
// the minutes and the seconds.
void TestHelp::clockExamplesReadAsTheClockDoes()
{
    QFETCH(QString, language);
    Translations translations;
    QVERIFY(translations.install(language));
    frmHelp help;
    const QString examples = help.findChild<QLabel *>(QStringLiteral("Label20"))->text();
    static const QRegularExpression Example(
        QStringLiteral("'(\\d+\\.\\d+)'\\s*=\\s*(\\d+)\\D+(\\d+)"));
    int seen = 0;
    for (const QRegularExpressionMatch &example : Example.globalMatch(examples)) {
        const qint32 typed = ParseClockEntry(example.captured(1));
        QVERIFY2(typed >= 0, qPrintable(examples));
        QCOMPARE(example.captured(2).toInt() * 60 + example.captured(3).toInt(), typed);
        ++seen;
    }
    QVERIFY2(seen == 2, qPrintable(examples));
}

// Every key of the board that types no character is named in the help as it is written on the
// keyboard, so that a key added to the board without a line here is caught.
void TestHelp::everyKeyOfTheBoardIsNamed()
{
    frmHelp help;
    QString shown;
    for (const QLabel *label : help.findChildren<QLabel *>()) {
        shown += label->text() + u'\n';
    }
    BoardFixture fixture;
    frmScoreboard &board = fixture.openBoard();
    int keys = 0;
    for (const QAction *action : board.actions()) {
        for (const QKeySequence &key : action->shortcuts()) {
            const QString written = u'\'' + key.toString(QKeySequence::PortableText) + u'\'';
            QVERIFY2(shown.contains(written), qPrintable(written));
            ++keys;
        }
    }
    // Undo, redo, full screen, two screens and the focus marker at least.
    QVERIFY(keys >= 6);
}

void TestHelp::showingTwiceKeepsOneWindowInFront()
{
    QWidget board;
    board.show();
    board.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&board));

    QPointer<frmHelp> help;
    ShowHelpWindow(help);
    QPointer<frmHelp> first = help;
    QVERIFY(QTest::qWaitForWindowActive(help));

    board.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&board));
    help->showMinimized();
    ShowHelpWindow(help);
    QCOMPARE(help, first);
    QCOMPARE(openHelpWindows(), 1);
    QVERIFY(!help->isMinimized());
    QVERIFY(QTest::qWaitForWindowActive(help));
    closeAndWait(help);
}

void TestHelp::closingDeletesAndShowingCreatesAnew()
{
    QPointer<frmHelp> help;
    ShowHelpWindow(help);
    QPointer<frmHelp> first = help;
    help->close();
    // Closed but not yet deleted: showing it now must give a window that stays.
    ShowHelpWindow(help);
    QVERIFY(help != first);
    QTRY_VERIFY(first.isNull());
    QVERIFY(help);
    QVERIFY(help->isVisible());
    QCOMPARE(openHelpWindows(), 1);
    closeAndWait(help);
    QCOMPARE(openHelpWindows(), 0);
}

void TestHelp::escCloses_data()
{
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("closes");
    QTest::newRow("Esc") << int(Qt::NoModifier) << true;
    QTest::newRow("Shift+Esc") << int(Qt::ShiftModifier) << false;
}

void TestHelp::escCloses()
{
    QFETCH(int, modifiers);
    QFETCH(bool, closes);
    QPointer<frmHelp> help;
    ShowHelpWindow(help);
    QVERIFY(QTest::qWaitForWindowExposed(help));
    QTest::keyClick(help, Qt::Key_Escape, Qt::KeyboardModifiers(modifiers));
    QCOMPARE(help->isVisible(), !closes);
    closeAndWait(help);
}

QTEST_MAIN(TestHelp)
#include "tst_frmhelp.moc"
