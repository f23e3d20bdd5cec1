#include "remote/remotecontrol.h"
#include "settings/livesettings.h"
#include "tests/support/gamefixture.h"
#include "tests/support/rawclient.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSignalSpy>
#include <QTest>
#include <QWebSocket>

// The overlay for streams on the loopback: its token reads the board (pages, state, push
// channel, event streams) and never commands it, and whatever is switched off is refused.
namespace {

using namespace std::chrono_literals;

const QByteArray Code = "ABCD1234EFGHJ";
const QByteArray Token = "TKNW5678XYZQR";

// The states of an event stream so far, in order.
QList<QJsonObject> streamedStates(const QByteArray &received)
{
    QList<QJsonObject> states;
    for (const QByteArray &line : received.split('\n')) {
        if (line.startsWith("data: ")) {
            states.append(QJsonDocument::fromJson(line.mid(6)).object());
        }
    }
    return states;
}

QByteArray feedRequest(const QByteArray &query, const QByteArray &header = {})
{
    return "GET /api/feed" + query + " HTTP/1.1\r\nHost: 127.0.0.1\r\n" + header + "\r\n";
}

} // namespace

class TestOverlayReaders : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void theTokenOnlyReads_data();
    void theTokenOnlyReads();
    void whatIsSwitchedOffIsRefused_data();
    void whatIsSwitchedOffIsRefused();
    void aReaderHearsEveryChangeAndCommandsNothing();
    void wrongTokensAreLockedOut();
    void aNewTokenLetsEveryReaderGoANewCodeDoesNot();
    void theFeedStreamsTheState();
    void theFeedKeepsAliveAndIsCapped();
    void aFeedThatIsNotReadHoldsNothingUp();

private:
    void start(const RemoteLimits &limits);
    struct Answer
    {
        int status = 0;
        QByteArray body;
        QByteArray type;
    };
    Answer request(const QByteArray &method, const QString &path, const QByteArray &bearer = {},
        const QByteArray &body = {});
    // A push-channel socket that said hello with `credential` ("token" or "code").
    std::unique_ptr<QWebSocket> connectSocket(
        QList<QJsonObject> &messages, const char *field, const QByteArray &credential);
    static QJsonObject lastOfType(const QList<QJsonObject> &messages, const char *type);

    GameFixture m_fixture;
    LiveSettings m_settings;
    int m_codeSaves = 0;
    int m_tokenSaves = 0;
    std::unique_ptr<RemoteControl> m_remote;
    QNetworkAccessManager m_network;
    std::vector<std::unique_ptr<QNetworkReply>> m_replies;
};

void TestOverlayReaders::init()
{
    RemoteLimits limits;
    limits.writeTimeout = 300ms;
    start(limits);
}

void TestOverlayReaders::start(const RemoteLimits &limits)
{
    m_replies.clear();
    m_remote.reset();
    m_fixture.newGame();
    m_settings = {};
    m_settings.RemoteCode = QString::fromLatin1(Code);
    m_settings.OverlayEnabled = 1;
    m_settings.OverlayToken = QString::fromLatin1(Token);
    m_codeSaves = 0;
    m_tokenSaves = 0;
    m_remote
        = std::make_unique<RemoteControl>(*m_fixture.model, m_settings, [this] { ++m_codeSaves; });
    m_remote->setSaveToken([this] { ++m_tokenSaves; });
    m_remote->setLimits(limits);
    QVERIFY(m_remote->listen({QStringLiteral("127.0.0.1")}, 0));
    // Switching things on and off from here on keeps this port.
    m_settings.RemoteEnabled = 1;
    m_settings.RemotePort = m_remote->port();
}

void TestOverlayReaders::cleanup()
{
    m_replies.clear();
    m_remote.reset();
}

TestOverlayReaders::Answer TestOverlayReaders::request(
    const QByteArray &method, const QString &path, const QByteArray &bearer, const QByteArray &body)
{
    QNetworkRequest request(
        QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(m_remote->port()).arg(path)));
    if (!bearer.isEmpty()) {
        request.setRawHeader("Authorization", "Bearer " + bearer);
    }
    request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("application/json"));
    QNetworkReply *reply = m_network.sendCustomRequest(request, method, body);
    m_replies.emplace_back(reply);
    QSignalSpy finished(reply, &QNetworkReply::finished);
    [&] { QVERIFY(finished.wait(5000)); }();
    return {reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), reply->readAll(),
        reply->rawHeader("Content-Type")};
}

