#include "board/consolepreview.h"
#include "board/consoleswitch.h"
#include "board/focusmarker.h"
#include "board/frmconsole.h"
#include "board/frmevents.h"
#include "game/gamejournal.h"
#include "tests/support/boardfixture.h"
#include "tests/support/offscreenscreens.h"
#include "ui/operatorscreen.h"
#include "ui/uiservices.h"

#include <QAction>
#include <QApplication>
#include <QColorDialog>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSet>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

// The operator's console on two offscreen screens, "Laptop" (the primary) and "Projector": the
// board on the projector gives the laptop a console that shows everything the audience must not
// see, takes every key the board takes, and has the dialogs open over it.
class TestConsole : public QObject, private BoardFixture
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup() { closeBoard(); }

    void onlyABoardOffThePrimaryScreenHasAConsole();
    void f8ClosesAndBringsItBack();
    void previewIsTheBoardPixelForPixel_data();
    void previewIsTheBoardPixelForPixel();
    void typingShowsOnThePreviewNeverOnTheBoard();
    void refusalsInWordsOnTheConsoleOnly_data();
    void refusalsInWordsOnTheConsoleOnly();
    void consoleKeysPlayAsTheBoardsKeys_data();
    void consoleKeysPlayAsTheBoardsKeys();
    void buttonsGiveTheBoardsCommands();
    void everyControlIsNamedAndReachedByKeys();
    void showsThePhaseAddedTimeAndEvents();
    void dialogsOpenOverTheConsole();

private:
    // A board shown on `screenName` with its console switch.
    void openOn(const char *screenName);
    ConsoleSwitch &consoleSwitch() const { return *board->findChild<ConsoleSwitch *>(); }
    frmConsole *console() const { return consoleSwitch().console(); }
    QString consoleText(const char *label) const
    {
        return console()->findChild<QLabel *>(QLatin1String(label))->text();
    }
    QImage boardShot() const
    {
        return board->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
    QImage previewShot() const
    {
        return console()->preview()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
    void focus(const char *name)
    {
        group(name)->setFocus();
        QCoreApplication::processEvents();
    }
};

void TestConsole::init()
{
    resetBoard();
    QCOMPARE(QGuiApplication::screens().size(), 2);
    QCOMPARE(QGuiApplication::primaryScreen()->name(), QStringLiteral("Laptop"));
}

void TestConsole::openOn(const char *screenName)
{
    openBoard();
    board->showPlaced({QLatin1String(screenName), false});
    QVERIFY(QTest::qWaitForWindowExposed(board.get()));
    new ConsoleSwitch(*board, settings);
}

void TestConsole::onlyABoardOffThePrimaryScreenHasAConsole()
{
    openOn("Laptop");
    QVERIFY(!console());
    QVERIFY(!board->markShownElsewhere());
    // F8 brings no console where none belongs.
    board->findChild<QAction *>(QStringLiteral("actConsole"))->trigger();
    QVERIFY(!console());
    // Moved to the projector, the board leaves the laptop to the operator.
    board->findChild<QAction *>(QStringLiteral("actNextScreen"))->trigger();
    QCOMPARE(board->screen()->name(), QStringLiteral("Projector"));
    QVERIFY(console());
    QVERIFY(console()->isVisible());
    QCOMPARE(console()->screen()->name(), QStringLiteral("Laptop"));
    QVERIFY(board->markShownElsewhere());
    // And back: the console goes and the board is as it always was.
    board->findChild<QAction *>(QStringLiteral("actPreviousScreen"))->trigger();
    QCOMPARE(board->screen()->name(), QStringLiteral("Laptop"));
    QVERIFY(!console());
    QVERIFY(!board->markShownElsewhere());
}

void TestConsole::f8ClosesAndBringsItBack()
{
    openOn("Projector");
    QVERIFY(console());
    auto *f8 = board->findChild<QAction *>(QStringLiteral("actConsole"));
    QCOMPARE(f8->shortcut(), QKeySequence(Qt::Key_F8));
    // From the console itself, as the operator presses it there.
    console()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(console()));
    QTest::keyClick(console(), Qt::Key_F8);
    QVERIFY(!console());
    QVERIFY(!board->markShownElsewhere());
    // Gone from the operator's screen, where dialogs no longer look for it.
    QTRY_VERIFY(!OperatorConsole());
    // Closed, it stays closed when the board moves on.
    board->showPlaced({QStringLiteral("Projector"), true});
    QVERIFY(!console());
    f8->trigger();
    QVERIFY(console());
    QVERIFY(board->markShownElsewhere());
    // Its close box is the same as F8.
    console()->close();
    QTRY_VERIFY(!console());
    QVERIFY(!board->markShownElsewhere());
    f8->trigger();
    QVERIFY(console());
}

