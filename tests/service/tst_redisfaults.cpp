#include "boardpublish.h"
#include "rawclient.h"
#include "service/websbservice.h"
#include "websbtesting.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include <csignal>

using namespace websb;
using namespace std::chrono_literals;
using websbtest::RawClient;

// A Redis that fails under a running service, started by each test on a unix socket of its own:
// one that stops answering (SIGSTOP) is met with 503 and does not hold up the service's stop;
// one that restarts is heard again, and the connections it dropped do not kill the service.
class TestRedisFaults : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void aStoppedRedisIsAnswered503();
    void aRestartedRedisIsHeardAgain();

private:
    bool startRedis();
    RawClient::Answer publish(
        int port, int home, const QString &passcode, const std::string &from = "127.0.0.1");

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<QProcess> m_redis;
    RedisAddress m_address;
};

namespace {

const QString Passcode = QStringLiteral("s3cret-code");

// Lets a stopped Redis go on as the test leaves, whatever it checked last: a service that still
// waits on it would hold the test up for good.
struct Resume
{
    qint64 pid;
    ~Resume() { ::kill(static_cast<pid_t>(pid), SIGCONT); }
};

} // namespace

bool TestRedisFaults::startRedis()
{
    const QString server = QStandardPaths::findExecutable(QStringLiteral("redis-server"));
    m_redis = std::make_unique<QProcess>();
    m_redis->start(server,
        {QStringLiteral("--port"), QStringLiteral("0"), QStringLiteral("--unixsocket"),
            m_address.socketPath, QStringLiteral("--save"), QString(),
            QStringLiteral("--appendonly"), QStringLiteral("no")});
    if (!m_redis->waitForStarted(5000)) {
        return false;
    }
    // The socket file appears once Redis accepts on it.
    for (int i = 0; i < 100 && !QFile::exists(m_address.socketPath); ++i) {
        QTest::qWait(20);
    }
    return QFile::exists(m_address.socketPath);
}

void TestRedisFaults::init()
{
    if (QStandardPaths::findExecutable(QStringLiteral("redis-server")).isEmpty()) {
        QSKIP("redis-server is not installed (scripts/setup installs it)");
    }
    m_dir = std::make_unique<QTemporaryDir>();
    m_address = {};
    m_address.socketPath = m_dir->filePath(QStringLiteral("redis.sock"));
    m_address.timeout = 300ms;
    QVERIFY(startRedis());
}

void TestRedisFaults::cleanup()
{
    if (m_redis && m_redis->state() != QProcess::NotRunning) {
        ::kill(static_cast<pid_t>(m_redis->processId()), SIGCONT);
        m_redis->terminate();
        m_redis->waitForFinished(5000);
    }
    m_redis.reset();
    m_dir.reset();
}

RawClient::Answer TestRedisFaults::publish(
    int port, int home, const QString &passcode, const std::string &from)
{
    return websbtest::publishHome(port, home, passcode, from, 3s);
}

void TestRedisFaults::aStoppedRedisIsAnswered503()
{
    ServiceConfig config
        = websbtest::serviceConfig(m_dir->filePath(QStringLiteral("data")), {{"main", Passcode}});
    config.redis = m_address;
    auto service = std::make_unique<WebScoreboardService>(config);
    QString error;
    QVERIFY2(service->start(error), qPrintable(error));
    const Resume resume{m_redis->processId()};
    QCOMPARE(publish(service->port(), 1, Passcode).status, 200);

    ::kill(static_cast<pid_t>(m_redis->processId()), SIGSTOP);
    // The board hears within the time-out that its update is not stored, and a guess, which
    // Redis counts too, is still judged.
    const RawClient::Answer refused = publish(service->port(), 2, Passcode);
    QCOMPARE(refused.status, 503);
    QVERIFY(!refused.header("Retry-After").empty());
    QCOMPARE(publish(service->port(), 3, QStringLiteral("wrong-guess"), "127.0.0.7").status, 403);

    // Back once Redis is.
    ::kill(static_cast<pid_t>(m_redis->processId()), SIGCONT);
    QCOMPARE(publish(service->port(), 4, Passcode).status, 200);

    // Stopped again, with an update being stored: the service's stop does not wait for Redis.
    ::kill(static_cast<pid_t>(m_redis->processId()), SIGSTOP);
    RawClient board;
    QVERIFY(board.connect(service->port()));
    board.send("GET /web/main?" + websbtest::rawBoardQuery(websbtest::sampleValues(), Passcode)
        + " HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n");
    QTRY_VERIFY(service->connectionCount() == 1);
    const auto stopping = std::chrono::steady_clock::now();
    service.reset();
    QVERIFY(std::chrono::steady_clock::now() - stopping < 2s);
}

void TestRedisFaults::aRestartedRedisIsHeardAgain()
{
    const QString configPath = m_dir->filePath(QStringLiteral("websb.conf"));
    QFile file(configPath);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QStringLiteral("listen = 127.0.0.1:0\nredis = unix://%1\npage = main %2\n")
                   .arg(m_address.socketPath,
                       formatPasscodeHash(hashPasscode(Passcode.toUtf8(), MinimumConfigIterations)))
                   .toUtf8());
    file.close();
    QProcess program;
    program.start(QStringLiteral(VARNELO_WEBSB_PROGRAM),
        {QStringLiteral("--config"), configPath, QStringLiteral("--data"),
            m_dir->filePath(QStringLiteral("data"))});
    QVERIFY(program.waitForStarted(5000));
    QByteArray out;
    while (!out.contains("serving") && program.waitForReadyRead(5000)) {
        out += program.readAllStandardOutput();
    }
    const qsizetype at = out.indexOf("http://127.0.0.1:");
    QVERIFY2(at >= 0, out.constData());
    const int port = out.mid(at + 17).split('/').first().toInt();
    // Redis can close a connection between any check and the next write to it: that write must
    // fail with EPIPE rather than end the service.
    QFile status(QStringLiteral("/proc/%1/status").arg(program.processId()));
    QVERIFY(status.open(QIODevice::ReadOnly));
    const QByteArray fields = status.readAll();
    const qsizetype ignored = fields.indexOf("\nSigIgn:");
    QVERIFY(ignored >= 0);
    const quint64 mask = fields.mid(ignored + 9, fields.indexOf('\n', ignored + 1) - ignored - 9)
                             .trimmed()
                             .toULongLong(nullptr, 16);
    QVERIFY2(mask & (quint64(1) << (SIGPIPE - 1)), "SIGPIPE is not ignored");
    // A right passcode and a wrong one: both of the service's connections to Redis are in use.
    QCOMPARE(publish(port, 1, Passcode).status, 200);
    QCOMPARE(publish(port, 2, QStringLiteral("wrong-guess"), "127.0.0.7").status, 403);

    m_redis->terminate();
    QVERIFY(m_redis->waitForFinished(5000));
    QVERIFY(startRedis());
    // The connections Redis closed are written to next; that must not end the service.
    QCOMPARE(publish(port, 3, QStringLiteral("wrong-again"), "127.0.0.8").status, 403);
    QCOMPARE(publish(port, 4, Passcode).status, 200);
    QCOMPARE(program.state(), QProcess::Running);

    program.terminate();
    QVERIFY(program.waitForFinished(5000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
}

QTEST_GUILESS_MAIN(TestRedisFaults)

#include "tst_redisfaults.moc"
