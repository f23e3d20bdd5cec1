#include "boardpublish.h"
#include "rawclient.h"
#include "service/pagestore.h"
#include "service/websbservice.h"
#include "websbtesting.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace websb;
using namespace std::chrono_literals;
using websbtest::RawClient;

// Two instances sharing one Redis, which the test starts on a unix socket of its own: an update
// accepted by one reaches the other's viewers, guesses are counted across both, and an instance
// killed with SIGKILL and started again serves the last state at once.
class TestRedisInstances : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void updatesReachTheOtherInstance();
    void guessesAreCountedAcrossInstances();
    void aKilledInstanceLosesNothing();

private:
    std::unique_ptr<WebScoreboardService> instance(const QString &folder, int guesses = 5);
    RawClient::Answer publish(
        int port, int home, const QString &passcode, const std::string &from = "127.0.0.1");

    QTemporaryDir m_dir;
    QProcess m_redis;
    RedisAddress m_address;
};

namespace {

const QString Passcode = QStringLiteral("s3cret");

} // namespace

void TestRedisInstances::initTestCase()
{
    const QString server = QStandardPaths::findExecutable(QStringLiteral("redis-server"));
    if (server.isEmpty()) {
        QSKIP("redis-server is not installed (scripts/setup installs it)");
    }
    m_address.socketPath = m_dir.filePath(QStringLiteral("redis.sock"));
    m_redis.start(server,
        {QStringLiteral("--port"), QStringLiteral("0"), QStringLiteral("--unixsocket"),
            m_address.socketPath, QStringLiteral("--save"), QString(),
            QStringLiteral("--appendonly"), QStringLiteral("no")});
    QVERIFY(m_redis.waitForStarted(5000));
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(m_address.socketPath), 5000);
}

void TestRedisInstances::cleanupTestCase()
{
    if (m_redis.state() != QProcess::NotRunning) {
        m_redis.terminate();
        m_redis.waitForFinished(5000);
    }
}

std::unique_ptr<WebScoreboardService> TestRedisInstances::instance(
    const QString &folder, int guesses)
{
    ServiceConfig config = websbtest::serviceConfig(m_dir.filePath(folder), {{"main", Passcode}});
    config.redis = m_address;
    config.guesses.perAddress = guesses;
    auto service = std::make_unique<WebScoreboardService>(config);
    QString error;
    if (!service->start(error)) {
        qWarning("%s", qPrintable(error));
        return nullptr;
    }
    return service;
}

RawClient::Answer TestRedisInstances::publish(
    int port, int home, const QString &passcode, const std::string &from)
{
    return websbtest::publishHome(port, home, passcode, from, 5s);
}

void TestRedisInstances::updatesReachTheOtherInstance()
{
    const auto first = instance(QStringLiteral("first"));
    const auto second = instance(QStringLiteral("second"));
    QVERIFY(first && second);
    RawClient viewer;
    QVERIFY(viewer.connect(second->port()));
    viewer.send("GET /api/main/events HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n");
    QCOMPARE(viewer.read(5s, true).status, 200);
    QTRY_COMPARE(second->viewerCount(), std::size_t(1));

    for (int home : {41, 42}) {
        QCOMPARE(publish(first->port(), home, Passcode).status, 200);
        const auto sent = std::chrono::steady_clock::now();
        QTRY_COMPARE_WITH_TIMEOUT(
            second->store().state("main").values[3], std::to_string(home), 1000);
        QVERIFY(std::chrono::steady_clock::now() - sent < 1s);
    }
    // And the event reached the viewer of the other instance.
    std::string received;
    const auto until = std::chrono::steady_clock::now() + 2s;
    while (received.find("\"hs\":\"42\"") == std::string::npos
        && std::chrono::steady_clock::now() < until) {
        received += viewer.readSome(100ms);
    }
    QVERIFY2(received.find("\"hs\":\"42\"") != std::string::npos, received.c_str());
}

void TestRedisInstances::guessesAreCountedAcrossInstances()
{
    const auto first = instance(QStringLiteral("guess-first"), 3);
    const auto second = instance(QStringLiteral("guess-second"), 3);
    QVERIFY(first && second);
    // Three guesses from one address at the first instance spend its budget everywhere.
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(
            publish(first->port(), i, QStringLiteral("wrong%1").arg(i), "127.0.0.9").status, 403);
    }
    const RawClient::Answer refused
        = publish(second->port(), 9, QStringLiteral("wrong-again"), "127.0.0.9");
    QCOMPARE(refused.status, 429);
    QVERIFY(std::atoi(refused.header("Retry-After").c_str()) > 0);
    // The board, elsewhere, is not held.
    QCOMPARE(publish(second->port(), 5, Passcode).status, 200);
}

void TestRedisInstances::aKilledInstanceLosesNothing()
{
    const QString digest = formatPasscodeHash(hashPasscode(Passcode.toUtf8()));
    const QString configPath = m_dir.filePath(QStringLiteral("killed.conf"));
    QFile config(configPath);
    QVERIFY(config.open(QIODevice::WriteOnly));
    config.write(QStringLiteral("listen = 127.0.0.1:0\nredis = unix://%1\npage = main %2\n")
                     .arg(m_address.socketPath, digest)
                     .toUtf8());
    config.close();
    const auto run = [&](const QString &data, QProcess &process) -> int {
        process.start(QStringLiteral(VARNELO_WEBSB_PROGRAM),
            {QStringLiteral("--config"), configPath, QStringLiteral("--data"),
                m_dir.filePath(data)});
        if (!process.waitForStarted(5000)) {
            return -1;
        }
        QByteArray out;
        while (!out.contains("serving") && process.waitForReadyRead(5000)) {
            out += process.readAllStandardOutput();
        }
        const qsizetype at = out.indexOf("http://127.0.0.1:");
        return at < 0 ? -1 : out.mid(at + 17).split('/').first().toInt();
    };
    QProcess killed;
    const int port = run(QStringLiteral("killed-a"), killed);
    QVERIFY(port > 0);
    QCOMPARE(publish(port, 77, Passcode).status, 200);
    killed.kill(); // SIGKILL, right after the board was answered
    QVERIFY(killed.waitForFinished(5000));

    // Started again on a data folder of its own: the state can only come from Redis.
    QProcess restarted;
    const int again = run(QStringLiteral("killed-b"), restarted);
    QVERIFY(again > 0);
    RawClient client;
    QVERIFY(client.connect(again));
    client.send("GET /api/main HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n");
    const RawClient::Answer state = client.read(5s);
    restarted.terminate();
    restarted.waitForFinished(5000);
    QCOMPARE(state.status, 200);
    QVERIFY2(state.body.find("\"hs\":\"77\"") != std::string::npos, state.body.c_str());
}

QTEST_GUILESS_MAIN(TestRedisInstances)

#include "tst_redisinstances.moc"
