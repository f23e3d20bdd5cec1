#include "options/frmoptions.h"
#include "tests/support/boardfixture.h"
#include "tests/support/scriptedhttpserver.h"

#include <QCloseEvent>
#include <QElapsedTimer>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

namespace {

using Response = ScriptedHttpServer::Response;

// A service that accepts every update and asks for `interval`; `accept` false refuses them.
ScriptedHttpServer::Script echoingService(
    const QString &interval, bool accept = true, int delayMs = 0)
{
    return [=](const QString &target) {
        QString echo;
        const QUrlQuery query(QUrl(target).query(QUrl::FullyEncoded));
        for (const auto &item : query.queryItems(QUrl::FullyDecoded)) {
            if (item.first != QLatin1String("passcode") && item.first != QLatin1String("final")) {
                echo += item.second;
            }
        }
        const QString body
            = accept ? interval + QLatin1Char('|') + echo : QStringLiteral("refused");
        return Response{Response::Kind::Answer, accept ? 200 : 403, body.toUtf8(), delayMs};
    };
}

} // namespace

class TestPublishing : public QObject, private BoardFixture
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void theBoardStartsPublishingOnlyWhenItIsOn_data();
    void theBoardStartsPublishingOnlyWhenItIsOn();
    void paceFollowsTheService();
    void aTickDueWhileAnUpdateIsPendingStartsNoOther();
    void theClockKeepsTickingWhileTheServiceIsSilent();
    void anOutageIsToldOnceAndPublishingResumesByItself();
    void sixthRefusalStopsPublishingWithOneMessage();
    void closingOffersAFinalUpdate();
    void closingWithoutPublishingAsksNothing_data();
    void closingWithoutPublishingAsksNothing();
    void stopWhileAnUpdateIsInFlightStaysStopped_data();
    void stopWhileAnUpdateIsInFlightStaysStopped();
    void closingNeverWaitsLongerThanTheTimeOut();

private:
    void open();
    void waitIdle();

    std::unique_ptr<ScriptedHttpServer> m_server;
    int m_timeoutMs = 400;
};

void TestPublishing::init()
{
    m_server = std::make_unique<ScriptedHttpServer>();
    resetBoard();
    settings.ServiceAddress = m_server->baseAddress();
    settings.URL = QStringLiteral("league");
    settings.PassCode = QStringLiteral("pw");
    web.WebSBFailCount = 0;
    m_timeoutMs = 400;
}

void TestPublishing::cleanup()
{
    closeBoard();
    m_server.reset();
}

void TestPublishing::open()
{
    useQtHttpClient(m_timeoutMs);
    openBoard();
}

void TestPublishing::waitIdle()
{
    QTRY_VERIFY_WITH_TIMEOUT(web.WebSBInFlight == 0, 5000);
    QCoreApplication::processEvents();
}

void TestPublishing::theBoardStartsPublishingOnlyWhenItIsOn_data()
{
    QTest::addColumn<qint16>("failCount");
    QTest::addColumn<bool>("publishing");
    QTest::newRow("on") << qint16(0) << true;
    QTest::newRow("off") << qint16(-1) << false;
    QTest::newRow("stopped after six refusals") << qint16(6) << false;
}

void TestPublishing::theBoardStartsPublishingOnlyWhenItIsOn()
{
    QFETCH(qint16, failCount);
    QFETCH(bool, publishing);
    web.WebSBFailCount = failCount;
    open();
    QCOMPARE(BoardTimer(*board, "tmrUpdateWeb").isActive(), publishing);
}

void TestPublishing::paceFollowsTheService()
{
    m_server->setScript(echoingService(QStringLiteral("0")));
    open();
    // Interval 0: every tick sends.
    for (int i = 0; i < 2; ++i) {
        webTick();
        waitIdle();
    }
    QCOMPARE(m_server->targets.size(), 2);
    QCOMPARE(m_server->field(QStringLiteral("gt")), QStringLiteral("10:00"));

    // Interval 1: still every tick; then 3: every third tick.
    m_server->setScript(echoingService(QStringLiteral("1")));
    webTick();
    waitIdle();
    webTick();
    waitIdle();
    QCOMPARE(m_server->targets.size(), 4);
    m_server->setScript(echoingService(QStringLiteral("3")));
    webTick();
    waitIdle();
    QCOMPARE(web.WebSBInterval, qint16(3));
    QCOMPARE(m_server->targets.size(), 5);
    for (int i = 1; i <= 6; ++i) {
        webTick();
        waitIdle();
        QCOMPARE(m_server->targets.size(), 5 + i / 3);
    }
    // The figures sent are the board's.
    board->scoreboardGame().setFigure(Figure::ScoreH, 2);
    for (int i = 0; i < 3; ++i) {
        webTick();
        waitIdle();
    }
    QCOMPARE(m_server->field(QStringLiteral("hs")), QStringLiteral("2"));
    QCOMPARE(m_server->field(QStringLiteral("passcode")), QStringLiteral("pw"));
    QVERIFY(m_server->targets.last().startsWith(QLatin1String("/web/league?")));
    QCOMPARE(web.WebSBFailCount, qint16(0));
}

