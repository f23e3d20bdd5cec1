#include "service/pagestore.h"
#include "service/statewriter.h"
#include "websbtesting.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <future>
#include <thread>

using namespace websb;
using namespace std::chrono_literals;

class TestPageStore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void jsonCarriesEveryFigureAndTheTime();
    void jsonReadsBackOnlyWhatItWrote_data();
    void jsonReadsBackOnlyWhatItWrote();
    void theMatchInTheJson_data();
    void theMatchInTheJson();
    void waitingForAChange();
    void shutdownReleasesWaiters();
    void stateSurvivesARestart();
    void unusableFilesAreReportedAndIgnored();
    void pendingWritesAreFinishedOnStop();
    void writesOfAPageAreSpacedOut();
};

namespace {

PageState sampleState(qint64 updatedMs = 1'700'000'000'123, bool final = false)
{
    PageState state;
    const websbtest::Values values = websbtest::sampleValues();
    for (std::size_t i = 0; i < values.size(); ++i) {
        state.values[i] = values[i].toStdString();
    }
    state.final = final;
    state.updatedMs = updatedMs;
    return state;
}

PageState shootoutState()
{
    PageState state = sampleState();
    state.match = MatchExtras{"penalties", 0, "1101", "110"};
    return state;
}

QJsonObject parse(const std::string &json)
{
    return QJsonDocument::fromJson(QByteArray::fromStdString(json)).object();
}

} // namespace

void TestPageStore::jsonCarriesEveryFigureAndTheTime()
{
    const QJsonObject empty = parse(pageJson("main", PageState()));
    QCOMPARE(empty.value(QStringLiteral("page")).toString(), QStringLiteral("main"));
    QVERIFY(empty.value(QStringLiteral("updated")).isNull());
    QCOMPARE(empty.value(QStringLiteral("final")).toBool(true), false);
    QCOMPARE(empty.value(QStringLiteral("values")).toObject().size(), int(BoardFieldCount));

    const QJsonObject full = parse(pageJson("main", sampleState(1'700'000'000'123, true)));
    QCOMPARE(full.value(QStringLiteral("updated")).toString(),
        QStringLiteral("2023-11-14T22:13:20.123Z"));
    QCOMPARE(full.value(QStringLiteral("updatedMs")).toInteger(), 1'700'000'000'123);
    QVERIFY(full.value(QStringLiteral("final")).toBool());
    const QJsonObject values = full.value(QStringLiteral("values")).toObject();
    const websbtest::Values expected = websbtest::sampleValues();
    for (std::size_t i = 0; i < BoardFieldCount; ++i) {
        const QString key = QString::fromLatin1(BoardFields[i].key.data());
        QCOMPARE(values.value(key).toString(), expected[i]);
    }
}

void TestPageStore::jsonReadsBackOnlyWhatItWrote_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<bool>("readable");

    const QByteArray good = QByteArray::fromStdString(pageJson("main", sampleState()));
    QTest::newRow("as written") << good << true;
    QTest::newRow("another page's")
        << QByteArray::fromStdString(pageJson("other", sampleState())) << false;
    QTest::newRow("cut short") << good.left(good.size() / 2) << false;
    QTest::newRow("not JSON") << QByteArray("\x00\x01garbage", 9) << false;
    QTest::newRow("an array") << QByteArray("[1,2]") << false;
    QTest::newRow("a figure missing") << QByteArray(good).replace("\"hs\":", "\"hx\":") << false;
    QTest::newRow("a figure out of shape")
        << QByteArray(good).replace("\"hs\":\"3\"", "\"hs\":\"x\"") << false;
    QTest::newRow("final not a flag")
        << QByteArray(good).replace("\"final\":false", "\"final\":0") << false;
}

void TestPageStore::jsonReadsBackOnlyWhatItWrote()
{
    QFETCH(QByteArray, json);
    QFETCH(bool, readable);
    PageState state;
    QString error;
    QCOMPARE(pageStateFromJson(json, "main", state, error), readable);
    if (readable) {
        QCOMPARE(state, sampleState());
    } else {
        QVERIFY(!error.isEmpty());
        QCOMPARE(state, PageState());
    }
}

