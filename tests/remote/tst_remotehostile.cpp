#include "remote/remotecontrol.h"
#include "settings/livesettings.h"
#include "tests/support/gamefixture.h"
#include "tests/support/rawclient.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTest>
#include <QWebSocket>

// Hostile clients on the loopback: whatever they send, and however slowly they read, the board
// refuses or closes them within short limits and a paired phone is still answered.
namespace {

using namespace std::chrono_literals;

const QByteArray Code = "ABCD1234EFGHJ";

// A WebSocket handshake by hand, so that the client can then misbehave at will.
QByteArray upgrade(const QByteArray &origin = {})
{
    QByteArray request = "GET / HTTP/1.1\r\nHost: 127.0.0.1\r\nUpgrade: websocket\r\n"
                         "Connection: Upgrade\r\nSec-WebSocket-Key: dGhlIHNhbXBsZSBub25jZQ==\r\n"
                         "Sec-WebSocket-Version: 13\r\n";
    if (!origin.isEmpty()) {
        request += "Origin: " + origin + "\r\n";
    }
    return request + "\r\n";
}

// One masked text frame, as a client must send it.
QByteArray textFrame(const QByteArray &text)
{
    QByteArray frame;
    frame.append(char(0x81));
    frame.append(char(0x80 | text.size())); // short messages only
    const char mask[4] = {1, 2, 3, 4};
    frame.append(mask, 4);
    for (qsizetype i = 0; i < text.size(); ++i) {
        frame.append(char(text.at(i) ^ mask[i % 4]));
    }
    return frame;
}

} // namespace

class TestRemoteHostile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void anEndlessRequestIsRefusedWhileItIsRead_data();
    void anEndlessRequestIsRefusedWhileItIsRead();
    void aClientThatDoesNotReadIsLetGo();
    void anUnpairedFloodIsCutOff();
    void anUnpairedSocketIsClosedOnTime();
    void idleAndExcessConnectionsAreClosed();
    void aLockedOutSocketIsReleased();
    void aNewCodeReleasesEveryDevice();
    void onlyTheBoardsOwnPageMayPush_data();
    void onlyTheBoardsOwnPageMayPush();

private:
    // Whether the phone's API still answers the right code at once.
    bool phoneIsAnswered();
    std::unique_ptr<QWebSocket> pair(QSignalSpy *&gone);

    GameFixture m_fixture;
    LiveSettings m_settings;
    std::unique_ptr<RemoteControl> m_remote;
    std::vector<std::unique_ptr<QSignalSpy>> m_spies;
};

void TestRemoteHostile::init()
{
    m_fixture.newGame();
    m_settings = {};
    m_settings.RemoteCode = QString::fromLatin1(Code);
    m_remote = std::make_unique<RemoteControl>(*m_fixture.model, m_settings, [] {});
    RemoteLimits limits;
    limits.connections = 24;
    limits.perAddress = 6;
    limits.headerTimeout = 300ms;
    limits.idleTimeout = 300ms;
    limits.writeTimeout = 300ms;
    limits.pairingTimeout = 3000ms;
    m_remote->setLimits(limits);
    QVERIFY(m_remote->listen({QStringLiteral("127.0.0.1")}, 0));
}

void TestRemoteHostile::cleanup()
{
    m_spies.clear();
    m_remote.reset();
}

bool TestRemoteHostile::phoneIsAnswered()
{
    RawClient phone(m_remote->port());
    phone.send(
        "GET /api/state HTTP/1.1\r\nHost: 127.0.0.1\r\nAuthorization: Bearer " + Code + "\r\n\r\n");
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 2000 && !phone.received().contains("\"figures\"")) {
        phone.read();
        QTest::qWait(5);
    }
    return phone.received().startsWith("HTTP/1.1 200");
}

std::unique_ptr<QWebSocket> TestRemoteHostile::pair(QSignalSpy *&gone)
{
    auto socket = std::make_unique<QWebSocket>();
    QSignalSpy connected(socket.get(), &QWebSocket::connected);
    m_spies.push_back(std::make_unique<QSignalSpy>(socket.get(), &QWebSocket::disconnected));
    gone = m_spies.back().get();
    socket->open(QUrl(QStringLiteral("ws://127.0.0.1:%1/").arg(m_remote->pushPort())));
    [&] { QVERIFY(connected.wait(2000)); }();
    socket->sendTextMessage(
        QStringLiteral(R"({"command":"hello","code":"%1"})").arg(QString::fromLatin1(Code)));
    return socket;
}

