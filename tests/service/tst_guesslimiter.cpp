#include "service/guesslimiter.h"
#include "service/httpmessage.h"

#include <QTest>

using namespace websb;
using namespace std::chrono_literals;

// The guess limits on a clock the test moves, and the parts of an answer an attacker could
// steer: the client address behind a proxy and the headers of a reply.
class TestGuessLimiter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void addressBudgetThenGrowingWait();
    void rightPasscodeClearsTheRecord();
    void pageBudgetStillHearsNewAddresses();
    void parallelGuessesCannotOverdraw();
    void forwardedAddress_data();
    void forwardedAddress();
    void headersCannotBeSplit();
};

namespace {

struct FakeClock
{
    std::chrono::steady_clock::time_point now{};
    GuessLimiter::Clock clock()
    {
        return [this] { return now; };
    }
};

int guess(GuessLimiter &limiter, const std::string &address, const std::string &page = "main")
{
    const GuessLimiter::Decision decision = limiter.admit(address, page);
    if (decision.admitted) {
        limiter.settle(address, page, false);
        return 0;
    }
    return decision.retryAfter;
}

} // namespace

void TestGuessLimiter::addressBudgetThenGrowingWait()
{
    FakeClock time;
    GuessLimiter limiter({5, 1000, 2, 1h}, time.clock());
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(guess(limiter, "10.0.0.1"), 0);
    }
    const int first = guess(limiter, "10.0.0.1");
    const int second = guess(limiter, "10.0.0.1");
    const int third = guess(limiter, "10.0.0.1");
    QCOMPARE(first, 12); // one guess back every 12 s
    QCOMPARE(second, 2 * first);
    QCOMPARE(third, 4 * first);
    // Another address is not held by this one's guesses.
    QCOMPARE(guess(limiter, "10.0.0.2"), 0);
    // The budget comes back with time, and the wait shrinks back with it.
    time.now += 12s;
    QCOMPARE(guess(limiter, "10.0.0.1"), 0);
    QCOMPARE(guess(limiter, "10.0.0.1"), 12);
}

void TestGuessLimiter::rightPasscodeClearsTheRecord()
{
    FakeClock time;
    GuessLimiter limiter({2, 1000, 2, 1h}, time.clock());
    QVERIFY(!limiter.admit("board", "main").suspect);
    limiter.settle("board", "main", false);
    const GuessLimiter::Decision retry = limiter.admit("board", "main");
    QVERIFY(retry.admitted);
    QVERIFY(retry.suspect); // it failed once: its checks wait behind clean addresses
    limiter.settle("board", "main", true);
    const GuessLimiter::Decision after = limiter.admit("board", "main");
    QVERIFY(after.admitted && !after.suspect);
    limiter.settle("board", "main", true);
}

void TestGuessLimiter::pageBudgetStillHearsNewAddresses()
{
    FakeClock time;
    GuessLimiter limiter({100, 3, 2, 1h}, time.clock());
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(guess(limiter, "guesser"), 0);
    }
    // The page's budget is spent: the guesser is refused however much budget its address has,
    QVERIFY(guess(limiter, "guesser") > 0);
    QCOMPARE(guess(limiter, "guesser", "other"), 0);
    // but a board that never failed is still heard.
    const GuessLimiter::Decision board = limiter.admit("board", "main");
    QVERIFY(board.admitted);
    limiter.settle("board", "main", true);
}

void TestGuessLimiter::parallelGuessesCannotOverdraw()
{
    FakeClock time;
    GuessLimiter limiter({5, 1000, 2, 1h}, time.clock());
    QVERIFY(limiter.admit("a", "main").admitted);
    QVERIFY(limiter.admit("a", "main").admitted);
    const GuessLimiter::Decision third = limiter.admit("a", "main");
    QVERIFY(!third.admitted);
    QCOMPARE(third.retryAfter, 1);
    limiter.withdraw("a", "main");
    QVERIFY(limiter.admit("a", "main").admitted);
    // Known wrong passcodes spend the budget as well: three of the five are left.
    limiter.settle("a", "main", false);
    limiter.settle("a", "main", false);
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(limiter.refuseKnownWrong("a", "main").retryAfter, 0);
    }
    QVERIFY(limiter.refuseKnownWrong("a", "main").retryAfter > 0);
}

void TestGuessLimiter::forwardedAddress_data()
{
    QTest::addColumn<QString>("peer");
    QTest::addColumn<QString>("forwarded");
    QTest::addColumn<QString>("client");

    QTest::newRow("no proxy") << "192.0.2.7"
                              << "198.51.100.1"
                              << "192.0.2.7";
    QTest::newRow("trusted proxy") << "127.0.0.1"
                                   << "198.51.100.1"
                                   << "198.51.100.1";
    QTest::newRow("spoofed entry before the proxy's") << "127.0.0.1"
                                                      << "203.0.113.9, 198.51.100.1"
                                                      << "198.51.100.1";
    QTest::newRow("two trusted proxies") << "127.0.0.1"
                                         << "198.51.100.1, 10.0.0.2"
                                         << "198.51.100.1";
    QTest::newRow("garbage") << "127.0.0.1"
                             << "not-an-address"
                             << "127.0.0.1";
    QTest::newRow("no header") << "127.0.0.1"
                               << ""
                               << "127.0.0.1";
    QTest::newRow("mapped IPv4") << "::ffff:192.0.2.7"
                                 << ""
                                 << "192.0.2.7";
    QTest::newRow("IPv6 forwarded") << "127.0.0.1"
                                    << " 2001:db8::1 "
                                    << "2001:db8::1";
}

void TestGuessLimiter::forwardedAddress()
{
    QFETCH(QString, peer);
    QFETCH(QString, forwarded);
    QFETCH(QString, client);
    const std::vector<std::string> trusted{"127.0.0.1", "10.0.0.2"};
    QCOMPARE(
        QString::fromStdString(clientAddress(peer.toStdString(), forwarded.toStdString(), trusted)),
        client);
}

void TestGuessLimiter::headersCannotBeSplit()
{
    HttpResponse response = textResponse(429, "wait");
    response.headers.emplace_back("Retry-After", "7");
    response.headers.emplace_back("X-Evil", "a\r\nSet-Cookie: x=1");
    const std::string bytes = formatResponse(response, false, true);
    QVERIFY(bytes.rfind("HTTP/1.1 429 Too Many Requests\r\n", 0) == 0);
    QVERIFY(bytes.find("Retry-After: 7\r\n") != std::string::npos);
    QVERIFY(bytes.find("Set-Cookie") == std::string::npos);
    QVERIFY(bytes.find("Content-Length: 4\r\n") != std::string::npos);
    QVERIFY(bytes.find("X-Content-Type-Options: nosniff\r\n") != std::string::npos);
    QVERIFY(bytes.substr(bytes.size() - 8) == "\r\n\r\nwait");
    // A HEAD answer has the length but not the body.
    const std::string head = formatResponse(response, true, false);
    QVERIFY(head.find("Content-Length: 4\r\n") != std::string::npos);
    QVERIFY(head.substr(head.size() - 4) == "\r\n\r\n");
    QVERIFY(head.find("Connection: close") != std::string::npos);
    QCOMPARE(chunk("abc"), std::string("3\r\nabc\r\n"));
    QCOMPARE(chunk(""), std::string());
}

QTEST_APPLESS_MAIN(TestGuessLimiter)

#include "tst_guesslimiter.moc"