std::unique_ptr<QWebSocket> TestOverlayReaders::connectSocket(
    QList<QJsonObject> &messages, const char *field, const QByteArray &credential)
{
    auto socket = std::make_unique<QWebSocket>();
    connect(socket.get(), &QWebSocket::textMessageReceived, this, [&messages](const QString &text) {
        messages.append(QJsonDocument::fromJson(text.toUtf8()).object());
    });
    QSignalSpy connected(socket.get(), &QWebSocket::connected);
    socket->open(QUrl(QStringLiteral("ws://127.0.0.1:%1/").arg(m_remote->pushPort())));
    [&] { QVERIFY(connected.wait(5000)); }();
    socket->sendTextMessage(QStringLiteral(R"({"command":"hello","%1":"%2"})")
                                .arg(QLatin1String(field), QString::fromLatin1(credential)));
    return socket;
}

QJsonObject TestOverlayReaders::lastOfType(const QList<QJsonObject> &messages, const char *type)
{
    for (auto it = messages.crbegin(); it != messages.crend(); ++it) {
        if (it->value(u"type").toString() == QLatin1String(type)) {
            return *it;
        }
    }
    return {};
}

void TestOverlayReaders::theTokenOnlyReads_data()
{
    QTest::addColumn<QByteArray>("method");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QByteArray>("bearer");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("type");

    const QByteArray get = "GET";
    const QString token = QString::fromLatin1(Token);
    const QString code = QString::fromLatin1(Code);
    const QByteArray json = "application/json";
    const QByteArray html = "text/html; charset=utf-8";
    const QByteArray text = "text/plain; charset=utf-8";
    QTest::newRow("state, token in the header") << get << "/api/state" << Token << 200 << json;
    QTest::newRow("state, token in the query")
        << get << QString(u"/api/state?token=" + token) << QByteArray() << 200 << json;
    QTest::newRow("state, token typed in groups")
        << get << "/api/state?x=1&token=tknw-5678-xyzqr" << QByteArray() << 200 << json;
    QTest::newRow("state, code in the query")
        << get << QString(u"/api/state?token=" + code) << QByteArray() << 200 << json;
    QTest::newRow("state, wrong token")
        << get << "/api/state?token=TKNW5678XYZQS" << QByteArray() << 401 << json;
    QTest::newRow("events, token") << get << "/api/events" << Token << 200 << json;
    QTest::newRow("command, token") << QByteArray("POST") << "/api/command" << Token << 403 << json;
    QTest::newRow("command, token in the query")
        << QByteArray("POST") << QString(u"/api/command?token=" + token) << QByteArray() << 401
        << json;
    QTest::newRow("command, code") << QByteArray("POST") << "/api/command" << Code << 200 << json;
    for (const char *panel : {"scorebug", "statistics", "shootout", "goal", "board"}) {
        QTest::addRow("page %s", panel)
            << get << QStringLiteral("/overlay/%1?token=%2").arg(QLatin1String(panel), token)
            << QByteArray() << 200 << html;
    }
    QTest::newRow("page, no token") << get << "/overlay/scorebug" << QByteArray() << 401 << text;
    QTest::newRow("page, wrong token")
        << get << "/overlay/scorebug?token=TKNW5678XYZQS" << QByteArray() << 401 << text;
    QTest::newRow("page, the pairing code")
        << get << QString(u"/overlay/scorebug?token=" + code) << QByteArray() << 401 << text;
    QTest::newRow("page, token in the header only")
        << get << "/overlay/board" << Token << 401 << text;
    QTest::newRow("no such page") << get << QString(u"/overlay/scoreboard?token=" + token)
                                  << QByteArray() << 404 << text;
    QTest::newRow("page posted") << QByteArray("POST")
                                 << QString(u"/overlay/scorebug?token=" + token) << QByteArray()
                                 << 404 << json;
    QTest::newRow("script") << get << "/overlay/overlay.js" << QByteArray() << 200
                            << QByteArray("text/javascript; charset=utf-8");
    QTest::newRow("style") << get << "/overlay/overlay.css" << QByteArray() << 200
                           << QByteArray("text/css; charset=utf-8");
}