void TestConsole::previewIsTheBoardPixelForPixel_data()
{
    QTest::addColumn<QString>("through");
    QTest::newRow("before the kick-off") << QString();
    QTest::newRow("a half with added time, the clock running") << QStringLiteral("half");
    QTest::newRow("a shoot-out") << QStringLiteral("shootout");
}

void TestConsole::previewIsTheBoardPixelForPixel()
{
    QFETCH(QString, through);
    openOn("Projector");
    ScoreboardGame &play = board->scoreboardGame();
    play.setFigure(Figure::ScoreH, 2);
    play.setFigure(Figure::CKV, 7);
    if (through == QLatin1String("half")) {
        QVERIFY(play.setMatchFormat({ClockDirection::Up, 45, 15, 0, false}));
        QVERIFY(play.nextPhase());
        QVERIFY(play.announceAddedTime(3));
        play.startStopClock();
        time.advance(61'000);
        tick();
    } else if (through == QLatin1String("shootout")) {
        QVERIFY(play.nextPhase(Phase::Penalties));
        QVERIFY(play.penaltyKick(Team::Home, true));
    }
    // Without the focus marker, which the preview draws over the board's picture.
    settings.ShowFocusMarker = 0;
    QCoreApplication::processEvents();
    ConsolePreview preview(*board, settings);
    preview.resize(board->size());
    const QImage drawn = preview.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(drawn.size(), boardShot().size());
    QVERIFY(drawn == boardShot());
    // Smaller, the whole board still fits, centred.
    preview.resize(board->width() / 2, board->height());
    const QRectF area = preview.boardArea();
    QCOMPARE(qRound(area.width()), board->width() / 2);
    QCOMPARE(qRound(area.center().y()), preview.height() / 2);
}

void TestConsole::typingShowsOnThePreviewNeverOnTheBoard()
{
    openOn("Projector");
    settings.ShowFocusMarker = 1;
    focus("sgmShotsH");
    const QImage before = boardShot();
    type("sgmShotsH", "1");
    QCOMPARE(game.NumberEntry.text, QStringLiteral("1"));
    QVERIFY(board->focusMarker()->isHidden());
    QVERIFY(boardShot() == before);
    QCOMPARE(board->focusedEntry(), QStringLiteral("1"));
    QVERIFY(consoleText("lblFocus").contains(QStringLiteral("1_")));
    QVERIFY(consoleText("lblFocus").contains(group("sgmShotsH")->accessibleName()));
    // The preview carries the marker: it is the board with the frame and the typed entry.
    QWidget *preview = console()->preview();
    preview->resize(board->size());
    QVERIFY(previewShot() != boardShot());
    // A match entry shows in words.
    type("sgmShotsH", "y4");
    QVERIFY(consoleText("lblFocus").contains(QStringLiteral("4_")));
    QVERIFY(boardShot() == before);
    // Without the console the board draws the marker as it always did, where the audience sees
    // it: what the console takes away is there to be taken.
    board->findChild<QAction *>(QStringLiteral("actConsole"))->trigger();
    QVERIFY(!board->focusMarker()->isHidden());
    QVERIFY(boardShot() != before);
}

void TestConsole::refusalsInWordsOnTheConsoleOnly_data()
{
    QTest::addColumn<QString>("figure");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<bool>("countsUp");
    QTest::addColumn<QString>("reason");
    QTest::newRow("corner kicks past 9")
        << "sgmCKH"
        << "+9" << false << "14 is refused: corner kicks go from 0 to 9";
    QTest::newRow("a score below 0") << "sgmScoreV"
                                     << "-6" << false << "-1 is refused: scores go from 0 to 99";
    QTest::newRow("a period past 4") << "sgmPeriod"
                                     << "7" << false << "7 is refused: the period goes from 1 to 4";
    QTest::newRow("shots far too many") << "sgmShotsH"
                                        << "1234567890\r" << false << "\"1234567890\" is no number";
    QTest::newRow("a clock too long")
        << "sgmTime"
        << "1.30.00\r" << false << "90:00 is more than the clock can show";
    QTest::newRow("no clock time")
        << "sgmTime"
        << "12.75\r" << false << "\"12.75\" is no time: type minutes, a point and seconds";
    QTest::newRow("added time before the kick-off")
        << "sgmScoreH"
        << "a" << true << "Added time is announced during a half";
    QTest::newRow("added time too long") << "sgmScoreH"
                                         << "sa45\r" << true << "Added time goes up to 30 minutes";
    QTest::newRow("added time of three digits")
        << "sgmScoreH"
        << "sa123" << true << "Added time goes up to 30 minutes";
    QTest::newRow("no goal for a scorer")
        << "sgmScoreH"
        << "n9\r" << true << "There is no goal to name a scorer for";
}

void TestConsole::refusalsInWordsOnTheConsoleOnly()
{
    QFETCH(QString, figure);
    QFETCH(QString, keys);
    QFETCH(bool, countsUp);
    QFETCH(QString, reason);
    openOn("Projector");
    ScoreboardGame &play = board->scoreboardGame();
    if (countsUp) {
        QVERIFY(play.setMatchFormat({ClockDirection::Up, 45, 15, 0, false}));
    }
    play.setFigure(Figure::CKH, 5);
    if (!countsUp) {
        // Goals too, which a match that counts up here would rather have none of.
        play.setFigure(Figure::ScoreV, 5);
    }
    const QByteArray name = figure.toLatin1();
    focus(name.constData());
    const QImage before = boardShot();
    const JournalRecord was = board->journalRecord();
    QSignalSpy refused(board.get(), &frmScoreboard::refused);
    type(name.constData(), keys.toLatin1().constData());
    QCOMPARE(refused.size(), 1);
    QCOMPARE(consoleText("lblRefusal"), reason);
    // Refused means nothing changed on the board, not a pixel; the stop of the clock, the one
    // step these keys took, is not the refusal's.
    if (!countsUp) {
        QCOMPARE(board->journalRecord().Figures, was.Figures);
        QVERIFY(boardShot() == before);
    }
    // It stays a few seconds, then goes.
    auto *timer = console()->findChild<QTimer *>(QStringLiteral("tmrRefusal"));
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), frmConsole::RefusalMilliseconds);
    QMetaObject::invokeMethod(timer, "timeout");
    QVERIFY(consoleText("lblRefusal").isEmpty());
}