// R1: a body that never ends, or a request line or header that never does, is refused before
// more than its cap is kept.
void TestRemoteHostile::anEndlessRequestIsRefusedWhileItIsRead_data()
{
    QTest::addColumn<QByteArray>("head");
    QTest::addColumn<QByteArray>("stream");
    QTest::addColumn<QByteArray>("status");
    const QByteArray post = "POST /api/command HTTP/1.1\r\nHost: 127.0.0.1\r\nAuthorization: "
                            "Bearer "
        + Code + "\r\n";
    QTest::newRow("huge length") << post + "Content-Length: 999999999999\r\n\r\n"
                                 << QByteArray(16384, 'x') << QByteArray("413");
    QTest::newRow("chunked") << post + "Transfer-Encoding: chunked\r\n\r\n"
                             << "400\r\n" + QByteArray(1024, 'x') + "\r\n"
                             << QByteArray("413");
    QTest::newRow("request line") << QByteArray("GET /") << QByteArray(16384, 'a')
                                  << QByteArray("414");
    QTest::newRow("header") << QByteArray("GET / HTTP/1.1\r\nX-Pad: ") << QByteArray(16384, 'a')
                            << QByteArray("431");
}

void TestRemoteHostile::anEndlessRequestIsRefusedWhileItIsRead()
{
    QFETCH(QByteArray, head);
    QFETCH(QByteArray, stream);
    QFETCH(QByteArray, status);
    RawClient client(m_remote->port());
    QVERIFY(client.connected());
    client.send(head);
    QVERIFY(closedWhileSending(client, stream, 2000ms));
    QVERIFY2(
        client.received().startsWith(QByteArray("HTTP/1.1 " + status)), client.received().left(80));
    QVERIFY(phoneIsAnswered());
}

// R2: pipelined requests from a client that never reads: the board stops reading them once its
// answers are not taken, and lets the client go after the write deadline.
void TestRemoteHostile::aClientThatDoesNotReadIsLetGo()
{
    RawClient client(m_remote->port());
    QByteArray requests;
    for (int i = 0; i < 64; ++i) {
        requests += "GET / HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n";
    }
    QVERIFY(closedWhileSending(client, requests, 3000ms, false));
    QVERIFY(phoneIsAnswered());
}

// R3: a socket that floods messages without pairing is closed long before the pairing time.
void TestRemoteHostile::anUnpairedFloodIsCutOff()
{
    RawClient client(m_remote->pushPort(), "127.0.0.3");
    client.send(upgrade());
    QVERIFY(closedWhileSending(client, textFrame("x"), 1500ms));
    QVERIFY(client.received().startsWith("HTTP/1.1 101"));
    QVERIFY(phoneIsAnswered());
}

// R3: an unpaired socket that says nothing, and ignores the close, is closed all the same.
void TestRemoteHostile::anUnpairedSocketIsClosedOnTime()
{
    RawClient client(m_remote->pushPort());
    client.send(upgrade());
    QElapsedTimer clock;
    clock.start();
    // It sends a ping now and then, never answering a close. Closed at the pairing time-out
    // (3 s) and its close's own deadline; the rest is room for a slow sanitised build.
    QVERIFY(closedWhileSending(client, QByteArray("\x89\x80\0\0\0\0", 6), 8000ms, false));
    QVERIFY2(clock.elapsed() >= 2500, qPrintable(QString::number(clock.elapsed())));
}