void TestOverlayReaders::theTokenOnlyReads()
{
    QFETCH(QByteArray, method);
    QFETCH(QString, path);
    QFETCH(QByteArray, bearer);
    const Answer answer = request(
        method, path, bearer, R"({"command":"overlay","panel":"statistics","visible":true})");
    QTEST(answer.status, "status");
    QTEST(answer.type, "type");
    // Only the pairing code commands.
    QCOMPARE(m_remote->overlay().visible(OverlayPanel::Statistics),
        path == u"/api/command" && bearer == Code);
    if (answer.status == 403) {
        QCOMPARE(QJsonDocument::fromJson(answer.body)[u"error"].toString(),
            QStringLiteral("the overlay token only reads"));
    }
    if (answer.status == 200 && path.startsWith(u"/api/state")) {
        const QJsonObject state = QJsonDocument::fromJson(answer.body).object();
        QCOMPARE(state[u"overlay"][u"scoreBug"].toBool(), true);
        QCOMPARE(state[u"goalPopup"][u"seq"].toInt(-1), 0);
        // No catalogue is installed: the board speaks English.
        QCOMPARE(state[u"language"].toString(), QStringLiteral("en"));
        QVERIFY(state[u"clockMs"].isDouble());
    }
    if (answer.type.startsWith("text/html")) {
        QVERIFY(answer.body.contains("/overlay/overlay.js"));
    }
}

void TestOverlayReaders::whatIsSwitchedOffIsRefused_data()
{
    QTest::addColumn<bool>("phones");
    QTest::addColumn<bool>("overlay");
    QTest::addColumn<QByteArray>("method");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QByteArray>("bearer");
    QTest::addColumn<int>("status");

    const QByteArray get = "GET";
    const QString token = QString::fromLatin1(Token);
    QTest::newRow("phones off: their page") << false << true << get << "/" << QByteArray() << 404;
    QTest::newRow("phones off: the code reads nothing")
        << false << true << get << "/api/state" << Code << 403;
    QTest::newRow("phones off: the code commands nothing")
        << false << true << QByteArray("POST") << "/api/command" << Code << 403;
    QTest::newRow("phones off: the token reads")
        << false << true << get << "/api/state" << Token << 200;
    QTest::newRow("phones off: the overlay's page")
        << false << true << get << QString(u"/overlay/goal?token=" + token) << QByteArray() << 200;
    QTest::newRow("phones off: its push port")
        << false << true << get << "/api/push" << QByteArray() << 200;
    QTest::newRow("overlay off: its page")
        << true << false << get << QString(u"/overlay/scorebug?token=" + token) << QByteArray()
        << 404;
    QTest::newRow("overlay off: its script")
        << true << false << get << "/overlay/overlay.js" << QByteArray() << 404;
    QTest::newRow("overlay off: the token reads nothing")
        << true << false << get << "/api/state" << Token << 401;
    QTest::newRow("overlay off: the code reads")
        << true << false << get << "/api/state" << Code << 200;
    QTest::newRow("overlay off: the phones' page")
        << true << false << get << "/" << QByteArray() << 200;
}