void TestPageStore::theMatchInTheJson_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<bool>("readable");

    const QByteArray good = QByteArray::fromStdString(pageJson("main", shootoutState()));
    QTest::newRow("as written") << good << true;
    QTest::newRow("unknown phase")
        << QByteArray(good).replace("\"penalties\"", "\"shootout\"") << false;
    QTest::newRow("phase not text") << QByteArray(good).replace("\"penalties\"", "7") << false;
    QTest::newRow("a kick not a flag")
        << QByteArray(good).replace("[true,true,false,true]", "[true,1,false,true]") << false;
    QTest::newRow("teams two kicks apart") << QByteArray(good).replace("[true,true,false,true]",
        "[true,true,false,true,true]") << false;
    QTest::newRow("added time a fraction")
        << QByteArray(good).replace("\"addedTime\":0", "\"addedTime\":2.5") << false;
    QTest::newRow("added time beyond 30")
        << QByteArray(good).replace("\"addedTime\":0", "\"addedTime\":31") << false;
    QTest::newRow("shoot-out missing")
        << QByteArray(good).replace("\"shootout\"", "\"shootOut\"") << false;
}

void TestPageStore::theMatchInTheJson()
{
    QFETCH(QByteArray, json);
    QFETCH(bool, readable);
    // What the page's scripts read, as written.
    const QJsonObject written = parse(pageJson("main", shootoutState()));
    QCOMPARE(written.value(QStringLiteral("phase")).toString(), QStringLiteral("penalties"));
    QCOMPARE(written.value(QStringLiteral("addedTime")).toInt(-1), 0);
    QCOMPARE(QJsonDocument(written.value(QStringLiteral("shootout")).toObject())
                 .toJson(QJsonDocument::Compact),
        QByteArray(R"({"home":[true,true,false,true],"visitor":[true,true,false]})"));
    // A page without a match has none of it.
    const QJsonObject plain = parse(pageJson("main", sampleState()));
    QVERIFY(!plain.contains(QStringLiteral("phase")));
    QVERIFY(!plain.contains(QStringLiteral("shootout")));

    PageState state;
    QString error;
    QVERIFY(json.contains("\"addedTime\""));
    QCOMPARE(pageStateFromJson(json, "main", state, error), readable);
    if (readable) {
        QCOMPARE(state, shootoutState());
    } else {
        QVERIFY(!error.isEmpty());
        QCOMPARE(state, PageState());
    }
}

void TestPageStore::waitingForAChange()
{
    PageStore store({"main", "other"});
    const PageStore::Snapshot first = store.snapshot("main");
    QVERIFY(first.json);

    // Nothing changed: the wait ends empty after its time-out.
    QVERIFY(!store.waitForChange("main", first.version, 10ms));
    QVERIFY(!store.waitForChange("nowhere", 0, 10ms));

    // A viewer that is behind gets the latest state at once.
    store.update("main", sampleState());
    const auto behind = store.waitForChange("main", first.version, 0ms);
    QVERIFY(behind.has_value());
    QCOMPARE(behind->version, first.version + 1);
    QCOMPARE(parse(*behind->json).value(QStringLiteral("updatedMs")).toInteger(),
        sampleState().updatedMs);

    // A viewer waiting on one page is woken by its update, not by another page's.
    auto waiter = std::async(
        std::launch::async, [&] { return store.waitForChange("main", behind->version, 10s); });
    store.update("other", sampleState(5));
    QCOMPARE(waiter.wait_for(50ms), std::future_status::timeout);
    store.update("main", sampleState(7));
    const auto woken = waiter.get();
    QVERIFY(woken.has_value());
    QCOMPARE(parse(*woken->json).value(QStringLiteral("updatedMs")).toInteger(), 7);
}

void TestPageStore::shutdownReleasesWaiters()
{
    PageStore store({"main"});
    auto waiter
        = std::async(std::launch::async, [&] { return store.waitForChange("main", 0, 10s); });
    QCOMPARE(waiter.wait_for(20ms), std::future_status::timeout);
    store.shutdown();
    QVERIFY(!waiter.get().has_value());
    QVERIFY(store.isShutDown());
    // Later waits end at once, even after an update.
    store.update("main", sampleState());
    QVERIFY(!store.waitForChange("main", 0, 10s).has_value());
}

