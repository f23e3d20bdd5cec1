#include "pagestore.h"

#include <QCryptographicHash>

namespace websb {

namespace {

std::string contentTag(const std::string &json)
{
    return QCryptographicHash::hash(
        QByteArray::fromRawData(json.data(), static_cast<qsizetype>(json.size())),
        QCryptographicHash::Sha1)
        .toHex()
        .left(20)
        .toStdString();
}

} // namespace

struct PageStore::Page
{
    mutable std::mutex mutex;
    mutable std::condition_variable changed;
    PageState state;
    Snapshot snapshot;
    bool shutDown = false;
};

PageStore::PageStore(const std::vector<std::string> &pages)
{
    for (const std::string &name : pages) {
        auto page = std::make_unique<Page>();
        page->snapshot.json = std::make_shared<const std::string>(pageJson(name, page->state));
        page->snapshot.tag = contentTag(*page->snapshot.json);
        m_pages.emplace(name, std::move(page));
    }
}

PageStore::~PageStore() = default;

PageStore::Page *PageStore::find(std::string_view page) const
{
    const auto found = m_pages.find(page);
    return found == m_pages.end() ? nullptr : found->second.get();
}

bool PageStore::contains(std::string_view page) const
{
    return find(page) != nullptr;
}

std::vector<std::string> PageStore::pages() const
{
    std::vector<std::string> names;
    for (const auto &entry : m_pages) {
        names.push_back(entry.first);
    }
    return names;
}

void PageStore::set(std::string_view name, const PageState &state, bool notify)
{
    Page *page = find(name);
    if (!page) {
        return;
    }
    // Built before taking the lock: viewers waiting on the page need not wait for the JSON.
    auto json = std::make_shared<const std::string>(pageJson(name, state));
    std::string tag = contentTag(*json);
    {
        std::lock_guard lock(page->mutex);
        page->state = state;
        page->snapshot.json = std::move(json);
        page->snapshot.tag = std::move(tag);
        ++page->snapshot.version;
    }
    page->changed.notify_all();
    if (notify && m_listener) {
        m_listener(std::string(name), state);
    }
}

void PageStore::update(std::string_view page, const PageState &state)
{
    set(page, state, true);
}

void PageStore::restore(std::string_view page, const PageState &state)
{
    set(page, state, false);
}

PageState PageStore::state(std::string_view name) const
{
    const Page *page = find(name);
    if (!page) {
        return {};
    }
    std::lock_guard lock(page->mutex);
    return page->state;
}

PageStore::Snapshot PageStore::snapshot(std::string_view name) const
{
    const Page *page = find(name);
    if (!page) {
        return {};
    }
    std::lock_guard lock(page->mutex);
    return page->snapshot;
}

std::optional<PageStore::Snapshot> PageStore::waitForChange(
    std::string_view name, quint64 seen, std::chrono::milliseconds timeout) const
{
    const Page *page = find(name);
    if (!page) {
        return std::nullopt;
    }
    std::unique_lock lock(page->mutex);
    const bool changed = page->changed.wait_for(
        lock, timeout, [&] { return page->shutDown || page->snapshot.version != seen; });
    if (!changed || page->shutDown) {
        return std::nullopt;
    }
    return page->snapshot;
}

void PageStore::shutdown()
{
    m_shutDown = true;
    for (auto &entry : m_pages) {
        Page &page = *entry.second;
        {
            std::lock_guard lock(page.mutex);
            page.shutDown = true;
        }
        page.changed.notify_all();
    }
}

bool PageStore::isShutDown() const
{
    return m_shutDown;
}

void PageStore::setChangeListener(ChangeListener listener)
{
    m_listener = std::move(listener);
}

} // namespace websb
