#include "board/boardlabel.h"
#include "board/boardshape.h"
#include "board/digitgroup.h"
#include "board/frmscoreboard.h"
#include "board/modsoccer.h"
#include "settings/livesettings.h"
#include "settings/settingsstore.h"
#include "tests/support/boardkeys.h"
#include "tests/support/fakes.h"
#include "tests/support/recordingui.h"
#include "web/webstate.h"

#include <segmora/segmora.h>

#include <QTemporaryDir>
#include <QTest>

class TestScoreboard : public QObject
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
    void clickOnADigitGivesItsGroupTheFocus();
    void typingTheClock();
    void aPartlyTypedClockSurvivesTypingInACounter();
    void startStopKeyBoundToADigitIsAlsoTyped();
    void committingATimeWhileRunningKeepsTheTimerOn();
    void buzzerWithoutAFileIsSilent();
    void buzzerPlaysAndRewinds();
    void defaultColours();
    void eachColourReachesItsElements();
    void textsAreShownAsStored();
    void optionsCommandReappliesTheSettings();

private:
    void open();
    void tick();
    DigitGroup *group(const char *name) const { return m_board->group(QLatin1String(name)); }

    QTemporaryDir m_dir;
    LiveSettings m_settings;
    GameState m_game;
    WebState m_web;
    FakeTime m_time;
    RecordingUi m_ui;
    RecordingSoundPlayer *m_player = nullptr;
    std::unique_ptr<frmScoreboard> m_board;
};

void TestScoreboard::init()
{
    m_settings = DefaultSettings(m_dir.filePath(QStringLiteral("missing.wav")));
    m_game = {};
    m_web = {};
    m_ui = {};
}

void TestScoreboard::cleanup()
{
    m_board.reset();
}

void TestScoreboard::open()
{
    auto player = std::make_unique<RecordingSoundPlayer>();
    m_player = player.get();
    frmScoreboard::Context context{m_settings, m_game, m_web, m_time, m_ui};
    m_board = std::make_unique<frmScoreboard>(context, std::move(player));
}

void TestScoreboard::tick()
{
    // One tick of the clock timer, without waiting for it.
    QVERIFY(m_board->tmrClock().isActive());
    QMetaObject::invokeMethod(&m_board->tmrClock(), "timeout");
}

void TestScoreboard::loadShowsTheStartOfAGame()
{
    open();
    QCOMPARE(m_board->windowTitle(), QStringLiteral("Varnelo"));
    QCOMPARE(ShownFigure(group("sgmTime")), QStringLiteral("1000"));
    for (const char *counter :
        {"sgmScoreH", "sgmScoreV", "sgmShotsH", "sgmSavesH", "sgmShotsV", "sgmSavesV"}) {
        QCOMPARE(ShownFigure(group(counter)), QStringLiteral("00"));
    }
    QCOMPARE(ShownFigure(group("sgmPeriod")), QStringLiteral("0"));
    QCOMPARE(ShownFigure(group("sgmCKH")), QStringLiteral("0"));
    QVERIFY(!m_board->tmrClock().isActive());
    QVERIFY(!m_board->tmrUpdateWeb().isActive());
    QCOMPARE(m_board->tmrClock().interval(), 50);
    QCOMPARE(m_board->tmrUpdateWeb().interval(), 1000);
    QVERIFY(!m_game.Clock[0].Running);
    QCOMPARE(m_game.LastEnteredTime, 600);
    QCOMPARE(m_web.WebSBValues[4], QStringLiteral("10:00"));
    for (std::size_t slot : {3, 5, 6, 7, 8, 9, 10, 11, 12}) {
        QCOMPARE(m_web.WebSBValues[slot], QStringLiteral("0"));
    }
    QVERIFY(m_web.WebSBValues[0].isEmpty() && m_web.WebSBValues[13].isEmpty());
    QCOMPARE(m_board->focusWidget(), group("sgmScoreH"));
    // The design geometry: the clock's container at 3173, 1080 twips.
    QCOMPARE(group("sgmTime")->geometry(), QRect(212, 72, 209, 81));
    QCOMPARE(group("sgmTime")->digit(0)->digitSize(), short(65));
}

