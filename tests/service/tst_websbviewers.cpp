#include "servicefixture.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkReply>
#include <QSignalSpy>
#include <QTcpSocket>
#include <QTest>

#include <memory>

#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

using namespace websb;

// The audience's side of the service: the live page, its stream, restarts and crowds.
class TestWebsbViewers : public websbtest::ServiceFixture
{
    Q_OBJECT

private Q_SLOTS:
    void init() { setUpService(); }
    void cleanup() { tearDownService(); }
    void livePageAndItsFiles();
    void eventStreamPushesEachUpdate();
    void stateSurvivesARestart();
    void secondInstanceCannotTakeThePort();
    void stopRightAfterStart();
    void viewersCannotCrowdOutBoards();
    void streamsResetAtOnceAreNotKept();
};

void TestWebsbViewers::livePageAndItsFiles()
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

void TestWebsbViewers::eventStreamPushesEachUpdate()
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

void TestWebsbViewers::stateSurvivesARestart()
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

void TestWebsbViewers::secondInstanceCannotTakeThePort()
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

void TestWebsbViewers::stopRightAfterStart()
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

void TestWebsbViewers::viewersCannotCrowdOutBoards()
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

void TestWebsbViewers::streamsResetAtOnceAreNotKept()
{
    // What a connection does when its first write meets the client's reset: the stream ends
    // while it is being opened, before the service has subscribed it.
    class ResetAtOnce : public HttpExchange,
                        public StreamSink,
                        public std::enable_shared_from_this<ResetAtOnce>
    {
    public:
        void reply(HttpResponse) override { }
        std::shared_ptr<StreamSink> openStream(std::string, std::function<void()> closed) override
        {
            closed();
            return shared_from_this();
        }
        void send(std::shared_ptr<const std::string>, bool) override { }
    };
    HttpRequest request;
    request.method = "GET";
    request.target = "/api/main/events";
    request.client = "127.0.0.5";
    for (int i = 0; i < 3; ++i) {
        m_service->handle(request, std::make_shared<ResetAtOnce>());
    }
    QCOMPARE(m_service->viewerCount(), std::size_t(0));

    // The same from real clients that send the request and reset the connection at once.
    sockaddr_in service{};
    service.sin_family = AF_INET;
    service.sin_port = htons(static_cast<uint16_t>(m_service->port()));
    service.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    const std::string streamRequest = "GET /api/main/events HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n";
    for (int i = 0; i < 300; ++i) {
        const int socket = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        QVERIFY(socket >= 0);
        const linger reset{1, 0};
        setsockopt(socket, SOL_SOCKET, SO_LINGER, &reset, sizeof(reset));
        QVERIFY(
            ::connect(socket, reinterpret_cast<const sockaddr *>(&service), sizeof(service)) == 0);
        ::send(socket, streamRequest.data(), streamRequest.size(), MSG_NOSIGNAL);
        ::close(socket);
    }
    QTRY_COMPARE(m_service->connectionCount(), 0);
    QCOMPARE(m_service->viewerCount(), std::size_t(0));
}

QTEST_GUILESS_MAIN(TestWebsbViewers)

#include "tst_websbviewers.moc"
