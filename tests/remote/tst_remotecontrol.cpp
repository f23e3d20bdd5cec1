#include "game/matchsettings.h"
#include "remote/remotecontrol.h"
#include "report/matchreport.h"
#include "settings/livesettings.h"
#include "tests/support/gamefixture.h"

#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSignalSpy>
#include <QTest>
#include <QWebSocket>

// The remote control over the network on 127.0.0.1: the page, the HTTP API and the push channel.
class TestRemoteControl : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void thePageIsServedWithItsGuards();
    void theApiWantsTheCode_data();
    void theApiWantsTheCode();
    void guessersAreToldToWait();
    void theEventsAndTheReportWantTheCode_data();
    void theEventsAndTheReportWantTheCode();
    void everyDeviceSeesEveryChange();
    void theMatchReachesEveryDevice();
    void aNewCodeLetsEveryDeviceGo();
    void switchedOffItListensNowhere();

private:
    struct Answer
    {
        int status = 0;
        QByteArray body;
        QNetworkReply *reply = nullptr;
    };
    Answer request(const QByteArray &method, const QString &path, const QByteArray &code,
        const QByteArray &body = {});
    QUrl url(const QString &path) const
    {
        return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(m_remote->port()).arg(path));
    }
    // A paired WebSocket device; its messages are collected in `messages`.
    std::unique_ptr<QWebSocket> pair(QList<QJsonObject> &messages, const QString &code);

    GameFixture m_fixture;
    FakeTime &m_time = m_fixture.time;
    std::unique_ptr<ScoreboardGame> &m_game = m_fixture.model;
    LiveSettings m_settings;
    int m_saves = 0;
    std::unique_ptr<RemoteControl> m_remote;
    QNetworkAccessManager m_network;
    std::vector<std::unique_ptr<QNetworkReply>> m_replies;
};

void TestRemoteControl::init()
{
    m_fixture.newGame();
    m_settings = {};
    m_settings.RemoteCode = QStringLiteral("ABCD1234EFGHJ");
    m_saves = 0;
    m_remote = std::make_unique<RemoteControl>(*m_game, m_settings, [this] { ++m_saves; });
    QVERIFY(m_remote->listen({QStringLiteral("127.0.0.1")}, 0));
    QVERIFY(m_remote->port() != 0);
}

void TestRemoteControl::cleanup()
{
    m_replies.clear();
    m_remote.reset();
    m_game.reset();
}

TestRemoteControl::Answer TestRemoteControl::request(
    const QByteArray &method, const QString &path, const QByteArray &code, const QByteArray &body)
{
    QNetworkRequest request(url(path));
    if (!code.isEmpty()) {
        request.setRawHeader("Authorization", "Bearer " + code);
    }
    request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("application/json"));
    QNetworkReply *reply = m_network.sendCustomRequest(request, method, body);
    m_replies.emplace_back(reply);
    QSignalSpy finished(reply, &QNetworkReply::finished);
    [&] { QVERIFY(finished.wait(5000)); }();
    return {reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), reply->readAll(),
        reply};
}

std::unique_ptr<QWebSocket> TestRemoteControl::pair(
    QList<QJsonObject> &messages, const QString &code)
{
    auto socket = std::make_unique<QWebSocket>();
    connect(socket.get(), &QWebSocket::textMessageReceived, this, [&messages](const QString &text) {
        messages.append(QJsonDocument::fromJson(text.toUtf8()).object());
    });
    QSignalSpy connected(socket.get(), &QWebSocket::connected);
    socket->open(QUrl(QStringLiteral("ws://127.0.0.1:%1/").arg(m_remote->pushPort())));
    [&] { QVERIFY(connected.wait(5000)); }();
    socket->sendTextMessage(QStringLiteral(R"({"command":"hello","code":"%1"})").arg(code));
    return socket;
}

