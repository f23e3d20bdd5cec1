#include "connectionqueue.h"

namespace websb {

ConnectionQueue::ConnectionQueue(std::size_t maxThreads)
    : m_maxThreads(maxThreads > 0 ? maxThreads : 1)
{
}

ConnectionQueue::~ConnectionQueue()
{
    shutdown();
}

void ConnectionQueue::enqueue(std::function<void()> task)
{
    {
        std::lock_guard lock(m_mutex);
        m_tasks.push_back(std::move(task));
        // Idle threads each take one task; start a thread only for tasks they cannot cover.
        if (m_tasks.size() > m_idle && m_threads.size() < m_maxThreads) {
            m_threads.emplace_back([this] { work(); });
            return;
        }
    }
    m_wake.notify_one();
}

void ConnectionQueue::shutdown()
{
    std::vector<std::thread> threads;
    {
        std::lock_guard lock(m_mutex);
        m_shuttingDown = true;
        threads.swap(m_threads);
    }
    m_wake.notify_all();
    for (std::thread &thread : threads) {
        thread.join();
    }
}

std::size_t ConnectionQueue::threadCount() const
{
    std::lock_guard lock(m_mutex);
    return m_threads.size();
}

void ConnectionQueue::work()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        ++m_idle;
        m_wake.wait(lock, [this] { return m_shuttingDown || !m_tasks.empty(); });
        --m_idle;
        if (m_tasks.empty()) {
            return; // shutting down with nothing left
        }
        std::function<void()> task = std::move(m_tasks.front());
        m_tasks.pop_front();
        lock.unlock();
        task();
        lock.lock();
    }
}

} // namespace websb
