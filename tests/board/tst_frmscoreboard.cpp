#include "tests/support/boardfixture.h"

#include <segmora/segmora.h>

#include <QTemporaryDir>
#include <QTest>

// The board's clock, its keys and its buzzer.
class TestScoreboard : public QObject, private BoardFixture
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void loadShowsTheStartOfAGame();
    void commandsAreCaseSensitiveAndTestedInOrder();
    void startStopAndReset();
    void countdownToZeroBuzzesOnce();
    void everyCharacterReachesTheDispatchOnce();
    void aCommandTypedIntoAFigureActsBeforeTheEntry();
    void clickOnADigitGivesItsGroupTheFocus();
    void typingTheClock();
    void aPartlyTypedClockSurvivesTypingInACounter();
    void startStopKeyBoundToADigitIsAlsoTyped();
    void committingATimeWhileRunningKeepsTheTimerOn();
    void buzzerWithoutAFileIsSilent_data();
    void buzzerWithoutAFileIsSilent();
    void buzzerPlaysAndRewinds();

private:
    // A tick of a clock that must be running.
    void tickRunning()
    {
        QVERIFY(BoardTimer(*board, "tmrClock").isActive());
        tick();
    }

    QTemporaryDir m_dir;
};

void TestScoreboard::init()
{
    resetBoard(m_dir.filePath(QStringLiteral("missing.wav")));
}

void TestScoreboard::cleanup()
{
    closeBoard();
}

void TestScoreboard::loadShowsTheStartOfAGame()
{
    openBoard();
    QCOMPARE(board->windowTitle(), QStringLiteral("Varnelo"));
    QCOMPARE(ShownFigure(group("sgmTime")), QStringLiteral("1000"));
    for (const char *counter :
        {"sgmScoreH", "sgmScoreV", "sgmShotsH", "sgmSavesH", "sgmShotsV", "sgmSavesV"}) {
        QCOMPARE(ShownFigure(group(counter)), QStringLiteral("00"));
    }
    QCOMPARE(ShownFigure(group("sgmPeriod")), QStringLiteral("0"));
    QCOMPARE(ShownFigure(group("sgmCKH")), QStringLiteral("0"));
    QVERIFY(!BoardTimer(*board, "tmrClock").isActive());
    QVERIFY(!BoardTimer(*board, "tmrUpdateWeb").isActive());
    QCOMPARE(BoardTimer(*board, "tmrClock").interval(), 50);
    QCOMPARE(BoardTimer(*board, "tmrUpdateWeb").interval(), 1000);
    QVERIFY(!clockRunning());
    QCOMPARE(game.LastEnteredTime, 600);
    QCOMPARE(published(Figure::Time), QStringLiteral("10:00"));
    // An update would carry the texts and every counter at 0.
    const QStringList sent = WebSBFieldValues(settings, web);
    QCOMPARE(sent.size(), 13);
    QCOMPARE(sent.first(), settings.TitleText);
    for (const FigureInfo &figure : Figures) {
        if (!figure.isClock) {
            QCOMPARE(sent.at(figure.webSlot), QStringLiteral("0"));
        }
    }
    QCOMPARE(board->focusWidget(), group("sgmScoreH"));
    // The design geometry: the clock's container at 3173, 1080 twips.
    QCOMPARE(group("sgmTime")->geometry(), QRect(212, 72, 209, 81));
    QCOMPARE(group("sgmTime")->digit(0)->digitSize(), short(65));
}

void TestScoreboard::commandsAreCaseSensitiveAndTestedInOrder()
{
    settings.BuzzerFile = QStringLiteral(VARNELO_TEST_WAV);
    openBoard();
    board->AllKeyPress('S');
    board->AllKeyPress('R');
    board->AllKeyPress('B');
    QVERIFY(!clockRunning());
    QCOMPARE(player->count(QStringLiteral("Play")), 0);

    settings.StartStopClockKey = 'S';
    board->AllKeyPress('s');
    QVERIFY(!clockRunning());
    board->AllKeyPress('S');
    QVERIFY(clockRunning());
    QVERIFY(BoardTimer(*board, "tmrClock").isActive());

    // A key bound twice runs only the first command of the order.
    settings.BuzzerKey = 'S';
    board->AllKeyPress('S');
    QVERIFY(!clockRunning());
    QCOMPARE(player->count(QStringLiteral("Play")), 0);
    board->AllKeyPress(27); // Esc does nothing
    board->AllKeyPress(' ');
    QVERIFY(!clockRunning());
    QCOMPARE(player->count(QStringLiteral("Play")), 0);
}

