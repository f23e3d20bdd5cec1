#pragma once

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

// A fixed set of threads for the slow passcode digests, off the network threads. Two queues:
// checks from addresses that never failed go first, so a guesser's backlog never stands between
// a board and its first accepted update. Both queues together hold at most `maxQueued`.
namespace websb {

class PasscodePool
{
public:
    PasscodePool(int workers, std::size_t maxQueued);
    // Drops what is still queued and joins the workers once their current check is done.
    ~PasscodePool();

    PasscodePool(const PasscodePool &) = delete;
    PasscodePool &operator=(const PasscodePool &) = delete;

    // False, with nothing queued, when the queues are full.
    bool submit(bool suspect, std::function<void()> task);

    std::size_t workerCount() const { return m_workers.size(); }

private:
    void work();

    const std::size_t m_maxQueued;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<std::function<void()>> m_first;
    std::deque<std::function<void()>> m_suspects;
    bool m_stopping = false;
    std::vector<std::thread> m_workers;
};

} // namespace websb
