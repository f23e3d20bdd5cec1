#include "service/boardaddresses.h"
#include "service/guesslimiter.h"
#include "service/httpmessage.h"

#include <QFile>
#include <QTemporaryDir>
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
    void newAddressesShareOneBudgetOnceThePageIsSpent();
    void ipv6ClientsAreCountedBy64();
    void parallelGuessesCannotOverdraw();
    void pageCapHoldsManyAddressesButNotTheBoard();
    void networkOfAnAddress_data();
    void networkOfAnAddress();
    void boardAddressesSurviveARestart();
    void boardAddressesFileIsReadWarily();
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

void TestGuessLimiter::newAddressesShareOneBudgetOnceThePageIsSpent()
{
    FakeClock time;
    GuessLimiter limiter({5, 3, 2, 1h}, time.clock());
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(guess(limiter, "10.0.0.1"), 0);
    }
    // Guessers from ever new addresses share one address's budget at the page: five a minute.
    int heard = 0;
    int longestWait = 0;
    for (int i = 1; i <= 20; ++i) {
        const int wait = guess(limiter, "10.0." + std::to_string(i) + ".1");
        heard += wait == 0;
        longestWait = std::max(longestWait, wait);
    }
    QCOMPARE(heard, 5);
    // A new board is told when a guess is back, not an ever longer wait.
    QCOMPARE(longestWait, 12);
    // The shared budget comes back with time (the page's too, but slower: 3 a minute),
    time.now += 12s;
    QCOMPARE(guess(limiter, "10.0.30.1"), 0);
    QVERIFY(guess(limiter, "10.0.31.1") > 0);
    // the addresses the page's board published from are not held by it,
    QVERIFY(limiter.admit("10.0.99.1", "main", true).admitted);
    limiter.settle("10.0.99.1", "main", true);
    // and another page has budgets of its own.
    QCOMPARE(guess(limiter, "10.0.50.1", "other"), 0);
}

void TestGuessLimiter::ipv6ClientsAreCountedBy64()
{
    FakeClock time;
    GuessLimiter limiter({3, 1000, 2, 1h}, time.clock());
    // A host holds a whole /64: its addresses share one budget.
    QCOMPARE(guess(limiter, "2001:db8:0:1::1"), 0);
    QCOMPARE(guess(limiter, "2001:db8:0:1::2"), 0);
    QCOMPARE(guess(limiter, "2001:db8:0:1:ffff::3"), 0);
    QCOMPARE(guess(limiter, "2001:db8:0:1::4"), 20); // one guess back every 20 s
    QCOMPARE(guess(limiter, "2001:db8:0:2::1"), 0);
    // An IPv4 address is a client of its own, also written as IPv6.
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(guess(limiter, "192.0.2.1"), 0);
    }
    QVERIFY(guess(limiter, "::ffff:192.0.2.1") > 0);
    QCOMPARE(guess(limiter, "192.0.2.2"), 0);
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

void TestGuessLimiter::pageCapHoldsManyAddressesButNotTheBoard()
{
    FakeClock time;
    GuessLimits limits{5, 1000, 2, 1h};
    limits.inFlightPerPage = 3;
    GuessLimiter limiter(limits, time.clock());
    // Three clean addresses fill the page's checks; one more from a network with no guess has the
    // check kept for such addresses, and the next waits, whatever its own budget.
    for (const char *address : {"10.0.1.1", "10.0.1.2", "10.0.1.3"}) {
        const GuessLimiter::Decision decision = limiter.admit(address, "main");
        QVERIFY(decision.admitted && !decision.reserved);
    }
    QVERIFY(!limiter.admit("10.0.1.4", "main").admitted); // its network's guesses are pending
    const GuessLimiter::Decision kept = limiter.admit("10.0.4.4", "main");
    QVERIFY(kept.admitted && kept.reserved);
    const GuessLimiter::Decision next = limiter.admit("10.0.5.5", "main");
    QVERIFY(!next.admitted);
    QCOMPARE(next.retryAfter, 1);
    // Another page has checks of its own, and the page's board is never held by the cap.
    QVERIFY(limiter.admit("10.0.5.5", "other").admitted);
    QVERIFY(limiter.admit("10.0.0.9", "main", true).admitted);
    limiter.settle("10.0.0.9", "main", true);
    // Each settled or withdrawn check makes room again, the kept one only for the kept one.
    limiter.settle("10.0.4.4", "main", false, true);
    QVERIFY(!limiter.admit("10.0.4.4", "main").admitted); // failed: never in the kept check
    QVERIFY(!limiter.admit("10.0.4.6", "main").admitted); // nor its network
    const GuessLimiter::Decision again = limiter.admit("10.0.2.6", "main");
    QVERIFY(again.admitted && again.reserved);
    limiter.settle("10.0.1.1", "main", false);
    QVERIFY(limiter.admit("10.0.1.7", "main").admitted);
    QVERIFY(!limiter.admit("10.0.1.8", "main").admitted);
    limiter.withdraw("10.0.1.2", "main");
    QVERIFY(limiter.admit("10.0.1.8", "main").admitted);
    limiter.withdraw("10.0.2.6", "main", true);
    QVERIFY(limiter.admit("10.0.3.9", "main").reserved);
    // A right passcode from the network makes it welcome in the kept check again.
    limiter.settle("10.0.3.9", "main", false, true);
    QVERIFY(!limiter.admit("10.0.3.11", "main").admitted);
    QVERIFY(limiter.admit("10.0.3.10", "main", true).admitted);
    limiter.settle("10.0.3.10", "main", true);
    QVERIFY(limiter.admit("10.0.3.11", "main").reserved);
}

