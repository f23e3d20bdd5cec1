#include "service/pendingchecks.h"

#include <QTest>

#include <atomic>
#include <thread>
#include <vector>

using namespace websb;
using namespace std::chrono_literals;

// A board sends many updates at once after a restart, from one address: only one of them may
// spend a slow check and the guess budget, and every one must hear that check's outcome.
class TestPendingChecks : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void requestsAtOnceShareOneCheck_data();
    void requestsAtOnceShareOneCheck();
    void aRefusedCheckKeepsNoWaiter();
};

void TestPendingChecks::requestsAtOnceShareOneCheck_data()
{
    QTest::addColumn<bool>("right");
    QTest::addColumn<int>("refusalStatus"); // 0: a verdict
    QTest::newRow("right") << true << 0;
    QTest::newRow("wrong") << false << 0;
    QTest::newRow("no worker free") << false << 503;
}

void TestPendingChecks::requestsAtOnceShareOneCheck()
{
    QFETCH(bool, right);
    QFETCH(int, refusalStatus);
    PendingChecks checks;
    std::atomic<int> admitted = 0;
    std::atomic<int> started = 0;
    std::atomic<int> told = 0;
    std::atomic<int> toldOtherwise = 0;
    const auto waiter = [&](const PendingChecks::Outcome &outcome) {
        const bool expected = outcome.right == right
            && (refusalStatus ? outcome.refusal && outcome.refusal->status == refusalStatus
                              : !outcome.refusal);
        ++(expected ? told : toldOtherwise);
    };
    // Another page's check is its own.
    QCOMPARE(checks.joinOrStart(
                 "second\ntwo", [](const auto &) {}, [] { return true; }),
        PendingChecks::Joined::Started);
    constexpr int Requests = 8;
    std::vector<std::thread> requests;
    for (int i = 0; i < Requests; ++i) {
        requests.emplace_back([&] {
            const auto joined = checks.joinOrStart("main\ns3cret", waiter, [&] {
                // Slow enough that every other request arrives while it decides.
                std::this_thread::sleep_for(20ms);
                ++admitted;
                return true;
            });
            started += joined == PendingChecks::Joined::Started ? 1 : 0;
        });
    }
    for (std::thread &request : requests) {
        request.join();
    }
    QCOMPARE(admitted.load(), 1);
    QCOMPARE(started.load(), 1);
    QCOMPARE(told.load(), 0);
    QCOMPARE(checks.joinOrStart(
                 "second\ntwo", [](const auto &) {}, [] { return true; }),
        PendingChecks::Joined::Waiting);

    PendingChecks::Outcome outcome{right, std::nullopt, 0};
    if (refusalStatus) {
        outcome.refusal = Reply{refusalStatus, "busy"};
    }
    checks.finish("main\ns3cret", outcome);
    checks.finish("main\ns3cret", outcome);
    QCOMPARE(told.load(), Requests);
    QCOMPARE(toldOtherwise.load(), 0);
    // Once ended, the next request needs a check of its own.
    QCOMPARE(checks.joinOrStart("main\ns3cret", waiter, [] { return true; }),
        PendingChecks::Joined::Started);
}

void TestPendingChecks::aRefusedCheckKeepsNoWaiter()
{
    PendingChecks checks;
    int told = 0;
    int asked = 0;
    const auto refuse = [&] {
        ++asked;
        return false;
    };
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(checks.joinOrStart(
                     "main\nguess", [&](const auto &) { ++told; }, refuse),
            PendingChecks::Joined::Refused);
    }
    checks.finish("main\nguess", {});
    QCOMPARE(asked, 3);
    QCOMPARE(told, 0);
}

QTEST_APPLESS_MAIN(TestPendingChecks)
#include "tst_pendingchecks.moc"