void TestConsole::consoleKeysPlayAsTheBoardsKeys_data()
{
    QTest::addColumn<QString>("keys");
    // Tab moves between the figures, as it does on the board.
    QTest::newRow("scores and shots") << QStringLiteral("12\r\t3\r\t\t4");
    QTest::newRow("clock set and started") << QStringLiteral("\t\t10.30\rs");
    QTest::newRow("a signed change and a clear") << QStringLiteral("5\r+2 9\r");
    QTest::newRow("a card by number") << QStringLiteral("y17\rx4\r");
}

void TestConsole::consoleKeysPlayAsTheBoardsKeys()
{
    QFETCH(QString, keys);
    const QByteArray typed = keys.toLatin1();
    const auto play = [&](bool onConsole) {
        openOn("Projector");
        time.advance(5'000);
        for (const char c : typed) {
            QWidget *target = onConsole ? static_cast<QWidget *>(console()) : board->focusWidget();
            const char one[2] = {c, 0};
            if (c == '\t') {
                QTest::keyClick(target, Qt::Key_Tab);
            } else {
                TypeKeys(target, one);
            }
        }
        return std::make_pair(board->journalRecord(), board->scoreboardGame().events());
    };
    const auto onBoard = play(false);
    QString focusedOnBoard = board->focusWidget()->objectName();
    resetBoard();
    const auto onConsole = play(true);
    QCOMPARE(onConsole.first.Figures, onBoard.first.Figures);
    QCOMPARE(onConsole.first.BaseValue, onBoard.first.BaseValue);
    QCOMPARE(onConsole.first.Running, onBoard.first.Running);
    QCOMPARE(onConsole.second, onBoard.second);
    QCOMPARE(board->focusWidget()->objectName(), focusedOnBoard);
    // Something was played, so the comparison means something.
    JournalRecord untouched;
    {
        resetBoard();
        openBoard();
        untouched = board->journalRecord();
    }
    QVERIFY(onBoard.first.Figures != untouched.Figures || onBoard.first.Running
        || !onBoard.second.isEmpty());
}

void TestConsole::buttonsGiveTheBoardsCommands()
{
    openOn("Projector");
    ScoreboardGame &play = board->scoreboardGame();
    const auto click = [&](const char *name) {
        auto *button = console()->findChild<QPushButton *>(QLatin1String(name));
        QVERIFY(button);
        QCOMPARE(button->focusPolicy(), Qt::NoFocus);
        QVERIFY(!button->accessibleName().isEmpty());
        button->click();
    };
    click("btnStartStop");
    QVERIFY(clockRunning());
    click("btnStartStop");
    QVERIFY(!clockRunning());
    QVERIFY(play.nextPhase(Phase::FullTime));
    click("btnNextPhase");
    QCOMPARE(
        consoleText("lblRefusal"), QStringLiteral("The match is over: there is no next phase"));
    click("btnEvents");
    QVERIFY(board->eventsWindow() && board->eventsWindow()->isVisible());
    // The buttons name the keys they are, as the options set them.
    auto *startStop = console()->findChild<QPushButton *>(QStringLiteral("btnStartStop"));
    QVERIFY(startStop->text().endsWith(QStringLiteral("[s]")));
}

void TestConsole::everyControlIsNamedAndReachedByKeys()
{
    openOn("Projector");
    QVERIFY(!console()->accessibleName().isEmpty());
    QVERIFY(!console()->preview()->accessibleName().isEmpty());
    for (const char *name : {"lblFocus", "lblRefusal", "lblPhase", "lblAddedTime"}) {
        QVERIFY2(
            !console()->findChild<QLabel *>(QLatin1String(name))->accessibleName().isEmpty(), name);
    }
    QVERIFY(!console()
                 ->findChild<QListWidget *>(QStringLiteral("lstEvents"))
                 ->accessibleName()
                 .isEmpty());
    // Each button has an access key of its own, none the same.
    QSet<QChar> accessKeys;
    const QList<QPushButton *> buttons = console()->findChildren<QPushButton *>();
    QCOMPARE(buttons.size(), 6);
    for (const QPushButton *button : buttons) {
        const qsizetype at = button->text().indexOf(QLatin1Char('&'));
        QVERIFY2(at >= 0 && at + 1 < button->text().size(), qPrintable(button->text()));
        accessKeys.insert(button->text().at(at + 1).toLower());
    }
    QCOMPARE(accessKeys.size(), buttons.size());
    // Alt and the access key work the button from the keyboard.
    console()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(console()));
    QTest::keyClick(console(), Qt::Key_S, Qt::AltModifier);
    // A button pressed by its access key is clicked a moment later, as if by the mouse.
    QTRY_VERIFY(clockRunning());
    // And the key was no key of the board's: nothing typed, nothing else started.
    QVERIFY(game.NumberEntry.text.isEmpty());
}

