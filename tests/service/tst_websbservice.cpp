#include "service/websbservice.h"
#include "websbtesting.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSignalSpy>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <mutex>

using namespace websb;

// The service on 127.0.0.1 with an ephemeral port, driven by a real HTTP client that builds the
// board's request the way the board does.
class TestWebsbService : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void boardUpdateIsEchoedAndServed();
    void testRequestOfAnUnopenedBoard();
    void finalUpdateShows();
    void refusalsCarryNoBar();
    void malformedRequestsGetA4xx_data();
    void malformedRequestsGetA4xx();
    void livePageAndItsFiles();
    void eventStreamPushesEachUpdate();
    void stateSurvivesARestart();
    void boardsPublishingAtOnce();
    void logsNeverHoldThePasscode();
    void secondInstanceCannotTakeThePort();
    void stopRightAfterStart();
    void viewersCannotCrowdOutBoards();

private:
    struct Answer
    {
        int status = 0;
        QByteArray body;
        QString contentType;
    };

    QUrl url(const QString &path) const;
    Answer get(const QUrl &url);
    Answer publish(const QString &page, const websbtest::Values &values, const QString &passcode,
        bool final = false);
    QJsonObject api(const QString &page);
    // Sends `target` byte for byte, for requests no well-behaved client would make.
    Answer rawGet(const QByteArray &target);
    void startService(int maxConnections = ServiceConfig().maxConnections);

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<WebScoreboardService> m_service;
    std::unique_ptr<QNetworkAccessManager> m_network;
};

namespace {

std::mutex logMutex;
QStringList logged;
QtMessageHandler previousHandler = nullptr;

void recordMessage(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    {
        std::lock_guard lock(logMutex);
        logged << message;
    }
    previousHandler(type, context, message);
}

} // namespace

void TestWebsbService::startService(int maxConnections)
{
    ServiceConfig config = websbtest::serviceConfig(
        m_dir->path(), {{"main", QStringLiteral("s3cret")}, {"second", QStringLiteral("two")}});
    config.maxConnections = maxConnections;
    m_service = std::make_unique<WebScoreboardService>(config);
    QString error;
    QVERIFY2(m_service->start(error), qPrintable(error));
    QVERIFY(m_service->port() > 0);
}

void TestWebsbService::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    startService();
    m_network = std::make_unique<QNetworkAccessManager>();
}

void TestWebsbService::cleanup()
{
    // The client first: its idle connections would hold up the server's stop.
    m_network.reset();
    m_service.reset();
    m_dir.reset();
}

QUrl TestWebsbService::url(const QString &path) const
{
    return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(m_service->port()).arg(path));
}

TestWebsbService::Answer TestWebsbService::get(const QUrl &target)
{
    std::unique_ptr<QNetworkReply> reply(m_network->get(QNetworkRequest(target)));
    QSignalSpy finished(reply.get(), &QNetworkReply::finished);
    if (!reply->isFinished() && !finished.wait(10000)) {
        return {};
    }
    Answer answer;
    answer.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    answer.body = reply->readAll();
    answer.contentType = reply->header(QNetworkRequest::ContentTypeHeader).toString();
    return answer;
}

TestWebsbService::Answer TestWebsbService::publish(
    const QString &page, const websbtest::Values &values, const QString &passcode, bool final)
{
    QUrl target = url(QStringLiteral("/web/") + page);
    target.setQuery(websbtest::boardQuery(values, passcode, final));
    return get(target);
}

QJsonObject TestWebsbService::api(const QString &page)
{
    const Answer answer = get(url(QStringLiteral("/api/") + page));
    return QJsonDocument::fromJson(answer.body).object();
}

TestWebsbService::Answer TestWebsbService::rawGet(const QByteArray &target)
{
    QTcpSocket socket;
    socket.connectToHost(QStringLiteral("127.0.0.1"), static_cast<quint16>(m_service->port()));
    if (!socket.waitForConnected(5000)) {
        return {};
    }
    socket.write("GET " + target + " HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: close\r\n\r\n");
    // Read up to the end of the body: the library keeps some connections open after an error.
    QByteArray response;
    qsizetype headerEnd = -1;
    qsizetype length = -1;
    while (length < 0 || response.size() < headerEnd + 4 + length) {
        if (!socket.waitForReadyRead(5000)) {
            return {};
        }
        response += socket.readAll();
        headerEnd = response.indexOf("\r\n\r\n");
        if (headerEnd >= 0 && length < 0) {
            const qsizetype field = response.toLower().indexOf("content-length:");
            length = field >= 0 && field < headerEnd
                ? response.mid(field + 15, response.indexOf('\r', field) - field - 15)
                      .trimmed()
                      .toInt()
                : 0;
        }
    }
    Answer answer;
    answer.status = response.mid(9, 3).toInt(); // "HTTP/1.1 414 ..."
    answer.body = response.mid(headerEnd + 4, length);
    return answer;
}

