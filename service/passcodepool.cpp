#include "passcodepool.h"

#include <algorithm>

namespace websb {

PasscodePool::PasscodePool(int workers, std::size_t maxQueued)
    : m_maxQueued(maxQueued)
{
    for (int i = 0; i < std::max(1, workers); ++i) {
        m_workers.emplace_back([this] { work(); });
    }
}

PasscodePool::~PasscodePool()
{
    stop();
}

void PasscodePool::stop()
{
    {
        std::lock_guard lock(m_mutex);
        m_stopping = true;
        m_boards.clear();
        m_first.clear();
        m_suspects.clear();
    }
    m_wake.notify_all();
    for (std::thread &worker : m_workers) {
        if (worker.joinable()) {
            worker.join();
        }
    }
}

bool PasscodePool::submit(Lane lane, std::function<void()> task)
{
    {
        std::lock_guard lock(m_mutex);
        if (m_stopping
            || (lane != Lane::Board && m_first.size() + m_suspects.size() >= m_maxQueued)) {
            return false;
        }
        (lane == Lane::Board          ? m_boards
                : lane == Lane::First ? m_first
                                      : m_suspects)
            .push_back(std::move(task));
    }
    m_wake.notify_one();
    return true;
}

void PasscodePool::work()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] {
            return m_stopping || !m_boards.empty() || !m_first.empty() || !m_suspects.empty();
        });
        std::deque<std::function<void()>> &queue = !m_boards.empty() ? m_boards
            : !m_first.empty()                                       ? m_first
                                                                     : m_suspects;
        if (queue.empty()) {
            return; // stopping with nothing left
        }
        std::function<void()> task = std::move(queue.front());
        queue.pop_front();
        lock.unlock();
        task();
        lock.lock();
    }
}

} // namespace websb
