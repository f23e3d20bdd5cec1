#include "service/eventstream.h"
#include "service/pagestore.h"

#include <QElapsedTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include <future>

using namespace websb;
using namespace std::chrono_literals;

class TestEventStream : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void currentStateComesFirst();
    void eachLaterStateFollows();
    void updatesWithinTheGapBecomeOne();
    void aQuietPageSendsAComment();
    void shutdownEndsTheStream();
};

namespace {

PageState stamped(qint64 updatedMs)
{
    PageState state;
    state.values[0] = "Cup";
    state.updatedMs = updatedMs;
    return state;
}

// The updatedMs of the one event in `chunk`, or -1 when it holds none.
qint64 eventStamp(const std::string &chunk)
{
    const std::size_t data = chunk.find("data: ");
    if (data == std::string::npos || chunk.substr(chunk.size() - 2) != "\n\n") {
        return -1;
    }
    const std::string json = chunk.substr(data + 6, chunk.size() - data - 8);
    return QJsonDocument::fromJson(QByteArray::fromStdString(json))
        .object()
        .value(QStringLiteral("updatedMs"))
        .toInteger(-1);
}

} // namespace

void TestEventStream::currentStateComesFirst()
{
    PageStore store({"main"});
    store.update("main", stamped(5));
    EventStream stream(store, "main", 1h, 1h);
    QElapsedTimer timer;
    timer.start();
    const auto first = stream.next();
    QVERIFY(timer.elapsed() < 1000);
    QVERIFY(first.has_value());
    QVERIFY(first->rfind("retry: ", 0) == 0); // the browser's reconnection delay leads
    QCOMPARE(eventStamp(*first), 5);
    QCOMPARE(first->substr(first->find("data: ") + 6, first->size() - first->find("data: ") - 8),
        *store.snapshot("main").json);
}

void TestEventStream::eachLaterStateFollows()
{
    PageStore store({"main", "other"});
    EventStream stream(store, "main", 0ms, 1h);
    QCOMPARE(eventStamp(*stream.next()), 0);
    for (qint64 stamp : {11, 12, 13}) {
        store.update("other", stamped(stamp + 100)); // not this stream's page
        store.update("main", stamped(stamp));
        const auto chunk = stream.next();
        QVERIFY(chunk.has_value());
        QVERIFY(chunk->rfind("data: ", 0) == 0);
        QCOMPARE(eventStamp(*chunk), stamp);
    }
}

void TestEventStream::updatesWithinTheGapBecomeOne()
{
    PageStore store({"main"});
    EventStream stream(store, "main", 100ms, 20ms);
    QCOMPARE(eventStamp(*stream.next()), 0);
    QElapsedTimer sinceFirst;
    sinceFirst.start();
    store.update("main", stamped(1));
    store.update("main", stamped(2));
    store.update("main", stamped(3));
    QCOMPARE(eventStamp(*stream.next()), 3);
    QVERIFY(sinceFirst.elapsed() >= 95);
    // The skipped states do not come later either.
    QCOMPARE(*stream.next(), std::string(": still here\n\n"));
}

void TestEventStream::aQuietPageSendsAComment()
{
    PageStore store({"main"});
    EventStream stream(store, "main", 0ms, 20ms);
    stream.next();
    QCOMPARE(*stream.next(), std::string(": still here\n\n"));
    store.update("main", stamped(9));
    QCOMPARE(eventStamp(*stream.next()), 9);
}

void TestEventStream::shutdownEndsTheStream()
{
    PageStore store({"main"});
    EventStream stream(store, "main", 0ms, 1h);
    stream.next();
    auto waiting = std::async(std::launch::async, [&] { return stream.next(); });
    QCOMPARE(waiting.wait_for(20ms), std::future_status::timeout);
    store.shutdown();
    QVERIFY(!waiting.get().has_value());
    QVERIFY(!stream.next().has_value());
}

QTEST_APPLESS_MAIN(TestEventStream)

#include "tst_eventstream.moc"