void TestRemoteControl::thePageIsServedWithItsGuards()
{
    const Answer page = request("GET", QStringLiteral("/"), {});
    QCOMPARE(page.status, 200);
    QVERIFY(page.body.contains("<script src=\"/remote.js\"></script>"));
    QVERIFY(page.reply->rawHeader("Content-Security-Policy").contains("default-src 'none'"));
    QCOMPARE(page.reply->rawHeader("X-Content-Type-Options"), QByteArrayLiteral("nosniff"));
    const Answer script = request("GET", QStringLiteral("/remote.js"), {});
    QCOMPARE(script.status, 200);
    QVERIFY(script.reply->rawHeader("Content-Type").startsWith("text/javascript"));
    QCOMPARE(request("GET", QStringLiteral("/nothing"), {}).status, 404);
}

void TestRemoteControl::theApiWantsTheCode_data()
{
    QTest::addColumn<QByteArray>("code");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("homeScore");

    const QByteArray set = R"({"command":"set","figure":"homeScore","value":3})";
    QTest::newRow("right") << QByteArray("ABCD-1234-EFGHJ") << set << 200 << 3;
    QTest::newRow("wrong") << QByteArray("ABCD-1234-EFGHK") << set << 401 << 0;
    QTest::newRow("none") << QByteArray() << set << 401 << 0;
    QTest::newRow("malformed") << QByteArray("ABCD1234EFGHJ") << QByteArray("{\"command\":") << 400
                               << 0;
    QTest::newRow("refused") << QByteArray("ABCD1234EFGHJ")
                             << QByteArray(R"({"command":"set","figure":"homeScore","value":100})")
                             << 400 << 0;
    QTest::newRow("refused match command")
        << QByteArray("ABCD1234EFGHJ")
        << QByteArray(R"({"command":"penalty","team":"home","scored":true})") << 400 << 0;
    QTest::newRow("oversized") << QByteArray("ABCD1234EFGHJ")
                               << QByteArray(
                                      R"({"command":"set","figure":"homeScore","value":3,"x":")")
            + QByteArray(RemoteControl::MaximumMessageBytes, 'x') + "\"}"
                               << 413 << 0;
}

void TestRemoteControl::theApiWantsTheCode()
{
    QFETCH(QByteArray, code);
    QFETCH(QByteArray, body);
    const Answer answer = request("POST", QStringLiteral("/api/command"), code, body);
    QTEST(answer.status, "status");
    const QJsonObject reply = QJsonDocument::fromJson(answer.body).object();
    QCOMPARE(reply.value(u"ok").toBool(), answer.status == 200);
    QVERIFY(answer.status == 200 || !reply.value(u"error").toString().isEmpty());
    QTEST(m_game->value(Figure::ScoreH), "homeScore");
    // The state reads back with the same code.
    const Answer state = request("GET", QStringLiteral("/api/state"), "ABCD1234EFGHJ");
    QCOMPARE(state.status, 200);
    QTEST(QJsonDocument::fromJson(state.body)[u"figures"][u"homeScore"].toInt(), "homeScore");
}

void TestRemoteControl::guessersAreToldToWait()
{
    for (int i = 0; i < 6; ++i) {
        QCOMPARE(request("GET", QStringLiteral("/api/state"), "WRONG").status, 401);
    }
    const Answer locked = request("GET", QStringLiteral("/api/state"), "ABCD1234EFGHJ");
    QCOMPARE(locked.status, 429);
    QVERIFY(locked.reply->rawHeader("Retry-After").toInt() >= 1);
}