void TestConsole::showsThePhaseAddedTimeAndEvents()
{
    openOn("Projector");
    ScoreboardGame &play = board->scoreboardGame();
    QVERIFY(play.setMatchFormat({ClockDirection::Up, 45, 15, 0, false}));
    QCOMPARE(consoleText("lblPhase"),
        QStringLiteral("Phase: Before the kick-off. Next: First half (key p)"));
    QCOMPARE(consoleText("lblAddedTime"), QStringLiteral("Added time: only during a half"));
    QVERIFY(play.nextPhase());
    QVERIFY(play.announceAddedTime(4));
    QCOMPARE(consoleText("lblPhase"), QStringLiteral("Phase: First half. Next: Half-time (key p)"));
    QCOMPARE(consoleText("lblAddedTime"), QStringLiteral("Added time: +4 minutes"));
    QVERIFY(play.changeFigure(Figure::ScoreH, 1));
    QVERIFY(play.addCard(Team::Visitor, false, QStringLiteral("8")));
    auto *events = console()->findChild<QListWidget *>(QStringLiteral("lstEvents"));
    QCOMPARE(events->count(), 2);
    QVERIFY(events->item(1)->text().contains(QStringLiteral("#8")));
    QVERIFY(play.nextPhase(Phase::FullTime));
    QCOMPARE(consoleText("lblPhase"), QStringLiteral("Phase: Full time. The match is over."));
}