void TestGuessLimiter::networkOfAnAddress_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("network");
    QTest::newRow("IPv4") << "192.0.2.77"
                          << "192.0.2";
    QTest::newRow("IPv4 in IPv6") << "::ffff:192.0.2.77"
                                  << "192.0.2";
    QTest::newRow("IPv6") << "2001:db8:0:1:abcd::7"
                          << "2001:db8:0:1";
    QTest::newRow("loopback IPv6") << "::1"
                                   << "0:0:0:0";
    QTest::newRow("not an address") << "board.example"
                                    << "board.example";
}

void TestGuessLimiter::networkOfAnAddress()
{
    QFETCH(QString, address);
    QFETCH(QString, network);
    QCOMPARE(QString::fromStdString(GuessLimiter::networkOf(address.toStdString())), network);
}

void TestGuessLimiter::boardAddressesSurviveARestart()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("board-addresses"));
    {
        BoardAddresses boards(file);
        boards.load({"main", "second"});
        QVERIFY(!boards.contains("main", "127.0.0.1"));
        boards.note("main", "127.0.0.1");
        boards.note("second", "2001:db8::1");
        for (int i = 2; i <= 6; ++i) {
            boards.note("main", "192.0.2." + std::to_string(i));
        }
        boards.note("main", "192.0.2.4"); // seen again: the most recent, not twice
    }
    BoardAddresses restarted(file);
    restarted.load({"main", "second"});
    QCOMPARE(restarted.addresses("main"),
        (std::vector<std::string>{"192.0.2.4", "192.0.2.6", "192.0.2.5", "192.0.2.3"}));
    QVERIFY(!restarted.contains("main", "127.0.0.1")); // the oldest of five is forgotten
    QVERIFY(restarted.contains("second", "2001:db8::1"));
    QVERIFY(!restarted.contains("main", "2001:db8::1"));
    // A page no longer configured is not read back.
    BoardAddresses fewer(file);
    fewer.load({"main"});
    QVERIFY(fewer.addresses("second").empty());
}

void TestGuessLimiter::boardAddressesFileIsReadWarily()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("board-addresses"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("# comment\nmain 192.0.2.1\nmain\nmain 192.0.2.2 extra\nmain not/an-address\n"
               "main 192.0.2.1\nnowhere 192.0.2.3\n\xff\xfe\n");
    file.close();
    BoardAddresses boards(path);
    boards.load({"main"});
    QCOMPARE(boards.addresses("main"), std::vector<std::string>{"192.0.2.1"});
    // Not an address: never kept, so never written to the file.
    boards.note("main", "x\nmain 1.2.3.4");
    QCOMPARE(boards.addresses("main"), std::vector<std::string>{"192.0.2.1"});
    // A missing file is an empty start, and an unwritable one does not stop the service.
    BoardAddresses nowhere(dir.filePath(QStringLiteral("missing/board-addresses")));
    nowhere.load({"main"});
    QVERIFY(nowhere.addresses("main").empty());
    nowhere.note("main", "192.0.2.9");
    QVERIFY(nowhere.contains("main", "192.0.2.9"));
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