void TestRemoteControl::theEventsAndTheReportWantTheCode_data()
{
    QTest::addColumn<QByteArray>("method");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QByteArray>("code");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("contentType");
    QTest::addColumn<QByteArray>("disposition"); // empty: none

    const QByteArray code = "ABCD-1234-EFGHJ";
    QTest::newRow("events") << QByteArray("GET") << "/api/events" << code << 200
                            << QByteArray("application/json") << QByteArray();
    QTest::newRow("events without the code")
        << QByteArray("GET") << "/api/events" << QByteArray() << 401
        << QByteArray("application/json") << QByteArray();
    QTest::newRow("events with a wrong code")
        << QByteArray("GET") << "/api/events" << QByteArray("ABCD-1234-EFGHK") << 401
        << QByteArray("application/json") << QByteArray();
    QTest::newRow("events posted") << QByteArray("POST") << "/api/events" << code << 404
                                   << QByteArray("application/json") << QByteArray();
    QTest::newRow("pdf") << QByteArray("GET") << "/api/report?format=pdf" << code << 200
                         << QByteArray("application/pdf")
                         << QByteArray("attachment; filename=\"match-report.pdf\"");
    QTest::newRow("csv") << QByteArray("GET") << "/api/report?format=csv" << code << 200
                         << QByteArray("text/csv; charset=utf-8")
                         << QByteArray("attachment; filename=\"match-report.csv\"");
    QTest::newRow("json, after another field")
        << QByteArray("GET") << "/api/report?x=1&format=json" << code << 200
        << QByteArray("application/json")
        << QByteArray("attachment; filename=\"match-report.json\"");
    QTest::newRow("report without the code")
        << QByteArray("GET") << "/api/report?format=pdf" << QByteArray() << 401
        << QByteArray("application/json") << QByteArray();
    QTest::newRow("a bad format without the code")
        << QByteArray("GET") << "/api/report?format=xml" << QByteArray() << 401
        << QByteArray("application/json") << QByteArray();
    QTest::newRow("unknown format") << QByteArray("GET") << "/api/report?format=xml" << code << 400
                                    << QByteArray("application/json") << QByteArray();
    QTest::newRow("a format in capitals") << QByteArray("GET") << "/api/report?format=PDF" << code
                                          << 400 << QByteArray("application/json") << QByteArray();
    QTest::newRow("no format") << QByteArray("GET") << "/api/report" << code << 400
                               << QByteArray("application/json") << QByteArray();
    QTest::newRow("an empty format") << QByteArray("GET") << "/api/report?format=" << code << 400
                                     << QByteArray("application/json") << QByteArray();
}

// Both answer only with the code, with their type; the events are the game's, the report the
// one the game makes now.
void TestRemoteControl::theEventsAndTheReportWantTheCode()
{
    QFETCH(QByteArray, method);
    QFETCH(QString, path);
    QFETCH(QByteArray, code);
    QFETCH(int, status);
    QFETCH(QByteArray, disposition);
    QVERIFY(m_game->nextPhase());
    QVERIFY(m_game->changeFigure(Figure::ScoreV, 1));
    QVERIFY(m_game->addCard(Team::Home, true, QStringLiteral("4")));
    const Answer answer = request(method, path, code);
    QCOMPARE(answer.status, status);
    QTEST(answer.reply->rawHeader("Content-Type"), "contentType");
    QCOMPARE(answer.reply->rawHeader("Content-Disposition"), disposition);
    if (status == 401) {
        QCOMPARE(answer.reply->rawHeader("WWW-Authenticate"), QByteArrayLiteral("Bearer"));
    }
    if (status != 200) {
        QVERIFY(!QJsonDocument::fromJson(answer.body)[u"error"].toString().isEmpty());
        return;
    }
    if (path == u"/api/events") {
        const QJsonArray events = QJsonDocument::fromJson(answer.body).array();
        QCOMPARE(events.size(), 2);
        QCOMPARE(events.at(0)[u"kind"].toString(), QStringLiteral("goal"));
        QCOMPARE(events.at(0)[u"team"].toString(), QStringLiteral("visitor"));
        QCOMPARE(events.at(1)[u"kind"].toString(), QStringLiteral("red"));
        QCOMPARE(events.at(1)[u"player"].toString(), QStringLiteral("4"));
        return;
    }
    const QString format = path.section(u'=', -1);
    QCOMPARE(answer.body, MatchReport(*ReportFormatNamed(format), *m_game, m_settings));
}

