#pragma once

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

// A fixed set of threads for the slow passcode digests, off the network threads. Three queues:
// checks from a page's known board addresses first, then from addresses that never failed, then
// the rest, so that a guesser's backlog never stands between a board and its first accepted
// update. The last two together hold at most `maxQueued`; the boards' queue is bounded by the
// few addresses known per page and by the per-address limits.
namespace websb {

class PasscodePool
{
public:
    PasscodePool(int workers, std::size_t maxQueued);
    // Calls stop().
    ~PasscodePool();

    PasscodePool(const PasscodePool &) = delete;
    PasscodePool &operator=(const PasscodePool &) = delete;

    enum class Lane { Board, First, Suspect };

    // False, with nothing queued, when the queues are full (never for a board).
    bool submit(Lane lane, std::function<void()> task);

    std::size_t workerCount() const { return m_workers.size(); }

    // Drops what is still queued and joins the workers once their current check is done; what
    // is submitted afterwards is refused.
    void stop();

private:
    void work();

    const std::size_t m_maxQueued;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<std::function<void()>> m_boards;
    std::deque<std::function<void()>> m_first;
    std::deque<std::function<void()>> m_suspects;
    bool m_stopping = false;
    std::vector<std::thread> m_workers;
};

} // namespace websb