void TestOverlayReaders::whatIsSwitchedOffIsRefused()
{
    QFETCH(bool, phones);
    QFETCH(bool, overlay);
    QFETCH(QByteArray, method);
    QFETCH(QString, path);
    QFETCH(QByteArray, bearer);
    QList<QJsonObject> deviceMessages;
    QList<QJsonObject> readerMessages;
    auto device = connectSocket(deviceMessages, "code", Code);
    auto reader = connectSocket(readerMessages, "token", Token);
    QTRY_COMPARE(m_remote->devices(), 1);
    QTRY_COMPARE(m_remote->readers(), 1);
    QSignalSpy deviceGone(device.get(), &QWebSocket::disconnected);
    QSignalSpy readerGone(reader.get(), &QWebSocket::disconnected);

    const quint16 port = m_remote->port();
    m_settings.RemoteEnabled = phones ? 1 : 0;
    m_settings.OverlayEnabled = overlay ? 1 : 0;
    m_remote->apply();
    QCOMPARE(m_remote->port(), port);
    const Answer answer
        = request(method, path, bearer, R"({"command":"add","figure":"homeShots"})");
    QTEST(answer.status, "status");
    QCOMPARE(m_fixture.model->value(Figure::ShotsH), path == u"/api/command" && phones ? 1 : 0);
    if (answer.status == 403) {
        QCOMPARE(QJsonDocument::fromJson(answer.body)[u"error"].toString(),
            QStringLiteral("the remote control is switched off"));
    }
    // Whoever the part switched off let in goes; the others stay and hear of changes.
    QTRY_COMPARE(phones ? readerGone.size() : deviceGone.size(), 1);
    QTRY_COMPARE(m_remote->devices(), phones ? 1 : 0);
    QTRY_COMPARE(m_remote->readers(), overlay ? 1 : 0);
    QVERIFY(m_fixture.model->changeFigure(Figure::SavesV, 1));
    const QList<QJsonObject> &kept = phones ? deviceMessages : readerMessages;
    QTRY_COMPARE(lastOfType(kept, "state")[u"state"][u"figures"][u"visitorSaves"].toInt(), 1);
    QCOMPARE(phones ? deviceGone.size() : readerGone.size(), 0);
    // Nor does the push channel take what is off.
    QList<QJsonObject> late;
    auto latecomer = connectSocket(late, phones ? "token" : "code", phones ? Token : Code);
    QTRY_COMPARE(late.size(), 1);
    QCOMPARE(late.at(0)[u"error"].toString(),
        phones ? QStringLiteral("wrong code")
               : QStringLiteral("the remote control is switched off"));
}

void TestOverlayReaders::aReaderHearsEveryChangeAndCommandsNothing()
{
    QList<QJsonObject> messages;
    auto reader = connectSocket(messages, "token", Token);
    QTRY_COMPARE(messages.size(), 2);
    // The snapshot at once, then the hello's reply.
    QCOMPARE(messages.at(0)[u"type"].toString(), QStringLiteral("state"));
    const QJsonObject first = messages.at(0)[u"state"].toObject();
    QCOMPARE(first[u"overlay"].toObject(),
        QJsonObject({{QStringLiteral("scoreBug"), true}, {QStringLiteral("statistics"), false},
            {QStringLiteral("shootout"), false}, {QStringLiteral("board"), false}}));
    QCOMPARE(first[u"goalPopup"].toObject(),
        QJsonObject({{QStringLiteral("seq"), 0}, {QStringLiteral("id"), 0}}));
    QCOMPARE(messages.at(1)[u"ok"].toBool(), true);
    QCOMPARE(m_remote->readers(), 1);
    QCOMPARE(m_remote->devices(), 0);

    // A goal: the score, its event and the pop-up together.
    QVERIFY(m_fixture.model->changeFigure(Figure::ScoreH, 1));
    QTRY_COMPARE(lastOfType(messages, "state")[u"state"][u"figures"][u"homeScore"].toInt(), 1);
    QJsonObject last = lastOfType(messages, "state");
    QCOMPARE(last[u"state"][u"goalPopup"][u"seq"].toInt(), 1);
    const int goal = last[u"events"].toArray().at(0)[u"id"].toInt();
    QCOMPARE(last[u"state"][u"goalPopup"][u"id"].toInt(), goal);

    // The board's keys and a phone's commands move the panels and the pop-up.
    m_remote->overlay().toggle(OverlayPanel::Board);
    QTRY_COMPARE(lastOfType(messages, "state")[u"state"][u"overlay"][u"board"].toBool(), true);
    QCOMPARE(
        request("POST", QStringLiteral("/api/command"), Code, R"({"command":"goalPopup"})").status,
        200);
    QTRY_COMPARE(lastOfType(messages, "state")[u"state"][u"goalPopup"][u"seq"].toInt(), 2);

    // Whatever a reader sends, with the token or even the code, commands nothing.
    reader->sendTextMessage(QStringLiteral(R"({"command":"add","figure":"homeShots","token":"%1",)"
                                           R"("id":3})")
                                .arg(QString::fromLatin1(Token)));
    reader->sendTextMessage(QStringLiteral(R"({"command":"add","figure":"homeShots","code":"%1",)"
                                           R"("id":4})")
                                .arg(QString::fromLatin1(Code)));
    QTRY_COMPARE(lastOfType(messages, "reply")[u"id"].toInt(), 4);
    for (const QJsonObject &message : std::as_const(messages)) {
        if (message[u"id"].toInt() >= 3) {
            QCOMPARE(message[u"error"].toString(), QStringLiteral("the overlay token only reads"));
        }
    }
    QCOMPARE(m_fixture.model->value(Figure::ShotsH), 0);
}