void TestWebsbService::boardUpdateIsEchoedAndServed()
{
    websbtest::Values values = websbtest::sampleValues();
    values[0] = QStringLiteral("Cup | 1+1 & 100% #1?");
    const Answer answer = publish(QStringLiteral("main"), values, QStringLiteral("s3cret"));
    QCOMPARE(answer.status, 200);
    QCOMPARE(answer.body, QByteArray::fromStdString("2|" + websbtest::echoOf(values)));
    QVERIFY(answer.contentType.startsWith(QStringLiteral("text/plain")));

    const QJsonObject state = api(QStringLiteral("main"));
    QCOMPARE(state.value(QStringLiteral("page")).toString(), QStringLiteral("main"));
    QVERIFY(!state.value(QStringLiteral("updated")).toString().isEmpty());
    QVERIFY(!state.value(QStringLiteral("final")).toBool());
    const QJsonObject stored = state.value(QStringLiteral("values")).toObject();
    for (std::size_t i = 0; i < values.size(); ++i) {
        QCOMPARE(
            stored.value(QString::fromLatin1(BoardFields[i].key.data())).toString(), values[i]);
    }
    // The other page is untouched.
    QVERIFY(api(QStringLiteral("second")).value(QStringLiteral("updated")).isNull());
}

void TestWebsbService::testRequestOfAnUnopenedBoard()
{
    websbtest::Values values;
    values[0] = QStringLiteral("Home");
    values[1] = QStringLiteral("Home");
    values[2] = QStringLiteral("Guest");
    const Answer answer = publish(QStringLiteral("second"), values, QStringLiteral("two"));
    QCOMPARE(answer.status, 200);
    QCOMPARE(answer.body, QByteArray("2|HomeHomeGuest"));
}

void TestWebsbService::finalUpdateShows()
{
    QCOMPARE(
        publish(QStringLiteral("main"), websbtest::sampleValues(), QStringLiteral("s3cret"), true)
            .status,
        200);
    QVERIFY(api(QStringLiteral("main")).value(QStringLiteral("final")).toBool());
}

void TestWebsbService::refusalsCarryNoBar()
{
    const websbtest::Values values = websbtest::sampleValues();
    const Answer wrong = publish(QStringLiteral("main"), values, QStringLiteral("two"));
    QCOMPARE(wrong.status, 403);
    QVERIFY(!wrong.body.isEmpty() && !wrong.body.contains('|'));
    const Answer unknown = publish(QStringLiteral("third"), values, QStringLiteral("s3cret"));
    QCOMPARE(unknown.status, 403);
    QVERIFY(!unknown.body.isEmpty() && !unknown.body.contains('|'));
    QVERIFY(api(QStringLiteral("main")).value(QStringLiteral("updated")).isNull());
}

void TestWebsbService::malformedRequestsGetA4xx_data()
{
    QTest::addColumn<QByteArray>("target");
    QTest::addColumn<int>("status");

    const QByteArray query = QByteArray::fromStdString(
        websbtest::rawBoardQuery(websbtest::sampleValues(), QStringLiteral("s3cret")));
    QTest::newRow("malformed escape")
        << "/web/main?" + QByteArray(query).replace("Cup%20", "Cup%Z") << 400;
    QTest::newRow("missing fields") << QByteArray("/web/main?ttl=x&passcode=s3cret") << 400;
    QTest::newRow("no query") << QByteArray("/web/main") << 400;
    QTest::newRow("over-long query") << "/web/main?" + query + "&x=" + QByteArray(9000, 'x') << 414;
    QTest::newRow("far too long") << "/web/main?x=" + QByteArray(200000, 'x') << 414;
    QTest::newRow("no page") << QByteArray("/web/?") + query << 404;
    QTest::newRow("nested page") << "/web/main/x?" + query << 404;
    QTest::newRow("unknown live page") << QByteArray("/nowhere") << 404;
    QTest::newRow("unknown api page") << QByteArray("/api/nowhere") << 404;
    QTest::newRow("unknown stream") << QByteArray("/api/nowhere/events") << 404;
    QTest::newRow("root") << QByteArray("/") << 404;
}

