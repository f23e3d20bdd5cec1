#include "service/pagestore.h"
#include "service/passcodegate.h"
#include "service/updatehandler.h"
#include "websbtesting.h"

#include <QTest>

#include <memory>

using namespace websb;

class TestUpdateHandler : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void acceptedUpdateIsEchoedAndStored();
    void intervalComesFromTheConfig();
    void specialCharactersRoundTrip();
    void finalMarksTheLastUpdateOfAGame();
    void refusals_data();
    void refusals();
    void everyValueEmptyIsRefused();
    void theMatchIsStoredBesideTheFigures();

private:
    std::string query(const websbtest::Values &values, bool final = false) const
    {
        return websbtest::rawBoardQuery(values, QStringLiteral("s3cret"), final);
    }

    std::unique_ptr<PageStore> m_store;
    std::unique_ptr<PasscodeGate> m_gate;
    std::unique_ptr<UpdateHandler> m_handler;
    qint64 m_now = 0;
    QStringList m_changed;
};

void TestUpdateHandler::init()
{
    m_store = std::make_unique<PageStore>(std::vector<std::string>{"main", "other"});
    m_gate = std::make_unique<PasscodeGate>(websbtest::pageHashes(
        {{"main", QStringLiteral("s3cret")}, {"other", QStringLiteral("o")}}));
    m_now = 1'700'000'000'000;
    m_handler = std::make_unique<UpdateHandler>(*m_store, *m_gate, 2, [this] { return m_now; });
    m_changed.clear();
    m_store->setChangeListener([this](const std::string &page, const PageState &) {
        m_changed << QString::fromStdString(page);
    });
}

void TestUpdateHandler::acceptedUpdateIsEchoedAndStored()
{
    const websbtest::Values values = websbtest::sampleValues();
    const Reply reply = m_handler->handle("main", query(values));
    QCOMPARE(reply.status, 200);
    QCOMPARE(reply.body, "2|Cup FinalA&B RoversZürich310:00121247925");

    const PageState state = m_store->state("main");
    for (std::size_t i = 0; i < values.size(); ++i) {
        QCOMPARE(QString::fromStdString(state.values[i]), values[i]);
    }
    QVERIFY(!state.final);
    QCOMPARE(state.updatedMs, m_now);
    QCOMPARE(m_changed, QStringList{QStringLiteral("main")});
    QCOMPARE(m_store->state("other"), PageState());

    // The next update replaces the state and is stamped with the time it came.
    websbtest::Values next = values;
    next[3] = QStringLiteral("4");
    next[4] = QStringLiteral("9:59");
    m_now += 2000;
    QCOMPARE(m_handler->handle("main", query(next)).body, "2|" + websbtest::echoOf(next));
    QCOMPARE(m_store->state("main").values[3], std::string("4"));
    QCOMPARE(m_store->state("main").updatedMs, m_now);
}

void TestUpdateHandler::intervalComesFromTheConfig()
{
    UpdateHandler slow(*m_store, *m_gate, 15, [] { return qint64(1); });
    const Reply reply = slow.handle("main", query(websbtest::sampleValues()));
    QCOMPARE(reply.body.substr(0, 3), std::string("15|"));
}

void TestUpdateHandler::specialCharactersRoundTrip()
{
    websbtest::Values values = websbtest::sampleValues();
    values[0] = QStringLiteral("Final | 1+1=2 & 100% #?");
    values[1] = QStringLiteral("\U0001F3C6 Ærø");
    values[2] = QStringLiteral("<b>\"Guest\"</b>");
    const Reply reply = m_handler->handle("main", query(values));
    QCOMPARE(reply.status, 200);
    // The board checks everything after the first "|"; a "|" in a text must not matter.
    QCOMPARE(reply.body.substr(reply.body.find('|') + 1), websbtest::echoOf(values));
    QCOMPARE(QString::fromStdString(m_store->state("main").values[0]), values[0]);
    QCOMPARE(QString::fromStdString(m_store->state("main").values[1]), values[1]);
}

void TestUpdateHandler::finalMarksTheLastUpdateOfAGame()
{
    QCOMPARE(m_handler->handle("main", query(websbtest::sampleValues(), true)).status, 200);
    QVERIFY(m_store->state("main").final);
    // A board starting the next game publishes without the flag.
    QCOMPARE(m_handler->handle("main", query(websbtest::sampleValues())).status, 200);
    QVERIFY(!m_store->state("main").final);
}