void TestOverlayReaders::wrongTokensAreLockedOut()
{
    QList<QJsonObject> messages;
    auto guesser = connectSocket(messages, "token", "TKNW5678XYZQS");
    for (int i = 0; i < 5; ++i) {
        guesser->sendTextMessage(QStringLiteral(R"({"command":"hello","token":"NOPE%1"})").arg(i));
    }
    QTRY_COMPARE(messages.size(), 6);
    for (const QJsonObject &message : std::as_const(messages)) {
        QCOMPARE(message[u"error"].toString(), QStringLiteral("wrong code"));
    }
    QCOMPARE(m_remote->readers(), 0);
    // The address waits now, whatever it offers.
    QCOMPARE(request("GET", QStringLiteral("/api/state"), Token).status, 429);
    QCOMPARE(request("GET", QStringLiteral("/overlay/scorebug?token=%1").arg(QLatin1String(Token)))
                 .status,
        429);
}

void TestOverlayReaders::aNewTokenLetsEveryReaderGoANewCodeDoesNot()
{
    QList<QJsonObject> deviceMessages;
    QList<QJsonObject> readerMessages;
    auto device = connectSocket(deviceMessages, "code", Code);
    auto reader = connectSocket(readerMessages, "token", Token);
    RawClient feed(m_remote->port());
    feed.send(feedRequest("?token=" + Token));
    QTRY_COMPARE(m_remote->readers(), 2);
    QSignalSpy deviceGone(device.get(), &QWebSocket::disconnected);
    QSignalSpy readerGone(reader.get(), &QWebSocket::disconnected);

    m_remote->renewCode();
    QTRY_COMPARE(deviceGone.size(), 1);
    QCOMPARE(m_settings.OverlayToken, QString::fromLatin1(Token));
    QCOMPARE(m_tokenSaves, 0);
    QVERIFY(m_fixture.model->changeFigure(Figure::ShotsV, 1));
    QTRY_COMPARE(
        lastOfType(readerMessages, "state")[u"state"][u"figures"][u"visitorShots"].toInt(), 1);
    QTRY_COMPARE((feed.read(), streamedStates(feed.received()).size()), 2);
    QCOMPARE(readerGone.size(), 0);

    const QString code = m_settings.RemoteCode;
    m_remote->renewOverlayToken();
    QCOMPARE(m_tokenSaves, 1);
    QCOMPARE(m_settings.RemoteCode, code);
    QVERIFY(m_settings.OverlayToken != QLatin1String(Token));
    QTRY_COMPARE(readerGone.size(), 1);
    QTRY_VERIFY(!feed.read());
    QTRY_COMPARE(m_remote->readers(), 0);
    QCOMPARE(request("GET", QStringLiteral("/api/state"), Token).status, 401);
    QCOMPARE(
        request("GET", QStringLiteral("/api/state"), m_settings.OverlayToken.toLatin1()).status,
        200);
}

void TestOverlayReaders::theFeedStreamsTheState()
{
    RawClient feed(m_remote->port());
    feed.send(feedRequest("?token=" + Token));
    QTRY_COMPARE((feed.read(), streamedStates(feed.received()).size()), 1);
    const QByteArray &received = feed.received();
    QVERIFY2(received.startsWith("HTTP/1.1 200"), received.left(60));
    const qsizetype head = received.indexOf("\r\n\r\n");
    QVERIFY(received.left(head).contains("\r\nContent-Type: text/event-stream"));
    QVERIFY(received.left(head).contains("\r\nCache-Control: no-store"));
    QVERIFY(received.mid(head + 4).startsWith("retry: 3000\n\nevent: state\ndata: {"));
    QCOMPARE(streamedStates(received).at(0)[u"figures"][u"homeScore"].toInt(-1), 0);

    // Every change, coalesced: twenty at once are one event with the last of them.
    QVERIFY(m_fixture.model->changeFigure(Figure::ScoreH, 1));
    QTRY_COMPARE((feed.read(), streamedStates(feed.received()).size()), 2);
    QCOMPARE(streamedStates(feed.received()).last()[u"goalPopup"][u"seq"].toInt(), 1);
    for (int i = 0; i < 20; ++i) {
        QVERIFY(m_fixture.model->changeFigure(Figure::ShotsH, 1));
    }
    QTRY_COMPARE(
        (feed.read(), streamedStates(feed.received()).last()[u"figures"][u"homeShots"]).toInt(),
        20);
    QCOMPARE(streamedStates(feed.received()).size(), 3);

    // The code opens one too, in the header; no credential or a wrong one none.
    RawClient phone(m_remote->port());
    phone.send(feedRequest({}, "Authorization: Bearer " + Code + "\r\n"));
    QTRY_COMPARE((phone.read(), streamedStates(phone.received()).size()), 1);
    for (const QByteArray &query : {QByteArray(), QByteArray("?token=WRONG")}) {
        RawClient stranger(m_remote->port());
        stranger.send(feedRequest(query));
        QTRY_VERIFY((stranger.read(), stranger.received().contains("\r\n\r\n")));
        QVERIFY2(stranger.received().startsWith("HTTP/1.1 401"), stranger.received().left(60));
    }
    QTRY_COMPARE(m_remote->readers(), 2);
}