void TestWebsbService::malformedRequestsGetA4xx()
{
    QFETCH(QByteArray, target);
    QFETCH(int, status);
    const Answer answer = rawGet(target);
    QCOMPARE(answer.status, status);
    QVERIFY(!answer.body.isEmpty());
    QVERIFY(!answer.body.contains('|'));
    // And the service goes on serving.
    QCOMPARE(get(url(QStringLiteral("/api/main"))).status, 200);
}

void TestWebsbService::livePageAndItsFiles()
{
    for (const QString &path : {QStringLiteral("/main"), QStringLiteral("/main?overlay=1")}) {
        const Answer page = get(url(path));
        QCOMPARE(page.status, 200);
        QVERIFY(page.contentType.startsWith(QStringLiteral("text/html")));
        QVERIFY(page.body.contains("static/live.js"));
    }
    const Answer script = get(url(QStringLiteral("/static/live.js")));
    QCOMPARE(script.status, 200);
    QVERIFY(script.body.contains("EventSource"));
    const Answer style = get(url(QStringLiteral("/static/live.css")));
    QCOMPARE(style.status, 200);
    QVERIFY(style.contentType.startsWith(QStringLiteral("text/css")));
    QCOMPARE(get(url(QStringLiteral("/static/other.js"))).status, 404);
}

void TestWebsbService::eventStreamPushesEachUpdate()
{
    std::unique_ptr<QNetworkReply> stream(
        m_network->get(QNetworkRequest(url(QStringLiteral("/api/main/events")))));
    QByteArray received;
    const auto nextEvent = [&]() -> QJsonObject {
        QSignalSpy more(stream.get(), &QIODevice::readyRead);
        for (;;) {
            received += stream->readAll();
            const qsizetype end = received.indexOf("\n\n");
            if (end >= 0) {
                const QByteArray event = received.left(end);
                received.remove(0, end + 2);
                const qsizetype data = event.indexOf("data: ");
                if (data >= 0) {
                    return QJsonDocument::fromJson(event.mid(data + 6)).object();
                }
                continue;
            }
            if (!more.wait(5000)) {
                return {};
            }
        }
    };

    // The current state comes at once, before any update.
    const QJsonObject first = nextEvent();
    QCOMPARE(first.value(QStringLiteral("page")).toString(), QStringLiteral("main"));
    QVERIFY(first.value(QStringLiteral("updated")).isNull());

    websbtest::Values values = websbtest::sampleValues();
    for (const QString &score : {QStringLiteral("4"), QStringLiteral("5")}) {
        values[3] = score;
        QCOMPARE(publish(QStringLiteral("main"), values, QStringLiteral("s3cret")).status, 200);
        const QJsonObject event = nextEvent();
        QCOMPARE(event.value(QStringLiteral("values")).toObject().value(QStringLiteral("hs")),
            QJsonValue(score));
    }
    QVERIFY(stream->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt() == 200);
    QVERIFY(stream->header(QNetworkRequest::ContentTypeHeader)
                .toString()
                .startsWith(QStringLiteral("text/event-stream")));
    stream->abort();
}

void TestWebsbService::stateSurvivesARestart()
{
    const websbtest::Values values = websbtest::sampleValues();
    QCOMPARE(publish(QStringLiteral("main"), values, QStringLiteral("s3cret"), true).status, 200);
    const QJsonObject before = api(QStringLiteral("main"));

    m_network.reset();
    m_service.reset();
    startService();
    m_network = std::make_unique<QNetworkAccessManager>();

    const QJsonObject after = api(QStringLiteral("main"));
    QCOMPARE(after, before);
    QVERIFY(after.value(QStringLiteral("final")).toBool());
    QCOMPARE(after.value(QStringLiteral("values")).toObject().value(QStringLiteral("ht")),
        QJsonValue(values[1]));
}

