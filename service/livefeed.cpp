#include "livefeed.h"

#include <boost/asio/post.hpp>

#include <algorithm>

namespace websb {

namespace {

// How soon a browser reconnects after the stream breaks (a restart of the service).
constexpr int RetryMs = 2000;
// Viewers one network thread sends an event to in one go.
constexpr std::size_t SliceSize = 512;

} // namespace

struct LiveFeed::Page
{
    explicit Page(boost::asio::io_context &context)
        : timer(context)
    {
    }

    std::mutex mutex;
    std::vector<std::weak_ptr<StreamSink>> viewers;
    std::vector<const StreamSink *> keys; // beside `viewers`, to find one to remove
    quint64 sentVersion = 0;
    Clock::time_point lastSent;
    Clock::time_point lastActivity = Clock::now();
    bool timerArmed = false;
    boost::asio::steady_timer timer;
};

LiveFeed::LiveFeed(boost::asio::io_context &context, const PageStore &store,
    std::chrono::milliseconds gap, std::chrono::milliseconds quiet)
    : m_store(store)
    , m_gap(gap)
    , m_quiet(quiet)
    , m_context(context)
    , m_heartbeat(context)
{
    for (const std::string &name : store.pages()) {
        auto page = std::make_unique<Page>(context);
        page->sentVersion = store.snapshot(name).version;
        m_pages.emplace(name, std::move(page));
    }
}

LiveFeed::~LiveFeed() = default;

std::string LiveFeed::event(const PageStore::Snapshot &snapshot)
{
    std::string text;
    text.reserve(snapshot.json->size() + 40);
    text += "id: ";
    text += snapshot.tag;
    text += "\ndata: ";
    text += *snapshot.json;
    text += "\n\n";
    return text;
}

void LiveFeed::start()
{
    beat();
}

void LiveFeed::stop()
{
    m_stopped = true;
    boost::asio::post(m_context, [this] {
        m_heartbeat.cancel();
        for (auto &entry : m_pages) {
            std::lock_guard lock(entry.second->mutex);
            entry.second->timer.cancel();
        }
    });
}

std::string LiveFeed::subscribe(
    const std::string &name, std::weak_ptr<StreamSink> viewer, std::string_view lastEventId)
{
    const auto found = m_pages.find(name);
    if (found == m_pages.end()) {
        return {};
    }
    Page &page = *found->second;
    std::lock_guard lock(page.mutex);
    const PageStore::Snapshot snapshot = m_store.snapshot(name);
    std::string first = "retry: " + std::to_string(RetryMs) + "\n";
    first += lastEventId == snapshot.tag ? std::string("\n") : event(snapshot);
    page.keys.push_back(viewer.lock().get());
    page.viewers.push_back(std::move(viewer));
    return first;
}

void LiveFeed::unsubscribe(const std::string &name, const StreamSink *viewer)
{
    const auto found = m_pages.find(name);
    if (found == m_pages.end()) {
        return;
    }
    Page &page = *found->second;
    std::lock_guard lock(page.mutex);
    const auto at = std::find(page.keys.begin(), page.keys.end(), viewer);
    if (at != page.keys.end()) {
        const auto index = at - page.keys.begin();
        // Order does not matter: move the last one into the gap.
        page.keys[static_cast<std::size_t>(index)] = page.keys.back();
        page.keys.pop_back();
        page.viewers[static_cast<std::size_t>(index)] = std::move(page.viewers.back());
        page.viewers.pop_back();
    }
}

void LiveFeed::pageChanged(const std::string &name)
{
    const auto found = m_pages.find(name);
    if (found == m_pages.end()) {
        return;
    }
    Page &page = *found->second;
    std::unique_lock lock(page.mutex);
    if (page.timerArmed || m_stopped) {
        return; // the timer sends the latest when it fires
    }
    const Clock::time_point due = page.lastSent + m_gap;
    if (Clock::now() >= due) {
        // Posted, not run here: the board's answer goes first, and both network threads share
        // the writes to a large crowd.
        page.timerArmed = true;
        lock.unlock();
        boost::asio::post(m_context, [this, name, &page] {
            {
                std::lock_guard relock(page.mutex);
                page.timerArmed = false;
            }
            broadcast(name, page);
        });
        return;
    }
    page.timerArmed = true;
    page.timer.expires_at(due);
    page.timer.async_wait([this, name, &page](boost::system::error_code error) {
        {
            std::lock_guard lock(page.mutex);
            page.timerArmed = false;
        }
        if (!error) {
            broadcast(name, page);
        }
    });
}

void LiveFeed::broadcast(const std::string &name, Page &page)
{
    std::shared_ptr<const std::vector<std::weak_ptr<StreamSink>>> viewers;
    std::shared_ptr<const std::string> bytes;
    {
        std::lock_guard lock(page.mutex);
        const PageStore::Snapshot snapshot = m_store.snapshot(name);
        // Two updates racing here must not send the older one last.
        if (snapshot.version <= page.sentVersion) {
            return;
        }
        page.sentVersion = snapshot.version;
        page.lastSent = Clock::now();
        page.lastActivity = page.lastSent;
        bytes = std::make_shared<const std::string>(chunk(event(snapshot)));
        viewers = std::make_shared<const std::vector<std::weak_ptr<StreamSink>>>(page.viewers);
    }
    // In slices, so that every network thread takes a share of a large crowd's writes at once
    // rather than one thread handing all of them out.
    const auto sendSlice = [viewers, bytes](std::size_t from) {
        const std::size_t to = std::min(viewers->size(), from + SliceSize);
        for (std::size_t i = from; i < to; ++i) {
            if (const auto viewer = (*viewers)[i].lock()) {
                viewer->send(bytes);
            }
        }
    };
    for (std::size_t from = SliceSize; from < viewers->size(); from += SliceSize) {
        boost::asio::post(m_context, [sendSlice, from] { sendSlice(from); });
    }
    sendSlice(0);
}

void LiveFeed::beat()
{
    m_heartbeat.expires_after(std::min<Clock::duration>(m_quiet, std::chrono::seconds(1)));
    m_heartbeat.async_wait([this](boost::system::error_code error) {
        if (error || m_stopped) {
            return;
        }
        const auto comment = std::make_shared<const std::string>(chunk(": still here\n\n"));
        const Clock::time_point now = Clock::now();
        for (auto &entry : m_pages) {
            Page &page = *entry.second;
            std::vector<std::weak_ptr<StreamSink>> viewers;
            {
                std::lock_guard lock(page.mutex);
                if (now - page.lastActivity < m_quiet) {
                    continue;
                }
                page.lastActivity = now;
                viewers = page.viewers;
            }
            for (const auto &weak : viewers) {
                if (const auto viewer = weak.lock()) {
                    viewer->send(comment, true);
                }
            }
        }
        beat();
    });
}

std::size_t LiveFeed::viewerCount() const
{
    std::size_t count = 0;
    for (const auto &entry : m_pages) {
        std::lock_guard lock(entry.second->mutex);
        count += entry.second->viewers.size();
    }
    return count;
}

} // namespace websb
