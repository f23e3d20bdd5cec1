#pragma once

#include <QtGlobal>

#include <chrono>
#include <optional>
#include <string>

// One viewer's Server-Sent Events for a page: the current state at once, then the latest state
// at most once per `gap` (each event costs a wake-up and a write), and a comment after `quiet`
// so that a viewer who left is noticed and proxies keep the line open.
namespace websb {

class PageStore;

class EventStream
{
public:
    EventStream(const PageStore &store, std::string page,
        std::chrono::milliseconds gap = std::chrono::milliseconds(250),
        std::chrono::milliseconds quiet = std::chrono::seconds(15));

    // Blocks until there is something to send; empty once the store is shut down.
    std::optional<std::string> next();

private:
    using Clock = std::chrono::steady_clock;

    const PageStore &m_store;
    const std::string m_page;
    const std::chrono::milliseconds m_gap;
    const std::chrono::milliseconds m_quiet;
    std::optional<quint64> m_seen; // version of the last state sent
    Clock::time_point m_lastSent;
};

} // namespace websb
