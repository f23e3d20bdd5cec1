#pragma once

#include "httpserver.h"
#include "pagestore.h"

#include <boost/asio/io_context.hpp>
#include <boost/asio/steady_timer.hpp>

#include <atomic>
#include <chrono>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

// The pages' event streams: each update is made into one event, once, and the same bytes go to
// every viewer of the page, at most once per `gap` (updates in between are skipped for the
// latest). A quiet page sends a comment after `quiet`, so that a viewer who left is noticed and
// proxies keep the line open. Every event carries the state's tag as its id, so a viewer that
// reconnects with Last-Event-ID is not sent again what it shows.
namespace websb {

class LiveFeed
{
public:
    LiveFeed(boost::asio::io_context &context, const PageStore &store,
        std::chrono::milliseconds gap = std::chrono::milliseconds(250),
        std::chrono::milliseconds quiet = std::chrono::seconds(15));
    ~LiveFeed();

    LiveFeed(const LiveFeed &) = delete;
    LiveFeed &operator=(const LiveFeed &) = delete;

    void start();
    // Cancels the timers; the viewers are ended by the server.
    void stop();

    // Adds a viewer and returns what it is sent first: the reconnection delay, and the current
    // state unless `lastEventId` already names it.
    std::string subscribe(
        const std::string &page, std::weak_ptr<StreamSink> viewer, std::string_view lastEventId);
    void unsubscribe(const std::string &page, const StreamSink *viewer);

    // The page's state has changed in the store.
    void pageChanged(const std::string &page);

    std::size_t viewerCount() const;

    // "id: <tag>\ndata: <json>\n\n"
    static std::string event(const PageStore::Snapshot &snapshot);

private:
    using Clock = std::chrono::steady_clock;
    struct Page;

    void broadcast(const std::string &name, Page &page);
    void beat();

    const PageStore &m_store;
    const std::chrono::milliseconds m_gap;
    const std::chrono::milliseconds m_quiet;
    boost::asio::io_context &m_context;
    boost::asio::steady_timer m_heartbeat;
    std::map<std::string, std::unique_ptr<Page>, std::less<>> m_pages;
    std::atomic<bool> m_stopped = false;
};

} // namespace websb