void TestPublishing::aTickDueWhileAnUpdateIsPendingStartsNoOther()
{
    m_server->setScript(echoingService(QStringLiteral("0"), true, 250));
    open();
    webTick();
    webTick();
    webTick();
    QVERIFY(web.WebSBInFlight > 0);
    waitIdle();
    QCOMPARE(m_server->targets.size(), 1);
    webTick();
    waitIdle();
    QCOMPARE(m_server->targets.size(), 2);
}

void TestPublishing::theClockKeepsTickingWhileTheServiceIsSilent()
{
    m_server->setScript([](const QString &) {
        return Response{Response::Kind::Never, 200, {}, 0};
    });
    m_timeoutMs = 1500;
    open();
    int clockTicks = 0;
    connect(
        &BoardTimer(*board, "tmrClock"), &QTimer::timeout, this, [&clockTicks] { ++clockTicks; });
    board->AllKeyPress('s');
    webTick();
    // Clock ticks keep coming while the update waits for its reply.
    QTRY_VERIFY(clockTicks >= 3);
    QVERIFY(web.WebSBInFlight > 0);
    // The time-out is reported once, and the failure is not counted.
    waitIdle();
    QVERIFY(ui.messages.isEmpty());
    QCOMPARE(ui.notices.size(), 1);
    QCOMPARE(ui.notices.at(0).text, QStringLiteral("Error sending information to server!"));
    QCOMPARE(web.WebSBFailCount, qint16(0));
    QVERIFY(BoardTimer(*board, "tmrUpdateWeb").isActive());
}

void TestPublishing::anOutageIsToldOnceAndPublishingResumesByItself()
{
    // The service is down for three updates, answers one, and is down again.
    const auto answering = echoingService(QStringLiteral("0"));
    bool down = true;
    m_server->setScript([&](const QString &target) {
        return down ? Response{Response::Kind::Drop, 0, {}, 0} : answering(target);
    });
    open();
    for (int i = 0; i < 3; ++i) {
        webTick();
        waitIdle();
        // The operator's keys keep working: nothing waits for an answer to the message.
        board->AllKeyPress('s');
    }
    QVERIFY(m_server->targets.size() >= 3);
    QVERIFY(ui.messages.isEmpty());
    QCOMPARE(ui.notices.size(), 1);
    QCOMPARE(ui.notices.at(0).title, QStringLiteral("Varnelo"));
    QCOMPARE(ui.notices.at(0).text, QStringLiteral("Error sending information to server!"));
    QVERIFY(clockRunning());
    // Back by itself, with nobody pressing anything.
    down = false;
    webTick();
    waitIdle();
    QCOMPARE(m_server->field(QStringLiteral("ttl")), settings.TitleText);
    QCOMPARE(web.WebSBFailCount, qint16(0));
    // A new outage is a new message.
    down = true;
    webTick();
    waitIdle();
    QCOMPARE(ui.notices.size(), 2);
    QVERIFY(BoardTimer(*board, "tmrUpdateWeb").isActive());
}

void TestPublishing::sixthRefusalStopsPublishingWithOneMessage()
{
    m_server->setScript(echoingService(QStringLiteral("0"), false));
    open();
    for (int i = 1; i <= 5; ++i) {
        webTick();
        waitIdle();
        QCOMPARE(web.WebSBFailCount, qint16(i));
        QVERIFY(BoardTimer(*board, "tmrUpdateWeb").isActive());
    }
    QVERIFY(ui.messages.isEmpty());
    webTick();
    waitIdle();
    QCOMPARE(web.WebSBFailCount, qint16(6));
    QVERIFY(!BoardTimer(*board, "tmrUpdateWeb").isActive());
    QCOMPARE(ui.messages.size(), 1);
    QCOMPARE(ui.messages.at(0).title, QStringLiteral("Web Scoreboard Error"));
    QCOMPARE(ui.messages.at(0).text,
        QStringLiteral("Connection to web scoreboard unsuccessful.  Please check settings "
                       "and try again."));
    // A stray tick sends nothing and says nothing more.
    webTick();
    QCoreApplication::processEvents();
    QCOMPARE(m_server->targets.size(), 6);
    QCOMPARE(ui.messages.size(), 1);
}

