#pragma once

#include <httplib.h>

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

// The server's task queue: a thread for each open connection, started when none is idle, up to a
// limit. cpp-httplib keeps a connection on one thread while it is open, and a live page keeps
// its connection for the whole game, so a pool the size of the cores would starve the boards.
namespace websb {

class ConnectionQueue : public httplib::TaskQueue
{
public:
    explicit ConnectionQueue(std::size_t maxThreads);
    ~ConnectionQueue() override;

    void enqueue(std::function<void()> task) override;
    void shutdown() override;

    std::size_t threadCount() const;

private:
    void work();

    const std::size_t m_maxThreads;
    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<std::function<void()>> m_tasks;
    std::vector<std::thread> m_threads;
    std::size_t m_idle = 0;
    bool m_shuttingDown = false;
};

} // namespace websb