void TestOverlayReaders::theFeedKeepsAliveAndIsCapped()
{
    RemoteLimits limits;
    limits.feeds = 2;
    limits.keepAlive = 100ms;
    start(limits);
    auto first = std::make_unique<RawClient>(m_remote->port());
    RawClient second(m_remote->port(), "127.0.0.2");
    first->send(feedRequest("?token=" + Token));
    second.send(feedRequest("?token=" + Token));
    QTRY_COMPARE(m_remote->readers(), 2);
    // Nothing changes, yet each hears from the board now and then.
    QTRY_VERIFY((second.read(), second.received().count(": keep-alive\n\n") >= 2));
    QTRY_VERIFY((first->read(), first->received().count(": keep-alive\n\n") >= 2));

    RawClient third(m_remote->port(), "127.0.0.3");
    third.send(feedRequest("?token=" + Token));
    QTRY_VERIFY(!third.read());
    QVERIFY2(third.received().startsWith("HTTP/1.1 503"), third.received().left(60));
    QVERIFY(third.received().contains("\r\nRetry-After: 5\r\n"));

    // A stream's client says nothing; one that does is let go, and makes room.
    first->send("more");
    QTRY_VERIFY(!first->read());
    QTRY_COMPARE(m_remote->readers(), 1);
    first.reset();
    RawClient fourth(m_remote->port(), "127.0.0.4");
    fourth.send(feedRequest("?token=" + Token));
    QTRY_COMPARE((fourth.read(), streamedStates(fourth.received()).size()), 1);
    QTRY_COMPARE(m_remote->connections(), 2);
}

// A stream whose client never reads: the board goes on at once, the stream is dropped at the
// write deadline, and nothing piles up for it meanwhile.
void TestOverlayReaders::aFeedThatIsNotReadHoldsNothingUp()
{
    // A large state fills the client's small window and the board's buffer in a few events.
    m_settings.TitleText = QString(200'000, u'x');
    RawClient stalled(m_remote->port(), "127.0.0.5");
    stalled.send(feedRequest("?token=" + Token));
    QTRY_COMPARE(m_remote->readers(), 1);
    QElapsedTimer took;
    took.start();
    qint64 slowest = 0;
    int changes = 0;
    while (m_remote->readers() > 0 && took.elapsed() < 5000) {
        QElapsedTimer change;
        change.start();
        QVERIFY(m_fixture.model->changeFigure(Figure::ShotsH, changes % 2 ? -1 : 1));
        QTest::qWait(10);
        slowest = std::max(slowest, change.elapsed());
        ++changes;
    }
    QCOMPARE(m_remote->readers(), 0);
    // The write deadline is 300 ms; the rest is room for a loaded, sanitised build.
    QVERIFY2(took.elapsed() < 3000, qPrintable(QString::number(took.elapsed())));
    QVERIFY2(slowest < 500, qPrintable(QString::number(slowest)));
    QTRY_COMPARE(m_remote->connections(), 0);
    // What the client could still read is what had been written, far less than every state.
    while (stalled.read() && stalled.received().size() < 100'000'000) {
        QTest::qWait(1);
    }
    QVERIFY(stalled.received().size() < qsizetype(changes) * 200'000);
}

QTEST_GUILESS_MAIN(TestOverlayReaders)
#include "tst_overlayreaders.moc"
