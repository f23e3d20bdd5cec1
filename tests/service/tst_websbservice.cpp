#include "rawclient.h"
#include "servicefixture.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkReply>
#include <QSignalSpy>
#include <QTest>

#include <memory>
#include <mutex>

using namespace websb;

// The board's side of the service: updates echoed, stored and served, refusals, and logs.
class TestWebsbService : public websbtest::ServiceFixture
{
    Q_OBJECT

private Q_SLOTS:
    void init() { setUpService(); }
    void cleanup() { tearDownService(); }
    void boardUpdateIsEchoedAndServed();
    void testRequestOfAnUnopenedBoard();
    void finalUpdateShows();
    void refusalsCarryNoBar();
    void onlyAcceptedUpdatesSayTheMatchIsUnderstood();
    void malformedRequestsGetA4xx_data();
    void malformedRequestsGetA4xx();
    void boardsPublishingAtOnce();
    void logsNeverHoldThePasscode();
    void forwardedLinesAreOneList();
    void stopAnswersTheChecksStillWaiting();
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

void TestWebsbService::onlyAcceptedUpdatesSayTheMatchIsUnderstood()
{
    const websbtest::Values values = websbtest::sampleValues();
    QCOMPARE(publish(QStringLiteral("main"), values, QStringLiteral("s3cret")).understands,
        QByteArray("match, teams"));
    // A refusal tells a guesser nothing of it.
    const Answer wrong = publish(QStringLiteral("main"), values, QStringLiteral("two"));
    QCOMPARE(wrong.status, 403);
    QVERIFY(wrong.understands.isEmpty());

    // Nor does a refused match (the board's own match reaches the service in tst_endtoend).
    QUrl target = url(QStringLiteral("/web/main"));
    QUrlQuery query = websbtest::boardQuery(values, QStringLiteral("s3cret"));
    query.addQueryItem(QStringLiteral("ph"), QStringLiteral("extraTime"));
    query.addQueryItem(QStringLiteral("at"), QStringLiteral("2"));
    query.addQueryItem(QStringLiteral("hpk"), QString());
    query.addQueryItem(QStringLiteral("vpk"), QString());
    target.setQuery(query);
    const Answer unknownPhase = get(target);
    QCOMPARE(unknownPhase.status, 400);
    QVERIFY(unknownPhase.understands.isEmpty());

    // Nor an update whose teams' fields are incomplete.
    target.setQuery(websbtest::boardQuery(values, QStringLiteral("s3cret")).query()
        + QStringLiteral("&hso=0&vso=0&lang=de"));
    const Answer partialTeams = get(target);
    QCOMPARE(partialTeams.status, 400);
    QVERIFY(partialTeams.understands.isEmpty());
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

void TestWebsbService::forwardedLinesAreOneList()
{
    // A proxy that adds its own line after the client's (haproxy's forwardfor): the client's
    // forged line must not be taken for its address.
    m_network.reset();
    m_service.reset();
    startService(ServiceConfig().maxConnections, {QStringLiteral("127.0.0.1")});
    m_network = std::make_unique<QNetworkAccessManager>();
    {
        std::lock_guard lock(logMutex);
        logged.clear();
    }
    previousHandler = qInstallMessageHandler(recordMessage);
    const QByteArray query = QByteArray::fromStdString(
        websbtest::rawBoardQuery(websbtest::sampleValues(), QStringLiteral("wrong")));
    const Answer answer = rawGet(
        "/web/main?" + query, "X-Forwarded-For: 203.0.113.9\r\nX-Forwarded-For: 198.51.100.7\r\n");
    m_network.reset();
    m_service.reset();
    qInstallMessageHandler(previousHandler);

    QCOMPARE(answer.status, 403);
    std::lock_guard lock(logMutex);
    QCOMPARE(logged.filter(QStringLiteral("from 198.51.100.7:")).size(), 1);
    QVERIFY(logged.filter(QStringLiteral("203.0.113.9")).isEmpty());
}

void TestWebsbService::stopAnswersTheChecksStillWaiting()
{
    m_network.reset();
    m_service.reset();
    // One worker and a slow digest: every guess but the first waits for it.
    ServiceConfig config = websbtest::serviceConfig(m_dir->path(), {});
    config.pages["main"] = hashPasscode(QByteArrayLiteral("s3cret"), 1000000);
    config.passcodeWorkers = 1;
    m_service = std::make_unique<WebScoreboardService>(config);
    QString error;
    QVERIFY2(m_service->start(error), qPrintable(error));

    std::vector<websbtest::RawClient> guessers(6);
    for (std::size_t i = 0; i < guessers.size(); ++i) {
        QVERIFY(guessers[i].connect(m_service->port(), "127.0.0." + std::to_string(10 + i)));
        guessers[i].send("GET /web/main?"
            + websbtest::rawBoardQuery(websbtest::sampleValues(), QStringLiteral("wrong%1").arg(i))
            + " HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n");
    }
    QTRY_COMPARE(m_service->checksWaiting(), guessers.size());
    m_service.reset();
    // The one under the digest gets its verdict; the others are told to come back, before their
    // connections close.
    std::size_t toldToComeBack = 0;
    for (websbtest::RawClient &guesser : guessers) {
        const websbtest::RawClient::Answer answer = guesser.read(std::chrono::seconds(5));
        QVERIFY2(answer.status == 403 || answer.status == 503, answer.head.c_str());
        if (answer.status == 503) {
            ++toldToComeBack;
            QVERIFY(!answer.header("Retry-After").empty());
        }
    }
    QVERIFY(toldToComeBack >= guessers.size() - 1);
}

QTEST_GUILESS_MAIN(TestWebsbService)

#include "tst_websbservice.moc"