void TestPageStore::stateSurvivesARestart()
{
    QTemporaryDir dir;
    {
        PageStore store({"main", "other"});
        StateWriter writer(store, dir.path());
        store.setChangeListener(
            [&](const std::string &page, const PageState &) { writer.schedule(page); });
        store.update("main", sampleState(1000));
        store.update("main", sampleState(2000, true));
        writer.flush();
        QVERIFY(QFile::exists(StateWriter::fileFor(dir.path(), "main")));
        QVERIFY(!QFile::exists(StateWriter::fileFor(dir.path(), "other")));
    }
    // Only the page files remain: no temporary file of the atomic writes is left behind.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("main.json")});

    PageStore restarted({"main", "other"});
    int notified = 0;
    restarted.setChangeListener([&](const std::string &, const PageState &) { ++notified; });
    QVERIFY(restorePages(restarted, dir.path()).isEmpty());
    QCOMPARE(restarted.state("main"), sampleState(2000, true));
    QCOMPARE(restarted.state("other"), PageState());
    QCOMPARE(notified, 0); // restoring writes nothing back
}

void TestPageStore::unusableFilesAreReportedAndIgnored()
{
    QTemporaryDir dir;
    const auto put = [&](const std::string &page, const QByteArray &content) {
        QFile file(StateWriter::fileFor(dir.path(), page));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    };
    put("corrupt", "{\"page\":\"corrupt\",\"upd");
    put("swapped", QByteArray::fromStdString(pageJson("good", sampleState())));
    put("huge", QByteArray(100 * 1024, ' '));
    put("good", QByteArray::fromStdString(pageJson("good", sampleState())));
    put("unconfigured", QByteArray::fromStdString(pageJson("unconfigured", sampleState())));

    PageStore store({"corrupt", "swapped", "huge", "good", "absent"});
    const QStringList problems = restorePages(store, dir.path());
    QCOMPARE(problems.size(), 3);
    for (const char *page : {"corrupt.json", "swapped.json", "huge.json"}) {
        QVERIFY2(!problems.filter(QString::fromLatin1(page)).isEmpty(), page);
    }
    QCOMPARE(store.state("corrupt"), PageState());
    QCOMPARE(store.state("swapped"), PageState());
    QCOMPARE(store.state("good"), sampleState());
    QCOMPARE(store.state("absent"), PageState());
}

void TestPageStore::pendingWritesAreFinishedOnStop()
{
    QTemporaryDir dir;
    PageStore store({"main"});
    {
        StateWriter writer(store, dir.path());
        store.update("main", sampleState(42));
        writer.schedule("main");
    }
    PageStore restarted({"main"});
    QVERIFY(restorePages(restarted, dir.path()).isEmpty());
    QCOMPARE(restarted.state("main").updatedMs, 42);

    // A folder that cannot be written is reported, not fatal.
    StateWriter broken(store, dir.filePath(QStringLiteral("missing/folder")));
    QTest::ignoreMessage(
        QtWarningMsg, QRegularExpression(QStringLiteral("cannot save .*missing/folder")));
    broken.schedule("main");
    broken.flush();
}

void TestPageStore::writesOfAPageAreSpacedOut()
{
    QTemporaryDir dir;
    PageStore store({"main"});
    StateWriter writer(store, dir.path(), std::chrono::hours(1));
    const auto saved = [&] {
        PageStore read({"main"});
        restorePages(read, dir.path());
        return read.state("main").updatedMs;
    };
    const auto publish = [&](qint64 updatedMs, bool final) {
        store.update("main", sampleState(updatedMs, final));
        writer.schedule("main", final);
    };
    const auto eventuallySaved = [&](qint64 updatedMs) {
        for (int i = 0; i < 2500 && saved() != updatedMs; ++i) {
            std::this_thread::sleep_for(2ms);
        }
        return saved() == updatedMs;
    };

    publish(1, false);
    QVERIFY(eventuallySaved(1)); // a page's first write is due at once
    publish(2, false);
    std::this_thread::sleep_for(50ms);
    QCOMPARE(saved(), 1); // the next waits for the gap
    publish(3, true);
    QVERIFY(eventuallySaved(3)); // but not the last update of a game
    publish(4, false);
    writer.flush();
    QCOMPARE(saved(), 4); // nor a flush
}

QTEST_APPLESS_MAIN(TestPageStore)

#include "tst_pagestore.moc"
