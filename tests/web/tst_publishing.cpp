#include "board/frmscoreboard.h"
#include "board/modsoccer.h"
#include "options/frmoptions.h"
#include "settings/settingsstore.h"
#include "tests/support/fakes.h"
#include "tests/support/recordingui.h"
#include "tests/support/scriptedhttpserver.h"
#include "web/httpclient.h"
#include "web/webstate.h"

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

class TestPublishing : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void theBoardStartsPublishingOnlyWhenItIsOn();
    void paceFollowsTheService();
    void aTickDueWhileAnUpdateIsPendingStartsNoOther();
    void theClockKeepsTickingWhileTheServiceIsSilent();
    void sixthRefusalStopsPublishingWithOneMessage();
    void closingOffersAFinalUpdate();
    void closingWithoutPublishingAsksNothing();
    void stopWhileAnUpdateIsInFlightStaysStopped_data();
    void stopWhileAnUpdateIsInFlightStaysStopped();
    void closingNeverWaitsLongerThanTheTimeOut();

private:
    void open();
    void webTick();
    void waitIdle();

    LiveSettings m_settings;
    GameState m_game;
    WebState m_web;
    FakeTime m_time;
    RecordingUi m_ui;
    std::unique_ptr<ScriptedHttpServer> m_server;
    std::unique_ptr<frmScoreboard> m_board;
    int m_timeoutMs = 400;
};

void TestPublishing::init()
{
    m_server = std::make_unique<ScriptedHttpServer>();
    m_settings = DefaultSettings(QString());
    m_settings.ServiceAddress = m_server->baseAddress();
    m_settings.URL = QStringLiteral("league");
    m_settings.PassCode = QStringLiteral("pw");
    m_game = {};
    m_web = {};
    m_web.WebSBFailCount = 0;
    m_ui = {};
    m_timeoutMs = 400;
}

void TestPublishing::cleanup()
{
    m_board.reset();
    m_server.reset();
}

void TestPublishing::open()
{
    frmScoreboard::Context context{m_settings, m_game, m_web, m_time, m_ui,
        [timeout = m_timeoutMs] { return std::make_unique<QtHttpClient>(timeout); }};
    m_board = std::make_unique<frmScoreboard>(context, std::make_unique<RecordingSoundPlayer>());
}

void TestPublishing::webTick()
{
    QMetaObject::invokeMethod(&m_board->tmrUpdateWeb(), "timeout");
}

void TestPublishing::waitIdle()
{
    QTRY_VERIFY_WITH_TIMEOUT(!m_board->Inet1().busy(), 5000);
    QCoreApplication::processEvents();
}

void TestPublishing::theBoardStartsPublishingOnlyWhenItIsOn()
{
    open();
    QVERIFY(m_board->tmrUpdateWeb().isActive());
    m_board.reset();
    m_web.WebSBFailCount = -1;
    open();
    QVERIFY(!m_board->tmrUpdateWeb().isActive());
    m_board.reset();
    m_web.WebSBFailCount = 6;
    open();
    QVERIFY(!m_board->tmrUpdateWeb().isActive());
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
    QCOMPARE(m_web.WebSBInterval, qint16(3));
    QCOMPARE(m_server->targets.size(), 5);
    for (int i = 1; i <= 6; ++i) {
        webTick();
        waitIdle();
        QCOMPARE(m_server->targets.size(), 5 + i / 3);
    }
    // The figures sent are the board's.
    m_web.WebSBValues[3] = QStringLiteral("2");
    for (int i = 0; i < 3; ++i) {
        webTick();
        waitIdle();
    }
    QCOMPARE(m_server->field(QStringLiteral("hs")), QStringLiteral("2"));
    QCOMPARE(m_server->field(QStringLiteral("passcode")), QStringLiteral("pw"));
    QVERIFY(m_server->targets.last().startsWith(QLatin1String("/web/league?")));
    QCOMPARE(m_web.WebSBFailCount, qint16(0));
}

void TestPublishing::aTickDueWhileAnUpdateIsPendingStartsNoOther()
{
    m_server->setScript(echoingService(QStringLiteral("0"), true, 250));
    open();
    webTick();
    webTick();
    webTick();
    QVERIFY(m_board->Inet1().busy());
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
    connect(&m_board->tmrClock(), &QTimer::timeout, this, [&clockTicks] { ++clockTicks; });
    m_board->AllKeyPress('s');
    webTick();
    // Clock ticks keep coming while the update waits for its reply.
    QTRY_VERIFY(clockTicks >= 3);
    QVERIFY(m_board->Inet1().busy());
    // The time-out is reported once, and the failure is not counted.
    waitIdle();
    QCOMPARE(m_ui.messages.size(), 1);
    QCOMPARE(m_ui.messages.at(0).text, QStringLiteral("Error sending information to server!"));
    QCOMPARE(m_web.WebSBFailCount, qint16(0));
    QVERIFY(m_board->tmrUpdateWeb().isActive());
}