void TestWebsbService::boardsPublishingAtOnce()
{
    // Two boards, many requests in flight over several connections at once.
    std::vector<std::unique_ptr<QNetworkReply>> replies;
    std::vector<QByteArray> expected;
    for (int i = 0; i < 40; ++i) {
        const bool first = i % 2 == 0;
        websbtest::Values values = websbtest::sampleValues();
        values[7] = QString::number(i);
        QUrl target = url(first ? QStringLiteral("/web/main") : QStringLiteral("/web/second"));
        target.setQuery(websbtest::boardQuery(
            values, first ? QStringLiteral("s3cret") : QStringLiteral("two")));
        replies.emplace_back(m_network->get(QNetworkRequest(target)));
        expected.push_back(QByteArray::fromStdString("2|" + websbtest::echoOf(values)));
    }
    for (std::size_t i = 0; i < replies.size(); ++i) {
        QNetworkReply *reply = replies[i].get();
        if (!reply->isFinished()) {
            QSignalSpy finished(reply, &QNetworkReply::finished);
            QVERIFY(finished.wait(10000));
        }
        QCOMPARE(reply->readAll(), expected[i]);
    }
}

void TestWebsbService::logsNeverHoldThePasscode()
{
    {
        std::lock_guard lock(logMutex);
        logged.clear();
    }
    previousHandler = qInstallMessageHandler(recordMessage);
    const websbtest::Values values = websbtest::sampleValues();
    publish(QStringLiteral("main"), values, QStringLiteral("guessed-wrong"));
    publish(QStringLiteral("nowhere"), values, QStringLiteral("s3cret"));
    rawGet("/web/main?ttl=%ZZ&passcode=s3cret");
    publish(QStringLiteral("main"), values, QStringLiteral("s3cret"));
    m_network.reset();
    m_service.reset(); // every server thread has ended: nothing more can be logged
    qInstallMessageHandler(previousHandler);

    std::lock_guard lock(logMutex);
    QCOMPARE(logged.size(), 3);
    QVERIFY(logged.filter(QStringLiteral("wrong passcode")).size() == 1);
    QVERIFY(logged.filter(QStringLiteral("unknown page")).size() == 1);
    for (const QString &line : logged) {
        QVERIFY2(
            !line.contains(QStringLiteral("s3cret")) && !line.contains(QStringLiteral("guessed")),
            qPrintable(line));
    }
}

void TestWebsbService::secondInstanceCannotTakeThePort()
{
    QTemporaryDir otherDir;
    ServiceConfig config
        = websbtest::serviceConfig(otherDir.path(), {{"main", QStringLiteral("x")}});
    config.port = m_service->port();
    WebScoreboardService second(config);
    QString error;
    QVERIFY(!second.start(error));
    QVERIFY2(error.contains(QString::number(config.port)), qPrintable(error));
    // The first one still has every request.
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(
            publish(QStringLiteral("main"), websbtest::sampleValues(), QStringLiteral("s3cret"))
                .status,
            200);
    }
}

void TestWebsbService::stopRightAfterStart()
{
    // A stop that comes before the server thread is up must still end it (a hang fails here
    // by the test's time-out).
    for (int i = 0; i < 20; ++i) {
        QTemporaryDir dir;
        WebScoreboardService quick(
            websbtest::serviceConfig(dir.path(), {{"main", QStringLiteral("x")}}));
        QString error;
        QVERIFY2(quick.start(error), qPrintable(error));
        quick.stop();
    }
}

void TestWebsbService::viewersCannotCrowdOutBoards()
{
    m_network.reset();
    m_service.reset();
    startService(16); // an eighth, 2 threads, stays for the boards
    m_network = std::make_unique<QNetworkAccessManager>();

    std::vector<std::unique_ptr<QTcpSocket>> viewers;
    const auto openStream = [&]() -> QByteArray {
        auto socket = std::make_unique<QTcpSocket>();
        socket->connectToHost(QStringLiteral("127.0.0.1"), static_cast<quint16>(m_service->port()));
        socket->write("GET /api/main/events HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n");
        QByteArray head;
        while (!head.contains("\r\n\r\n") && socket->waitForReadyRead(5000)) {
            head += socket->readAll();
        }
        viewers.push_back(std::move(socket));
        return head.left(12);
    };
    for (int i = 0; i < 14; ++i) {
        QCOMPARE(openStream(), QByteArray("HTTP/1.1 200"));
    }
    QCOMPARE(openStream(), QByteArray("HTTP/1.1 503"));
    QCOMPARE(
        publish(QStringLiteral("main"), websbtest::sampleValues(), QStringLiteral("s3cret")).status,
        200);
    viewers.clear();
}

QTEST_GUILESS_MAIN(TestWebsbService)

#include "tst_websbservice.moc"