void TestRemoteControl::everyDeviceSeesEveryChange()
{
    QSignalSpy devices(m_remote.get(), &RemoteControl::devicesChanged);
    QList<QJsonObject> first;
    QList<QJsonObject> second;
    QList<QJsonObject> stranger;
    auto a = pair(first, QStringLiteral("abcd-1234-efghj"));
    auto b = pair(second, QStringLiteral("ABCD1234EFGHJ"));
    auto c = pair(stranger, QStringLiteral("NOPE"));
    QTRY_COMPARE(m_remote->devices(), 2);
    QTRY_VERIFY(!second.isEmpty() && !stranger.isEmpty());
    QCOMPARE(second.first().value(u"type").toString(), QStringLiteral("state"));
    QCOMPARE(stranger.first().value(u"error").toString(), QStringLiteral("wrong code"));

    // A command from one device, a key on the board: both reach the other device at once.
    const auto lastState = [](const QList<QJsonObject> &messages) {
        for (auto it = messages.crbegin(); it != messages.crend(); ++it) {
            if (it->value(u"type").toString() == QLatin1String("state")) {
                return it->value(u"state").toObject();
            }
        }
        return QJsonObject();
    };
    QElapsedTimer took;
    took.start();
    a->sendTextMessage(
        QStringLiteral(R"({"command":"add","figure":"homeShots","code":"ABCD1234EFGHJ","id":7})"));
    QTRY_COMPARE_WITH_TIMEOUT(lastState(second)[u"figures"][u"homeShots"].toInt(), 1, 2000);
    QVERIFY2(took.elapsed() < 500, qPrintable(QString::number(took.elapsed())));
    QTRY_VERIFY(std::any_of(first.cbegin(), first.cend(), [](const QJsonObject &m) {
        return m.value(u"type").toString() == QLatin1String("reply") && m.value(u"id").toInt() == 7
            && m.value(u"ok").toBool();
    }));
    m_game->typeKey(Figure::CKV, '4');
    QTRY_COMPARE(lastState(first)[u"figures"][u"visitorCornerKicks"].toInt(), 4);
    QCOMPARE(int(stranger.size()), 1); // nothing is pushed to a device that did not pair

    b->close();
    QTRY_COMPARE(m_remote->devices(), 1);
    QVERIFY(devices.size() >= 3);
    QCOMPARE(devices.last().at(0).toInt(), 1);
}