void TestPublishing::sixthRefusalStopsPublishingWithOneMessage()
{
    m_server->setScript(echoingService(QStringLiteral("0"), false));
    open();
    for (int i = 1; i <= 5; ++i) {
        webTick();
        waitIdle();
        QCOMPARE(m_web.WebSBFailCount, qint16(i));
        QVERIFY(m_board->tmrUpdateWeb().isActive());
    }
    QVERIFY(m_ui.messages.isEmpty());
    webTick();
    waitIdle();
    QCOMPARE(m_web.WebSBFailCount, qint16(6));
    QVERIFY(!m_board->tmrUpdateWeb().isActive());
    QCOMPARE(m_ui.messages.size(), 1);
    QCOMPARE(m_ui.messages.at(0).title, QStringLiteral("Web Scoreboard Error"));
    QCOMPARE(m_ui.messages.at(0).text,
        QStringLiteral("Connection to web scoreboard unsuccessful.  Please check settings "
                       "and try again."));
    // A stray tick sends nothing and says nothing more.
    webTick();
    QCoreApplication::processEvents();
    QCOMPARE(m_server->targets.size(), 6);
    QCOMPARE(m_ui.messages.size(), 1);
}

void TestPublishing::closingOffersAFinalUpdate()
{
    m_server->setScript(echoingService(QStringLiteral("2"), true, 100));
    open();
    m_ui.answers = {true};
    m_board->show();
    m_board->close();
    QCOMPARE(m_ui.questions.size(), 1);
    QCOMPARE(m_ui.questions.at(0).title, QStringLiteral("Web Scoreboard"));
    QCOMPARE(m_ui.questions.at(0).text,
        QStringLiteral("Would you like to stop client updating?  This is recommended when "
                       "the game is over."));
    // The final update has completed by the time the board has closed.
    QCOMPARE(m_server->targets.size(), 1);
    QCOMPARE(m_server->field(QStringLiteral("final")), QStringLiteral("1"));
    QVERIFY(!m_board->tmrUpdateWeb().isActive());
    QVERIFY(!m_board->isVisible());

    // Answered No: no final update, and the state stays as it was.
    m_board.reset();
    open();
    m_ui.answers = {false};
    m_board->show();
    m_board->close();
    QCOMPARE(m_ui.questions.size(), 2);
    QCOMPARE(m_server->targets.size(), 1);
    QCOMPARE(m_web.WebSBFailCount, qint16(0));
}

void TestPublishing::closingWithoutPublishingAsksNothing()
{
    for (const qint16 state : {qint16(-1), qint16(6)}) {
        m_web.WebSBFailCount = state;
        open();
        m_board->show();
        m_board->close();
        QVERIFY(m_ui.questions.isEmpty());
        QVERIFY(m_server->targets.isEmpty());
        m_board.reset();
    }
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
    m_board->setOptionsCommand([&](QWidget *owner) {
        frmOptions options(m_settings, m_web, store, m_ui, owner,
            [] { return std::make_unique<QtHttpClient>(2000); });
        m_ui.answers = {finalUpdate};
        options.findChild<QPushButton *>(QStringLiteral("cmdStartStopWebSB"))->click();
        QTRY_VERIFY_WITH_TIMEOUT(m_web.WebSBInFlight == 0, 5000);
        QCoreApplication::processEvents();
        revived = m_web.WebSBFailCount != -1;
    });
    webTick();
    QVERIFY(m_board->Inet1().busy());
    m_board->AllKeyPress('o');
    QVERIFY(!revived);
    QCOMPARE(m_web.WebSBFailCount, qint16(-1));
    QVERIFY(!m_board->tmrUpdateWeb().isActive());
    QVERIFY(m_ui.messages.isEmpty());
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
    m_ui.answers = {true};
    m_board->show();
    QElapsedTimer timer;
    timer.start();
    m_board->close();
    QVERIFY2(timer.elapsed() < 2500, qPrintable(QString::number(timer.elapsed())));
    QVERIFY(!m_board->isVisible());
    QCOMPARE(m_server->targets.size(), 2);
    QCOMPARE(m_server->field(QStringLiteral("final")), QStringLiteral("1"));
    // Only the final update's failure is told: the periodic one belongs to publishing that
    // the closing ended.
    QCOMPARE(m_ui.messages.size(), 1);
    QCOMPARE(m_ui.messages.at(0).text, QStringLiteral("Error sending information to server!"));
}

QTEST_MAIN(TestPublishing)
#include "tst_publishing.moc"