void TestPublishing::closingOffersAFinalUpdate()
{
    m_server->setScript(echoingService(QStringLiteral("2"), true, 100));
    open();
    ui.answers = {true};
    board->show();
    board->close();
    QCOMPARE(ui.questions.size(), 1);
    QCOMPARE(ui.questions.at(0).title, QStringLiteral("Web Scoreboard"));
    QCOMPARE(ui.questions.at(0).text,
        QStringLiteral("Would you like to stop client updating?  This is recommended when "
                       "the game is over."));
    // The board stays, showing that it waits, until the final update is answered; another
    // close meanwhile changes nothing.
    QVERIFY(board->isVisible());
    QVERIFY(!board->isEnabled());
    board->close();
    QCOMPARE(ui.questions.size(), 1);
    QTRY_VERIFY(!board->isVisible());
    // The final update has completed by the time the board has closed.
    QCOMPARE(m_server->targets.size(), 1);
    QCOMPARE(m_server->field(QStringLiteral("final")), QStringLiteral("1"));
    QVERIFY(!BoardTimer(*board, "tmrUpdateWeb").isActive());
    QVERIFY(!board->isVisible());

    // Answered No: no final update, and the state stays as it was.
    closeBoard();
    open();
    ui.answers = {false};
    board->show();
    board->close();
    QCOMPARE(ui.questions.size(), 2);
    QCOMPARE(m_server->targets.size(), 1);
    QCOMPARE(web.WebSBFailCount, qint16(0));
}

void TestPublishing::closingWithoutPublishingAsksNothing_data()
{
    QTest::addColumn<qint16>("failCount");
    QTest::newRow("off") << qint16(-1);
    QTest::newRow("stopped after six refusals") << qint16(6);
}

void TestPublishing::closingWithoutPublishingAsksNothing()
{
    QFETCH(qint16, failCount);
    web.WebSBFailCount = failCount;
    open();
    board->show();
    board->close();
    QVERIFY(ui.questions.isEmpty());
    QVERIFY(m_server->targets.isEmpty());
}

void TestPublishing::stopWhileAnUpdateIsInFlightStaysStopped_data()
{
    QTest::addColumn<bool>("accept");
    QTest::addColumn<bool>("finalUpdate");
    QTest::newRow("accepted late, Stop with No") << true << false;
    QTest::newRow("refused late, Stop with No") << false << false;
    QTest::newRow("accepted late, Stop with Yes") << true << true;
}

void TestPublishing::stopWhileAnUpdateIsInFlightStaysStopped()
{
    QFETCH(bool, accept);
    QFETCH(bool, finalUpdate);
    m_server->setScript(echoingService(QStringLiteral("0"), accept, 400));
    open();
    QTemporaryDir dir;
    QSettings store(dir.filePath(QStringLiteral("Varnelo.conf")), QSettings::IniFormat);
    bool revived = true;
    // The operator opens the options while the board's update waits for its reply, and stops.
    board->setOptionsCommand([&](QWidget *owner) {
        frmOptions options(
            settings, web, store, ui, owner, [] { return std::make_unique<QtHttpClient>(2000); });
        ui.answers = {finalUpdate};
        options.findChild<QPushButton *>(QStringLiteral("cmdStartStopWebSB"))->click();
        // The dialog waits, taking no input, until the final update is answered.
        QTRY_VERIFY_WITH_TIMEOUT(options.isEnabled() && web.WebSBInFlight == 0, 5000);
        QCoreApplication::processEvents();
        revived = web.WebSBFailCount != -1;
    });
    webTick();
    QVERIFY(web.WebSBInFlight > 0);
    board->AllKeyPress('o');
    QVERIFY(!revived);
    QCOMPARE(web.WebSBFailCount, qint16(-1));
    QVERIFY(!BoardTimer(*board, "tmrUpdateWeb").isActive());
    QVERIFY(ui.messages.isEmpty());
    QCOMPARE(m_server->targets.size(), finalUpdate ? 2 : 1);
    if (finalUpdate) {
        // The final update went out only once the board's update had been answered.
        QCOMPARE(m_server->field(QStringLiteral("final")), QStringLiteral("1"));
    }
    webTick();
    QCoreApplication::processEvents();
    QCOMPARE(m_server->targets.size(), finalUpdate ? 2 : 1);
}

void TestPublishing::closingNeverWaitsLongerThanTheTimeOut()
{
    // A server that answers a byte every 100 ms would take 20 s for this reply.
    m_server->setScript([](const QString &) {
        return Response{Response::Kind::Trickle, 200, QByteArray(200, 'x'), 100};
    });
    m_timeoutMs = 600;
    open();
    webTick(); // a periodic update is in flight when the board closes
    ui.answers = {true};
    board->show();
    QElapsedTimer timer;
    timer.start();
    closeWindow();
    QVERIFY2(timer.elapsed() < 2500, qPrintable(QString::number(timer.elapsed())));
    QCOMPARE(m_server->targets.size(), 2);
    QCOMPARE(m_server->field(QStringLiteral("final")), QStringLiteral("1"));
    // Only the final update's failure is told: the periodic one belongs to publishing that
    // the closing ended.
    QCOMPARE(ui.messages.size(), 1);
    QCOMPARE(ui.messages.at(0).text, QStringLiteral("Error sending information to server!"));
}

QTEST_MAIN(TestPublishing)
#include "tst_publishing.moc"