// The match's commands over HTTP and the push channel: changes reach a paired device, refusals
// come back with their reason both ways.
void TestRemoteControl::theMatchReachesEveryDevice()
{
    QList<QJsonObject> messages;
    auto device = pair(messages, QStringLiteral("ABCD1234EFGHJ"));
    QTRY_COMPARE(m_remote->devices(), 1);
    const auto lastOfType = [&](const char *type) {
        for (auto it = messages.crbegin(); it != messages.crend(); ++it) {
            if (it->value(u"type").toString() == QLatin1String(type)) {
                return *it;
            }
        }
        return QJsonObject();
    };
    const QByteArray code = "ABCD1234EFGHJ";
    const Answer refused = request(
        "POST", QStringLiteral("/api/command"), code, R"({"command":"addedTime","minutes":3})");
    QCOMPARE(refused.status, 400);
    QCOMPARE(QJsonDocument::fromJson(refused.body)[u"error"].toString(),
        QStringLiteral("added time is announced only in a playing half"));

    QSignalSpy chosen(m_remote.get(), &RemoteControl::matchFormatChosen);
    QCOMPARE(request("POST", QStringLiteral("/api/command"), code,
                 R"({"command":"matchFormat","clock":"up","halfMinutes":1})")
                 .status,
        200);
    // The settings keep what a device chose, for the options and the next start.
    QCOMPARE(chosen.size(), 1);
    QCOMPARE(MatchFormatOf(m_settings), m_game->match().format);
    QCOMPARE(m_settings.HalfMinutes, qint16(1));
    QCOMPARE(
        request("POST", QStringLiteral("/api/command"), code, R"({"command":"nextPhase"})").status,
        200);
    QTRY_COMPARE(lastOfType("state")[u"state"][u"phase"].toString(), QStringLiteral("firstHalf"));
    QCOMPARE(lastOfType("state")[u"state"][u"match"][u"clock"].toString(), QStringLiteral("up"));

    device->sendTextMessage(
        QStringLiteral(R"({"command":"addedTime","minutes":31,"code":"ABCD1234EFGHJ","id":9})"));
    QTRY_COMPARE(lastOfType("reply")[u"id"].toInt(), 9);
    QCOMPARE(lastOfType("reply")[u"error"].toString(),
        QStringLiteral("minutes is a whole number from 0 to 30"));
    device->sendTextMessage(
        QStringLiteral(R"({"command":"addedTime","minutes":3,"code":"ABCD1234EFGHJ","id":10})"));
    QTRY_COMPARE(lastOfType("state")[u"state"][u"addedTime"].toInt(), 3);
    QCOMPARE(lastOfType("reply")[u"ok"].toBool(), true);

    const Answer state = request("GET", QStringLiteral("/api/state"), code);
    QCOMPARE(QJsonDocument::fromJson(state.body)[u"addedTime"].toInt(), 3);
    QCOMPARE(QJsonDocument::fromJson(state.body)[u"matchMinute"].toString(), QStringLiteral("1'"));

    // A card from the phone: the events travel beside the state, the sending-off in it.
    device->sendTextMessage(QStringLiteral(
        R"({"command":"card","team":"home","colour":"red","player":"5","code":"ABCD1234EFGHJ"})"));
    QTRY_COMPARE(lastOfType("state")[u"state"][u"sendingOffs"][u"home"].toInt(), 1);
    const QJsonArray events = lastOfType("state")[u"events"].toArray();
    QCOMPARE(events.size(), 1);
    QCOMPARE(events.at(0)[u"kind"].toString(), QStringLiteral("red"));
    QCOMPARE(events.at(0)[u"minute"].toString(), QStringLiteral("1'"));
    // An event's id is the command's own: the reply names it.
    const int id = events.at(0)[u"id"].toInt();
    device->sendTextMessage(
        QStringLiteral(R"({"command":"removeEvent","id":%1,"code":"ABCD1234EFGHJ"})").arg(id));
    QTRY_COMPARE(lastOfType("state")[u"state"][u"sendingOffs"][u"home"].toInt(), 0);
    QCOMPARE(lastOfType("reply")[u"id"].toInt(), id);
    QCOMPARE(lastOfType("state")[u"events"].toArray(), QJsonArray());
}

void TestRemoteControl::aNewCodeLetsEveryDeviceGo()
{
    QList<QJsonObject> messages;
    auto device = pair(messages, QStringLiteral("ABCD1234EFGHJ"));
    QTRY_COMPARE(m_remote->devices(), 1);
    QSignalSpy gone(device.get(), &QWebSocket::disconnected);
    m_remote->renewCode();
    QCOMPARE(m_saves, 1);
    QVERIFY(m_settings.RemoteCode != QLatin1String("ABCD1234EFGHJ"));
    QVERIFY(gone.wait(5000));
    QTRY_COMPARE(m_remote->devices(), 0);
    QCOMPARE(request("GET", QStringLiteral("/api/state"), "ABCD1234EFGHJ").status, 401);
    QCOMPARE(
        request("GET", QStringLiteral("/api/state"), m_settings.RemoteCode.toLatin1()).status, 200);
}

void TestRemoteControl::switchedOffItListensNowhere()
{
    const quint16 port = m_remote->port();
    m_settings.RemoteEnabled = 0;
    m_remote->apply();
    QVERIFY(!m_remote->isListening());
    QTcpSocket probe;
    probe.connectToHost(QHostAddress::LocalHost, port);
    QVERIFY(!probe.waitForConnected(1000));
}

// With a GUI application: the match report's PDF lays its text out with fonts.
QTEST_MAIN(TestRemoteControl)
#include "tst_remotecontrol.moc"
