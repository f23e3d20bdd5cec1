#include "rawclient.h"
#include "service/websbservice.h"
#include "websbtesting.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <thread>
#include <vector>

using namespace websb;
using namespace std::chrono_literals;
using websbtest::RawClient;

// Events are written at once while the viewer's socket has room, and only what does not fit
// waits under the write deadline: a viewer that reads slowly still gets whole events, one that
// stops reading is let go, and the board is not held up by either.
class TestSlowViewers : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void slowAndStalledViewers();
};

namespace {

const QString Passcode = QStringLiteral("s3cret");
constexpr int Stalled = 5;

std::string request(const std::string &target)
{
    return "GET " + target + " HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n";
}

// Every "data: " line of `stream` that is complete.
std::vector<std::string> dataLines(const std::string &stream)
{
    std::vector<std::string> lines;
    for (std::size_t at = stream.find("data: "); at != std::string::npos;
         at = stream.find("data: ", at + 1)) {
        const std::size_t end = stream.find('\n', at);
        if (end == std::string::npos) {
            break;
        }
        lines.push_back(stream.substr(at + 6, end - at - 6));
    }
    return lines;
}

} // namespace

void TestSlowViewers::slowAndStalledViewers()
{
    QTemporaryDir dir;
    ServiceConfig config = websbtest::serviceConfig(dir.path(), {{"main", Passcode}});
    config.limits.writeTimeout = 3s;
    config.limits.streamSendBuffer = 4096; // a stalled viewer stops taking writes at once
    WebScoreboardService service(config);
    QString error;
    QVERIFY2(service.start(error), qPrintable(error));
    const int port = service.port();

    // Viewers with the smallest receive buffer: the stalled never read, the slow one now and then.
    std::vector<RawClient> stalled(Stalled);
    for (RawClient &viewer : stalled) {
        QVERIFY(viewer.connect(port, "127.0.0.9", 1024));
        QVERIFY(viewer.send(request("/api/main/events")));
    }
    RawClient slow;
    QVERIFY(slow.connect(port, "127.0.0.10", 1024));
    QVERIFY(slow.send(request("/api/main/events")));

    // Events of a few kilobytes (four-byte characters), several a second.
    websbtest::Values values = websbtest::sampleValues();
    const QString wide = QString(200, QChar(0xD83D)).replace(QChar(0xD83D), QStringLiteral("😀"));
    values[0] = values[1] = values[2] = wide;
    std::atomic<bool> stop = false;
    std::atomic<int> failures = 0;
    std::thread board([&] {
        RawClient client;
        for (int i = 0; !stop; ++i) {
            if (!client.isOpen() && !client.connect(port)) {
                ++failures;
                continue;
            }
            websbtest::Values update = values;
            update[3] = QString::number(i % 100);
            client.send(request("/web/main?" + websbtest::rawBoardQuery(update, Passcode)));
            if (client.read(2s).status != 200) {
                ++failures;
                client.close();
            }
            std::this_thread::sleep_for(50ms);
        }
    });

    std::string received;
    const auto until = std::chrono::steady_clock::now() + 8s;
    while (std::chrono::steady_clock::now() < until) {
        received += slow.readSome(100ms);
        std::this_thread::sleep_for(150ms);
    }
    const std::size_t viewersLeft = service.viewerCount();
    const int connectionsLeft = service.connectionCount();
    stop = true;
    board.join();

    QCOMPARE(failures.load(), 0);
    // The stalled ones were let go by the write deadline, connections and all; the slow one is
    // still served, beside the board.
    QCOMPARE(viewersLeft, std::size_t(1));
    QCOMPARE(connectionsLeft, 2);
    // And each event it got arrived whole, however its writes were split.
    const std::vector<std::string> events = dataLines(received);
    QVERIFY2(events.size() >= 5, qPrintable(QString::number(events.size())));
    for (const std::string &event : events) {
        const QJsonObject state
            = QJsonDocument::fromJson(QByteArray::fromStdString(event)).object();
        QCOMPARE(state.value(QStringLiteral("values")).toObject().value(QStringLiteral("ttl")),
            QJsonValue(state.value(QStringLiteral("updated")).isNull() ? QString() : wide));
    }
}

QTEST_APPLESS_MAIN(TestSlowViewers)

#include "tst_slowviewers.moc"
