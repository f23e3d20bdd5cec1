#include "board/boardlabel.h"
#include "board/boardshape.h"
#include "tests/support/boardfixture.h"

#include <segmora/segmora.h>

#include <QTest>

#include <algorithm>

// How the settings show on the board: its colours and texts, and the options command that
// applies them anew.
class TestBoardSettings : public QObject, private BoardFixture
{
    Q_OBJECT

private Q_SLOTS:
    void init() { resetBoard(QStringLiteral("/nowhere/missing.wav")); }
    void cleanup() { closeBoard(); }
    void eachColourReachesItsElements_data();
    void eachColourReachesItsElements();
    void textsAreShownAsStored();
    void optionsCommandReappliesTheSettings();
    void theReportKeyAsksTheApplication();
};

void TestBoardSettings::eachColourReachesItsElements_data()
{
    QTest::addColumn<bool>("stored");
    QTest::addColumn<qint32>("home");
    QTest::addColumn<qint32>("guest");
    QTest::addColumn<qint32>("form");
    QTest::addColumn<qint32>("text");
    QTest::addColumn<qint32>("led");
    QTest::addColumn<qint32>("ledBack");
    QTest::addColumn<QColor>("window");
    QTest::newRow("defaults") << false << 16777215 << 16777215 << 0x008000 << 16777215 << 65535 << 0
                              << QColor(0, 128, 0);
    QTest::newRow("stored") << true << 0x0000FF << 0x00FF00 << 0x101010 << 0x202020 << 0x303030
                            << 0x404040 << QColor(0x10, 0x10, 0x10);
}

void TestBoardSettings::eachColourReachesItsElements()
{
    QFETCH(bool, stored);
    QFETCH(qint32, home);
    QFETCH(qint32, guest);
    QFETCH(qint32, form);
    QFETCH(qint32, text);
    QFETCH(qint32, led);
    QFETCH(qint32, ledBack);
    QFETCH(QColor, window);
    if (stored) {
        settings.HomeColor = home;
        settings.GuestColor = guest;
        settings.FormColor = form;
        settings.TextColor = text;
        settings.LEDColor = led;
        settings.LEDBackColor = ledBack;
    }
    openBoard();
    QCOMPARE(board->palette().color(QPalette::Window), window);
    QCOMPARE(label("lblHomeName")->foreColor(), home);
    QCOMPARE(label("lblGuestName")->foreColor(), guest);
    for (const char *name :
        {"lblTitle", "lblPeriod", "lblShotsH", "lblCKH", "lblCKV", "lblSavesV"}) {
        QCOMPARE(label(name)->foreColor(), text);
    }
    QCOMPARE(board->findChild<BoardShape *>(QStringLiteral("Shape1"))->borderColor(), text);
    // The colon's two dots, upper first.
    QList<BoardShape *> colonDots = board->findChildren<BoardShape *>(QStringLiteral("shpTime"));
    QCOMPARE(colonDots.size(), 2);
    std::sort(colonDots.begin(), colonDots.end(),
        [](const BoardShape *a, const BoardShape *b) { return a->y() < b->y(); });
    int digits = 0;
    for (DigitGroup *g : board->findChildren<DigitGroup *>()) {
        QCOMPARE(g->backColor(), ledBack);
        for (const Segmora *digit : g->digits()) {
            QCOMPARE(digit->litColor(), led);
            QCOMPARE(digit->backColor(), ledBack);
            ++digits;
        }
    }
    QCOMPARE(digits, 19);
    QCOMPARE(colonDots[0]->fillColor(), text);
    QCOMPARE(colonDots[1]->fillColor(), text);
    // In the last minute only the lower dot shows, as a decimal point.
    type("sgmTime", "45\r");
    QCOMPARE(colonDots[0]->fillColor(), ledBack);
    QCOMPARE(colonDots[1]->fillColor(), text);
}

void TestBoardSettings::textsAreShownAsStored()
{
    settings.TitleText = QString();
    settings.HomeText = QStringLiteral("  a&b  ");
    settings.GuestText = QStringLiteral("Zürich");
    openBoard();
    QCOMPARE(label("lblTitle")->text(), QString());
    QCOMPARE(label("lblHomeName")->text(), QStringLiteral("  a&b  "));
    QCOMPARE(label("lblGuestName")->text(), QStringLiteral("Zürich"));
}

void TestBoardSettings::optionsCommandReappliesTheSettings()
{
    settings.BuzzerFile = QStringLiteral(VARNELO_TEST_WAV);
    openBoard();
    board->AllKeyPress('s');
    bool wasWebTimerOn = true;
    board->setOptionsCommand([&](QWidget *owner) {
        QCOMPARE(owner, board.get());
        wasWebTimerOn = BoardTimer(*board, "tmrUpdateWeb").isActive();
        settings.TitleText = QStringLiteral("Cup Final");
        settings.LEDColor = 255;
        settings.BuzzerFile = QStringLiteral("/elsewhere/horn.wav");
    });
    web.WebSBFailCount = 2;
    BoardTimer(*board, "tmrUpdateWeb").start();
    player->commands.clear();
    board->AllKeyPress('o');
    QVERIFY(!wasWebTimerOn);
    QVERIFY(BoardTimer(*board, "tmrUpdateWeb").isActive());
    QVERIFY(BoardTimer(*board, "tmrClock").isActive()); // the game clock kept running
    QCOMPARE(label("lblTitle")->text(), QStringLiteral("Cup Final"));
    QCOMPARE(group("sgmCKV")->digit(0)->litColor(), 255);
    QCOMPARE(player->commands,
        (QStringList{QStringLiteral("Close"), QStringLiteral("file:/elsewhere/horn.wav"),
            QStringLiteral("Open")}));

    // After too many refusals the web timer stays off.
    web.WebSBFailCount = 6;
    board->AllKeyPress('o');
    QVERIFY(!BoardTimer(*board, "tmrUpdateWeb").isActive());
}

void TestBoardSettings::theReportKeyAsksTheApplication()
{
    openBoard();
    QList<QWidget *> owners;
    board->AllKeyPress('m'); // no command yet: nothing happens
    board->setReportCommand([&](QWidget *owner) { owners << owner; });
    board->AllKeyPress('m');
    QCOMPARE(owners, QList<QWidget *>{board.get()});
    board->AllKeyPress('M');
    QCOMPARE(owners.size(), 1);
    // A key the operator bound to 'm' keeps its action.
    settings.BuzzerKey = 'm';
    board->AllKeyPress('m');
    QCOMPARE(owners.size(), 1);
}

QTEST_MAIN(TestBoardSettings)
#include "tst_boardsettings.moc"