void TestConsole::dialogsOpenOverTheConsole()
{
    openOn("Projector");
    // A console smaller than its screen, so that over it is not just the screen's middle.
    console()->setGeometry(60, 80, 700, 500);
    QCoreApplication::processEvents();
    const QPoint middle = console()->frameGeometry().center();
    const auto verifyOverConsole = [&](const QWidget *dialog) {
        QVERIFY(dialog);
        QCOMPARE(QGuiApplication::screenAt(dialog->frameGeometry().center())->name(),
            QStringLiteral("Laptop"));
        QVERIFY2((dialog->frameGeometry().center() - middle).manhattanLength() <= 4,
            qPrintable(dialog->objectName()));
    };
    QtUiServices real;
    real.showNotice(board.get(), QStringLiteral("Varnelo"), QStringLiteral("Notice"));
    auto *notice = board->findChild<QMessageBox *>();
    verifyOverConsole(notice);
    notice->close();
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        verifyOverConsole(box);
        seen = true;
        box->button(QMessageBox::No)->click();
    });
    QVERIFY(!real.askYesNo(board.get(), QStringLiteral("Varnelo"), QStringLiteral("Sure?")));
    QVERIFY(seen);
    seen = false;
    QTimer::singleShot(0, [&] {
        auto *picker = qobject_cast<QColorDialog *>(QApplication::activeModalWidget());
        verifyOverConsole(picker);
        seen = true;
        picker->reject();
    });
    QVERIFY(!real.pickColor(board.get(), 0x00FF00));
    QVERIFY(seen);
    seen = false;
    QTimer::singleShot(0, [&] {
        QWidget *chooser = QApplication::activeModalWidget();
        verifyOverConsole(chooser);
        seen = true;
        chooser->close();
    });
    QVERIFY(
        real.chooseFile(board.get(), QStringLiteral("Sounds *.wav (*.wav)"), QString()).isEmpty());
    QVERIFY(seen);
    // The events window the board opens.
    board->AllKeyPress('e');
    verifyOverConsole(board->eventsWindow());
}

int main(int argc, char *argv[])
{
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
    TestConsole test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_console.moc"