void TestUpdateHandler::refusals_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QByteArray>("query");
    QTest::addColumn<int>("status");

    const websbtest::Values values = websbtest::sampleValues();
    const auto raw = [&](const QString &passcode) {
        return QByteArray::fromStdString(websbtest::rawBoardQuery(values, passcode));
    };
    const QByteArray good = raw(QStringLiteral("s3cret"));
    const QString main = QStringLiteral("main");

    QTest::newRow("wrong passcode") << main << raw(QStringLiteral("S3cret")) << 403;
    QTest::newRow("another page's passcode") << main << raw(QStringLiteral("o")) << 403;
    QTest::newRow("unknown page") << QStringLiteral("mian") << good << 403;
    QTest::newRow("page differs in case") << QStringLiteral("Main") << good << 403;
    QTest::newRow("no query") << main << QByteArray() << 400;
    QTest::newRow("missing passcode")
        << main << QByteArray(good).replace("&passcode=s3cret", "") << 400;
    QTest::newRow("malformed escape")
        << main << QByteArray(good).replace("Cup%20", "Cup%2G") << 400;
    QTest::newRow("not UTF-8") << main << QByteArray(good).replace("%C3%BC", "%FC") << 400;
    QTest::newRow("score out of range")
        << main << QByteArray(good).replace("hs=3", "hs=300") << 400;
    QTest::newRow("over-long value")
        << main << QByteArray(good).replace("Cup%20Final", QByteArray(300, 'x')) << 400;
    QTest::newRow("over-long query") << main << good + "&x=" + QByteArray(9000, 'x') << 414;
    QTest::newRow("unknown phase") << main << good + "&ph=interval&at=0&hpk=&vpk=" << 400;
    QTest::newRow("malformed kicks") << main << good + "&ph=penalties&at=0&hpk=1o&vpk=1" << 400;
    QTest::newRow("match fields apart") << main << good + "&ph=halfTime&at=3" << 400;
    QTest::newRow("clock past 199:59")
        << main << QByteArray(good).replace("gt=10", "gt=200") << 400;
}

void TestUpdateHandler::refusals()
{
    QFETCH(QString, page);
    QFETCH(QByteArray, query);
    QFETCH(int, status);
    const Reply reply = m_handler->handle(page.toStdString(), query.toStdString());
    QCOMPARE(reply.status, status);
    QVERIFY(!reply.body.empty());
    QVERIFY2(reply.body.find('|') == std::string::npos, reply.body.c_str());
    QCOMPARE(m_store->state("main"), PageState());
    QVERIFY(m_changed.isEmpty());
}

void TestUpdateHandler::everyValueEmptyIsRefused()
{
    const Reply reply = m_handler->handle("main", query(websbtest::Values()));
    QCOMPARE(reply.status, 400);
    QVERIFY(reply.body.find('|') == std::string::npos);
    QCOMPARE(m_store->state("main"), PageState());
}

void TestUpdateHandler::theMatchIsStoredBesideTheFigures()
{
    // A match counted up: past 100 minutes, ten corner kicks, half-time with 3 minutes announced.
    websbtest::Values values = websbtest::sampleValues();
    values[4] = QStringLiteral("112:30");
    values[8] = QStringLiteral("12");
    const std::string withMatch = query(values) + "&ph=halfTime&at=3&hpk=&vpk=";
    const Reply reply = m_handler->handle("main", withMatch);
    QCOMPARE(reply.status, 200);
    // The echo is the thirteen values, as for any board.
    QCOMPARE(reply.body, "2|" + websbtest::echoOf(values));
    const PageState state = m_store->state("main");
    QCOMPARE(state.values[4], std::string("112:30"));
    QCOMPARE(state.values[8], std::string("12"));
    QCOMPARE(state.match, std::optional<MatchExtras>(MatchExtras{"halfTime", 3, "", ""}));

    QCOMPARE(
        m_handler->handle("main", query(values) + "&ph=penalties&at=0&hpk=10&vpk=1").status, 200);
    QCOMPARE(m_store->state("main").match,
        std::optional<MatchExtras>(MatchExtras{"penalties", 0, "10", "1"}));
    // An update without it (the board switched to another service and back, or an older board)
    // shows none.
    QCOMPARE(m_handler->handle("main", query(values)).status, 200);
    QCOMPARE(m_store->state("main").match, std::nullopt);
    QCOMPARE(m_changed.size(), 3);
}

QTEST_APPLESS_MAIN(TestUpdateHandler)

#include "tst_updatehandler.moc"