void TestScoreboard::commandsAreCaseSensitiveAndTestedInOrder()
{
    m_settings.BuzzerFile = QStringLiteral(VARNELO_TEST_WAV);
    open();
    m_board->AllKeyPress('S');
    m_board->AllKeyPress('R');
    m_board->AllKeyPress('B');
    QVERIFY(!m_game.Clock[0].Running);
    QCOMPARE(m_player->count(QStringLiteral("Play")), 0);

    m_settings.StartStopClockKey = 'S';
    m_board->AllKeyPress('s');
    QVERIFY(!m_game.Clock[0].Running);
    m_board->AllKeyPress('S');
    QVERIFY(m_game.Clock[0].Running);
    QVERIFY(m_board->tmrClock().isActive());

    // A key bound twice runs only the first command of the order.
    m_settings.BuzzerKey = 'S';
    m_board->AllKeyPress('S');
    QVERIFY(!m_game.Clock[0].Running);
    QCOMPARE(m_player->count(QStringLiteral("Play")), 0);
    m_board->AllKeyPress(27); // Esc does nothing
    m_board->AllKeyPress(' ');
    QVERIFY(!m_game.Clock[0].Running);
    QCOMPARE(m_player->count(QStringLiteral("Play")), 0);
}

void TestScoreboard::startStopAndReset()
{
    open();
    m_board->AllKeyPress('s');
    QVERIFY(m_board->tmrClock().isActive());
    m_time.advance(12'340);
    tick();
    QCOMPARE(ShownFigure(group("sgmTime")), QStringLiteral(" 948"));
    m_time.advance(5'000);
    m_board->AllKeyPress('s');
    QVERIFY(!m_board->tmrClock().isActive());
    // Stopped, the display keeps the last tick and time passes without effect.
    m_time.advance(60'000);
    QCOMPARE(ShownFigure(group("sgmTime")), QStringLiteral(" 948"));
    m_board->AllKeyPress('s');
    m_time.advance(1'000);
    tick();
    QCOMPARE(m_web.WebSBValues[4], QStringLiteral("9:47"));

    // Reset while running stops both and shows the last entered time.
    m_board->AllKeyPress('r');
    QVERIFY(!m_board->tmrClock().isActive());
    QVERIFY(!m_game.Clock[0].Running);
    QCOMPARE(m_web.WebSBValues[4], QStringLiteral("10:00"));
    m_board->AllKeyPress('r');
    QCOMPARE(m_web.WebSBValues[4], QStringLiteral("10:00"));
}

void TestScoreboard::countdownToZeroBuzzesOnce()
{
    m_settings.BuzzerFile = QStringLiteral(VARNELO_TEST_WAV);
    open();
    m_board->AllKeyPress('s');
    m_time.advance(599'950);
    tick();
    QCOMPARE(m_web.WebSBValues[4], QStringLiteral("0.1"));
    QCOMPARE(m_player->count(QStringLiteral("Play")), 0);
    m_time.advance(100);
    tick();
    QCOMPARE(ShownFigure(group("sgmTime")), QStringLiteral(" 00 "));
    QCOMPARE(m_web.WebSBValues[4], QStringLiteral("0.0"));
    QCOMPARE(m_player->count(QStringLiteral("Play")), 1);
    QVERIFY(!m_board->tmrClock().isActive());
    QVERIFY(m_game.Clock[0].Running);

    // The next start/stop only stops the slot; the one after starts it and buzzes again.
    m_board->AllKeyPress('s');
    QVERIFY(!m_game.Clock[0].Running);
    QVERIFY(!m_board->tmrClock().isActive());
    m_board->AllKeyPress('s');
    tick();
    QCOMPARE(m_player->count(QStringLiteral("Play")), 2);
    QVERIFY(!m_board->tmrClock().isActive());
    QCOMPARE(m_web.WebSBValues[4], QStringLiteral("0.0"));
}

void TestScoreboard::everyCharacterReachesTheDispatchOnce()
{
    m_settings.BuzzerFile = QStringLiteral(VARNELO_TEST_WAV);
    open();
    DigitGroup *score = group("sgmScoreH");
    QTest::keyClick(m_board.get(), 'b');
    QCOMPARE(m_player->count(QStringLiteral("Play")), 1);
    QTest::keyClick(score, 'b');
    QCOMPARE(m_player->count(QStringLiteral("Play")), 2);
    QTest::keyClick(score->digit(0), 'b');
    QCOMPARE(m_player->count(QStringLiteral("Play")), 3);
    QTest::keyClick(group("sgmTime"), 'b');
    QCOMPARE(m_player->count(QStringLiteral("Play")), 4);
    // A key that types nothing reaches no command.
    QTest::keyClick(score, Qt::Key_F5);
    QCOMPARE(m_player->count(QStringLiteral("Play")), 4);
}

void TestScoreboard::clickOnADigitGivesItsGroupTheFocus()
{
    open();
    m_board->show();
    m_board->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_board.get()));
    DigitGroup *saves = group("sgmSavesV");
    QTest::mouseClick(saves->digit(1), Qt::LeftButton);
    QTRY_VERIFY(saves->hasFocus());
    QTest::mouseClick(group("sgmPeriod"), Qt::LeftButton);
    QTRY_VERIFY(group("sgmPeriod")->hasFocus());
    // Typed keys now go to the focused group.
    QTest::keyClick(QApplication::focusWidget(), '3');
    QCOMPARE(ShownFigure(group("sgmPeriod")), QStringLiteral("3"));
    m_board->hide();
}

void TestScoreboard::typingTheClock()
{
    open();
    DigitGroup *clock = group("sgmTime");
    TypeKeys(clock, "25.3\r");
    QCOMPARE(ShownFigure(clock), QStringLiteral("2503"));
    QCOMPARE(m_web.WebSBValues[4], QStringLiteral("25:03"));
    QCOMPARE(m_ui.beeps, 1);
    TypeKeys(clock, "6.05\r");
    QCOMPARE(m_web.WebSBValues[4], QStringLiteral("6:05"));
    TypeKeys(clock, "60\r");
    QCOMPARE(m_web.WebSBValues[4], QStringLiteral("6:05"));
    // Reset goes back to the last entered time, not to 10:00.
    m_board->AllKeyPress('s');
    m_time.advance(3'000);
    tick();
    m_board->AllKeyPress('r');
    QCOMPARE(m_web.WebSBValues[4], QStringLiteral("6:05"));
    // A lone "." sets the clock to zero.
    TypeKeys(clock, ".\r");
    QCOMPARE(m_web.WebSBValues[4], QStringLiteral("0.0"));
    QCOMPARE(m_game.LastEnteredTime, 0);
}

void TestScoreboard::aPartlyTypedClockSurvivesTypingInACounter()
{
    open();
    TypeKeys(group("sgmTime"), "20");
    TypeKeys(group("sgmShotsH"), "4\r");
    TypeKeys(group("sgmTime"), ".\r");
    QCOMPARE(m_web.WebSBValues[4], QStringLiteral("20:00"));
    QCOMPARE(ShownFigure(group("sgmShotsH")), QStringLiteral(" 4"));
}

void TestScoreboard::startStopKeyBoundToADigitIsAlsoTyped()
{
    m_settings.StartStopClockKey = '5';
    open();
    TypeKeys(group("sgmScoreH"), "5");
    QVERIFY(m_game.Clock[0].Running);
    TypeKeys(group("sgmScoreH"), "\r");
    QCOMPARE(ShownFigure(group("sgmScoreH")), QStringLiteral(" 5"));
    // And s, unbound now, is neither a command nor a digit.
    TypeKeys(group("sgmScoreH"), "s");
    QVERIFY(m_game.Clock[0].Running);
}

void TestScoreboard::committingATimeWhileRunningKeepsTheTimerOn()
{
    m_settings.BuzzerFile = QStringLiteral(VARNELO_TEST_WAV);
    open();
    m_board->AllKeyPress('s');
    TypeKeys(group("sgmTime"), "\r"); // zero
    QVERIFY(!m_game.Clock[0].Running);
    QVERIFY(m_board->tmrClock().isActive());
    tick();
    QCOMPARE(m_player->count(QStringLiteral("Play")), 1);
    QVERIFY(!m_board->tmrClock().isActive());
}

void TestScoreboard::buzzerWithoutAFileIsSilent()
{
    open();
    QVERIFY(m_player->commands.isEmpty());
    m_board->AllKeyPress('b');
    QVERIFY(m_player->commands.isEmpty());
    QVERIFY(m_ui.messages.isEmpty());

    m_settings.BuzzerFile.clear();
    open();
    m_board->Buzzer();
    QVERIFY(m_player->commands.isEmpty());
}

void TestScoreboard::buzzerPlaysAndRewinds()
{
    m_settings.BuzzerFile = QStringLiteral(VARNELO_TEST_WAV);
    open();
    QCOMPARE(m_player->commands,
        (QStringList{QStringLiteral("file:" VARNELO_TEST_WAV), QStringLiteral("Open")}));
    m_board->AllKeyPress('b');
    m_player->finish();
    m_board->AllKeyPress('b');
    QCOMPARE(m_player->commands.mid(2),
        (QStringList{QStringLiteral("Play"), QStringLiteral("Stop"), QStringLiteral("Prev"),
            QStringLiteral("Play")}));
}

void TestScoreboard::defaultColours()
{
    open();
    QCOMPARE(m_board->palette().color(QPalette::Window), QColor(0, 128, 0));
    for (const char *name : {"lblTitle", "lblPeriod", "lblShotsH", "lblCKV", "lblSavesV"}) {
        QCOMPARE(m_board->design().labels.value(QLatin1String(name))->foreColor(), 16777215);
    }
    for (DigitGroup *g : m_board->design().groupList) {
        QCOMPARE(g->backColor(), 0);
        for (const Segmora *digit : g->digits()) {
            QCOMPARE(digit->litColor(), 65535);
            QCOMPARE(digit->backColor(), 0);
        }
    }
    QCOMPARE(m_board->design().frame->borderColor(), 16777215);
    QCOMPARE(m_board->design().colonDots[0]->fillColor(), 16777215);
    QCOMPARE(m_board->design().colonDots[1]->fillColor(), 16777215);
}

void TestScoreboard::eachColourReachesItsElements()
{
    m_settings.HomeColor = 0x0000FF;
    m_settings.GuestColor = 0x00FF00;
    m_settings.FormColor = 0x101010;
    m_settings.TextColor = 0x202020;
    m_settings.LEDColor = 0x303030;
    m_settings.LEDBackColor = 0x404040;
    open();
    const BoardDesign &design = m_board->design();
    QCOMPARE(design.labels.value(QStringLiteral("lblHomeName"))->foreColor(), 0x0000FF);
    QCOMPARE(design.labels.value(QStringLiteral("lblGuestName"))->foreColor(), 0x00FF00);
    QCOMPARE(design.labels.value(QStringLiteral("lblTitle"))->foreColor(), 0x202020);
    QCOMPARE(design.labels.value(QStringLiteral("lblCKH"))->foreColor(), 0x202020);
    QCOMPARE(design.frame->borderColor(), 0x202020);
    QCOMPARE(m_board->palette().color(QPalette::Window), QColor(0x10, 0x10, 0x10));
    int digits = 0;
    for (DigitGroup *g : design.groupList) {
        QCOMPARE(g->backColor(), 0x404040);
        for (const Segmora *digit : g->digits()) {
            QCOMPARE(digit->litColor(), 0x303030);
            QCOMPARE(digit->backColor(), 0x404040);
            ++digits;
        }
    }
    QCOMPARE(digits, 19);
    // In the last minute only the lower dot shows, as a decimal point.
    QCOMPARE(design.colonDots[0]->fillColor(), 0x202020);
    TypeKeys(group("sgmTime"), "45\r");
    QCOMPARE(design.colonDots[0]->fillColor(), 0x404040);
    QCOMPARE(design.colonDots[1]->fillColor(), 0x202020);
}

void TestScoreboard::textsAreShownAsStored()
{
    m_settings.TitleText = QString();
    m_settings.HomeText = QStringLiteral("  a&b  ");
    m_settings.GuestText = QStringLiteral("Zürich");
    open();
    const BoardDesign &design = m_board->design();
    QCOMPARE(design.labels.value(QStringLiteral("lblTitle"))->text(), QString());
    QCOMPARE(design.labels.value(QStringLiteral("lblHomeName"))->text(), QStringLiteral("  a&b  "));
    QCOMPARE(design.labels.value(QStringLiteral("lblGuestName"))->text(), QStringLiteral("Zürich"));
}

void TestScoreboard::optionsCommandReappliesTheSettings()
{
    m_settings.BuzzerFile = QStringLiteral(VARNELO_TEST_WAV);
    open();
    m_board->AllKeyPress('s');
    bool wasWebTimerOn = true;
    m_board->setOptionsCommand([&](QWidget *owner) {
        QCOMPARE(owner, m_board.get());
        wasWebTimerOn = m_board->tmrUpdateWeb().isActive();
        m_settings.TitleText = QStringLiteral("Cup Final");
        m_settings.LEDColor = 255;
        m_settings.BuzzerFile = QStringLiteral("/elsewhere/horn.wav");
    });
    m_web.WebSBFailCount = 2;
    m_board->tmrUpdateWeb().start();
    m_player->commands.clear();
    m_board->AllKeyPress('o');
    QVERIFY(!wasWebTimerOn);
    QVERIFY(m_board->tmrUpdateWeb().isActive());
    QVERIFY(m_board->tmrClock().isActive()); // the game clock kept running
    QCOMPARE(m_board->design().labels.value(QStringLiteral("lblTitle"))->text(),
        QStringLiteral("Cup Final"));
    QCOMPARE(group("sgmCKV")->digit(0)->litColor(), 255);
    QCOMPARE(m_player->commands,
        (QStringList{QStringLiteral("Close"), QStringLiteral("file:/elsewhere/horn.wav"),
            QStringLiteral("Open")}));

    // After too many refusals the web timer stays off.
    m_web.WebSBFailCount = 6;
    m_board->AllKeyPress('o');
    QVERIFY(!m_board->tmrUpdateWeb().isActive());
}

QTEST_MAIN(TestScoreboard)
#include "tst_frmscoreboard.moc"
