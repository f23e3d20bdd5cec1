#include "eventstream.h"

#include "pagestore.h"

#include <thread>

namespace websb {

namespace {

// How soon a browser reconnects after the stream breaks (a restart of the service).
constexpr int RetryMs = 2000;

} // namespace

EventStream::EventStream(const PageStore &store, std::string page, std::chrono::milliseconds gap,
    std::chrono::milliseconds quiet)
    : m_store(store)
    , m_page(std::move(page))
    , m_gap(gap)
    , m_quiet(quiet)
{
}

std::optional<std::string> EventStream::next()
{
    std::string chunk;
    std::optional<PageStore::Snapshot> state;
    if (!m_seen) {
        chunk = "retry: " + std::to_string(RetryMs) + "\n";
        state = m_store.snapshot(m_page);
    } else {
        // Updates that come in the meantime are skipped over: the wait below gets the latest.
        std::this_thread::sleep_until(m_lastSent + m_gap);
        state = m_store.waitForChange(m_page, *m_seen, m_quiet);
    }
    if (m_store.isShutDown()) {
        return std::nullopt;
    }
    if (!state) {
        return std::string(": still here\n\n");
    }
    m_seen = state->version;
    m_lastSent = Clock::now();
    return chunk + "data: " + *state->json + "\n\n";
}

} // namespace websb