void TestScoreboard::startStopAndReset()
{
    openBoard();
    board->AllKeyPress('s');
    QVERIFY(BoardTimer(*board, "tmrClock").isActive());
    time.advance(12'340);
    tickRunning();
    QCOMPARE(ShownFigure(group("sgmTime")), QStringLiteral(" 948"));
    time.advance(5'000);
    board->AllKeyPress('s');
    QVERIFY(!BoardTimer(*board, "tmrClock").isActive());
    // Stopped, the display keeps the last tick and time passes without effect.
    time.advance(60'000);
    QCOMPARE(ShownFigure(group("sgmTime")), QStringLiteral(" 948"));
    board->AllKeyPress('s');
    time.advance(1'000);
    tickRunning();
    QCOMPARE(published(Figure::Time), QStringLiteral("9:47"));

    // Reset while running stops both and shows the last entered time.
    board->AllKeyPress('r');
    QVERIFY(!BoardTimer(*board, "tmrClock").isActive());
    QVERIFY(!clockRunning());
    QCOMPARE(published(Figure::Time), QStringLiteral("10:00"));
    board->AllKeyPress('r');
    QCOMPARE(published(Figure::Time), QStringLiteral("10:00"));
}

void TestScoreboard::countdownToZeroBuzzesOnce()
{
    settings.BuzzerFile = QStringLiteral(VARNELO_TEST_WAV);
    openBoard();
    board->AllKeyPress('s');
    time.advance(599'950);
    tickRunning();
    QCOMPARE(published(Figure::Time), QStringLiteral("0.1"));
    QCOMPARE(player->count(QStringLiteral("Play")), 0);
    time.advance(100);
    tickRunning();
    QCOMPARE(ShownFigure(group("sgmTime")), QStringLiteral(" 00 "));
    QCOMPARE(published(Figure::Time), QStringLiteral("0.0"));
    QCOMPARE(player->count(QStringLiteral("Play")), 1);
    QVERIFY(!BoardTimer(*board, "tmrClock").isActive());
    QVERIFY(clockRunning());

    // The next start/stop only stops the slot; the one after starts it and buzzes again.
    board->AllKeyPress('s');
    QVERIFY(!clockRunning());
    QVERIFY(!BoardTimer(*board, "tmrClock").isActive());
    board->AllKeyPress('s');
    tickRunning();
    QCOMPARE(player->count(QStringLiteral("Play")), 2);
    QVERIFY(!BoardTimer(*board, "tmrClock").isActive());
    QCOMPARE(published(Figure::Time), QStringLiteral("0.0"));
}

void TestScoreboard::everyCharacterReachesTheDispatchOnce()
{
    settings.BuzzerFile = QStringLiteral(VARNELO_TEST_WAV);
    openBoard();
    DigitGroup *score = group("sgmScoreH");
    QTest::keyClick(board.get(), 'b');
    QCOMPARE(player->count(QStringLiteral("Play")), 1);
    QTest::keyClick(score, 'b');
    QCOMPARE(player->count(QStringLiteral("Play")), 2);
    QTest::keyClick(score->digit(0), 'b');
    QCOMPARE(player->count(QStringLiteral("Play")), 3);
    QTest::keyClick(group("sgmTime"), 'b');
    QCOMPARE(player->count(QStringLiteral("Play")), 4);
    // A key that types nothing reaches no command.
    QTest::keyClick(score, Qt::Key_F5);
    QCOMPARE(player->count(QStringLiteral("Play")), 4);
}

void TestScoreboard::aCommandTypedIntoAFigureActsBeforeTheEntry()
{
    settings.BuzzerFile = QStringLiteral(VARNELO_TEST_WAV);
    openBoard();
    type("sgmScoreH", "s1b\r");
    QVERIFY(clockRunning());
    QCOMPARE(player->count(QStringLiteral("Play")), 1);
    QCOMPARE(ShownFigure(group("sgmScoreH")), QStringLiteral(" 1"));
    // On the clock too: the command runs, and the time typed around it still counts.
    type("sgmTime", "1s2\r");
    QVERIFY(!clockRunning());
    QCOMPARE(published(Figure::Time), QStringLiteral("12.0"));
    // A key typed where no figure is reaches the commands alone.
    QTest::keyClick(label("lblTitle"), 's');
    QVERIFY(clockRunning());
}

void TestScoreboard::clickOnADigitGivesItsGroupTheFocus()
{
    openBoard();
    board->show();
    board->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(board.get()));
    DigitGroup *saves = group("sgmSavesV");
    QTest::mouseClick(saves->digit(1), Qt::LeftButton);
    QTRY_VERIFY(saves->hasFocus());
    QTest::mouseClick(group("sgmPeriod"), Qt::LeftButton);
    QTRY_VERIFY(group("sgmPeriod")->hasFocus());
    // Typed keys now go to the focused group.
    QTest::keyClick(QApplication::focusWidget(), '3');
    QCOMPARE(ShownFigure(group("sgmPeriod")), QStringLiteral("3"));
    board->hide();
}

void TestScoreboard::typingTheClock()
{
    openBoard();
    DigitGroup *clock = group("sgmTime");
    TypeKeys(clock, "25.3\r");
    QCOMPARE(ShownFigure(clock), QStringLiteral("2503"));
    QCOMPARE(published(Figure::Time), QStringLiteral("25:03"));
    QCOMPARE(ui.beeps, 1);
    TypeKeys(clock, "6.05\r");
    QCOMPARE(published(Figure::Time), QStringLiteral("6:05"));
    TypeKeys(clock, "60\r");
    QCOMPARE(published(Figure::Time), QStringLiteral("6:05"));
    // Reset goes back to the last entered time, not to 10:00.
    board->AllKeyPress('s');
    time.advance(3'000);
    tickRunning();
    board->AllKeyPress('r');
    QCOMPARE(published(Figure::Time), QStringLiteral("6:05"));
    // A lone "." sets the clock to zero.
    TypeKeys(clock, ".\r");
    QCOMPARE(published(Figure::Time), QStringLiteral("0.0"));
    QCOMPARE(game.LastEnteredTime, 0);
}

void TestScoreboard::aPartlyTypedClockSurvivesTypingInACounter()
{
    openBoard();
    TypeKeys(group("sgmTime"), "20");
    TypeKeys(group("sgmShotsH"), "4\r");
    TypeKeys(group("sgmTime"), ".\r");
    QCOMPARE(published(Figure::Time), QStringLiteral("20:00"));
    QCOMPARE(ShownFigure(group("sgmShotsH")), QStringLiteral(" 4"));
}

void TestScoreboard::startStopKeyBoundToADigitIsAlsoTyped()
{
    settings.StartStopClockKey = '5';
    openBoard();
    TypeKeys(group("sgmScoreH"), "5");
    QVERIFY(clockRunning());
    TypeKeys(group("sgmScoreH"), "\r");
    QCOMPARE(ShownFigure(group("sgmScoreH")), QStringLiteral(" 5"));
    // And s, unbound now, is neither a command nor a digit.
    TypeKeys(group("sgmScoreH"), "s");
    QVERIFY(clockRunning());
}

void TestScoreboard::committingATimeWhileRunningKeepsTheTimerOn()
{
    settings.BuzzerFile = QStringLiteral(VARNELO_TEST_WAV);
    openBoard();
    board->AllKeyPress('s');
    TypeKeys(group("sgmTime"), "\r"); // zero
    QVERIFY(!clockRunning());
    QVERIFY(BoardTimer(*board, "tmrClock").isActive());
    tickRunning();
    QCOMPARE(player->count(QStringLiteral("Play")), 1);
    QVERIFY(!BoardTimer(*board, "tmrClock").isActive());
}

void TestScoreboard::buzzerWithoutAFileIsSilent_data()
{
    QTest::addColumn<bool>("missing");
    QTest::newRow("a file that is not there") << true;
    QTest::newRow("no file") << false;
}

void TestScoreboard::buzzerWithoutAFileIsSilent()
{
    QFETCH(bool, missing);
    if (!missing) {
        settings.BuzzerFile.clear();
    }
    openBoard();
    QVERIFY(player->commands.isEmpty());
    board->AllKeyPress('b');
    QVERIFY(player->commands.isEmpty());
    board->Buzzer();
    QVERIFY(player->commands.isEmpty());
    QVERIFY(ui.messages.isEmpty());
}

void TestScoreboard::buzzerPlaysAndRewinds()
{
    settings.BuzzerFile = QStringLiteral(VARNELO_TEST_WAV);
    openBoard();
    QCOMPARE(player->commands,
        (QStringList{QStringLiteral("file:" VARNELO_TEST_WAV), QStringLiteral("Open")}));
    board->AllKeyPress('b');
    player->finish();
    board->AllKeyPress('b');
    QCOMPARE(player->commands.mid(2),
        (QStringList{QStringLiteral("Play"), QStringLiteral("Stop"), QStringLiteral("Prev"),
            QStringLiteral("Play")}));
}

QTEST_MAIN(TestScoreboard)
#include "tst_frmscoreboard.moc"