// R4: a client's connections are capped, and idle ones are closed; the phone is served meanwhile.
void TestRemoteHostile::idleAndExcessConnectionsAreClosed()
{
    std::vector<std::unique_ptr<RawClient>> idle;
    for (int i = 0; i < 12; ++i) {
        idle.push_back(std::make_unique<RawClient>(
            i % 2 ? m_remote->port() : m_remote->pushPort(), "127.0.0.2"));
        QVERIFY(idle.back()->connected());
    }
    QVERIFY(phoneIsAnswered());
    QTRY_VERIFY_WITH_TIMEOUT(m_remote->connections() <= 6, 1000);
    // Every one of them is closed by the header deadline.
    QTRY_VERIFY_WITH_TIMEOUT(
        std::all_of(idle.cbegin(), idle.cend(), [](const auto &client) { return !client->read(); }),
        2000);
    QTRY_COMPARE_WITH_TIMEOUT(m_remote->connections(), 0, 2000);
    QVERIFY(phoneIsAnswered());
}

// R5: sockets of a locked-out address are closed and forgotten.
void TestRemoteHostile::aLockedOutSocketIsReleased()
{
    for (int i = 0; i < 6; ++i) {
        RawClient guesser(m_remote->port());
        guesser.send("GET /api/state HTTP/1.1\r\nAuthorization: Bearer WRONG\r\n\r\n");
        QTRY_VERIFY((guesser.read(), guesser.received().contains("\r\n\r\n")));
    }
    for (int i = 0; i < 10; ++i) {
        QWebSocket socket;
        QSignalSpy gone(&socket, &QWebSocket::disconnected);
        socket.open(QUrl(QStringLiteral("ws://127.0.0.1:%1/").arg(m_remote->pushPort())));
        QVERIFY(gone.wait(2000));
    }
    QTRY_COMPARE_WITH_TIMEOUT(m_remote->connections(), 0, 2000);
}

// R10: "New Code" lets every paired device go, however many there are.
void TestRemoteHostile::aNewCodeReleasesEveryDevice()
{
    std::vector<std::unique_ptr<QWebSocket>> devices;
    std::vector<QSignalSpy *> gone(3);
    for (QSignalSpy *&spy : gone) {
        devices.push_back(pair(spy));
    }
    QTRY_COMPARE(m_remote->devices(), 3);
    m_remote->renewCode();
    for (QSignalSpy *spy : gone) {
        QTRY_COMPARE_WITH_TIMEOUT(spy->size(), 1, 2000);
    }
    QTRY_COMPARE(m_remote->devices(), 0);
}

// The push channel serves the board's own page and clients with no page (curl, apps); a page of
// any other origin, which a device in the stands may have open, is refused.
void TestRemoteHostile::onlyTheBoardsOwnPageMayPush_data()
{
    QTest::addColumn<QString>("origin");
    QTest::addColumn<bool>("served");
    QTest::newRow("none") << QString() << true;
    QTest::newRow("own page") << QStringLiteral("http://127.0.0.1:%1") << true;
    QTest::newRow("foreign page") << QStringLiteral("http://attacker.example") << false;
    QTest::newRow("own host, other port") << QStringLiteral("http://127.0.0.1:1") << false;
}

void TestRemoteHostile::onlyTheBoardsOwnPageMayPush()
{
    QFETCH(QString, origin);
    QFETCH(bool, served);
    if (origin.contains(QLatin1String("%1"))) {
        origin = origin.arg(m_remote->port());
    }
    QWebSocket socket(origin);
    QList<QJsonObject> messages;
    connect(&socket, &QWebSocket::textMessageReceived, this, [&messages](const QString &text) {
        messages.append(QJsonDocument::fromJson(text.toUtf8()).object());
    });
    QSignalSpy connected(&socket, &QWebSocket::connected);
    QSignalSpy gone(&socket, &QWebSocket::disconnected);
    socket.open(QUrl(QStringLiteral("ws://127.0.0.1:%1/").arg(m_remote->pushPort())));
    QTRY_VERIFY_WITH_TIMEOUT(!connected.isEmpty() || !gone.isEmpty(), 2000);
    QCOMPARE(!connected.isEmpty(), served);
    if (served) {
        socket.sendTextMessage(
            QStringLiteral(R"({"command":"hello","code":"%1"})").arg(QString::fromLatin1(Code)));
        QTRY_COMPARE(m_remote->devices(), 1);
    }
}

QTEST_GUILESS_MAIN(TestRemoteHostile)
#include "tst_remotehostile.moc"
