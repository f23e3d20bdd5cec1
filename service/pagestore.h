#pragma once

#include "pagestate.h"

#include <QtGlobal>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The last state of every configured page, shared by the update handler, the JSON answer and the
// live streams; thread-safe. Each page has its own lock and wake-up, so an update wakes only the
// viewers of that page.
namespace websb {

class PageStore
{
public:
    struct Snapshot
    {
        quint64 version = 0; // grows by one with every update
        std::shared_ptr<const std::string> json;
        // Names the content, the same on every instance: the ETag and the event stream's id.
        std::string tag;
    };

    explicit PageStore(const std::vector<std::string> &pages);
    ~PageStore();

    bool contains(std::string_view page) const;
    std::vector<std::string> pages() const;

    // Sets the state and tells the change listener; for an unknown page it does nothing.
    void update(std::string_view page, const PageState &state);
    // Sets the state as read back from disk, without telling the listener.
    void restore(std::string_view page, const PageState &state);

    PageState state(std::string_view page) const;
    Snapshot snapshot(std::string_view page) const;

    // Waits until the page's version is no longer `seen`. Empty after `timeout`, for an unknown
    // page, or once the store is shut down.
    std::optional<Snapshot> waitForChange(
        std::string_view page, quint64 seen, std::chrono::milliseconds timeout) const;

    // Releases every waiter for good, so that the server's threads can end.
    void shutdown();
    bool isShutDown() const;

    using ChangeListener = std::function<void(const std::string &page, const PageState &state)>;

    // Called after each update, outside the page's lock; set before the store is shared.
    void setChangeListener(ChangeListener listener);

private:
    struct Page;

    Page *find(std::string_view page) const;
    void set(std::string_view page, const PageState &state, bool notify);

    std::map<std::string, std::unique_ptr<Page>, std::less<>> m_pages;
    ChangeListener m_listener;
    std::atomic<bool> m_shutDown = false;
};

} // namespace websb
