#pragma once

#include <QString>
#include <QStringList>

#include <chrono>
#include <condition_variable>
#include <map>
#include <mutex>
#include <string>
#include <thread>

// Keeps the last state of every page on disk, one JSON file per page, replaced atomically
// (QSaveFile) on a thread of its own. A page's file is rewritten at most once per `gap`; the last
// update of a game, a flush and the stop write at once.
namespace websb {

class PageStore;

class StateWriter
{
public:
    StateWriter(const PageStore &store, const QString &folder,
        std::chrono::milliseconds gap = std::chrono::seconds(1));
    // Writes what is still pending, then stops.
    ~StateWriter();

    StateWriter(const StateWriter &) = delete;
    StateWriter &operator=(const StateWriter &) = delete;

    // `urgent` writes without waiting for the page's gap.
    void schedule(const std::string &page, bool urgent = false);
    // Returns once everything scheduled before the call is on disk (or has failed, reported).
    void flush();

    static QString fileFor(const QString &folder, const std::string &page);

private:
    void run();
    void write(const std::string &page) const;

    using Clock = std::chrono::steady_clock;

    const PageStore &m_store;
    const QString m_folder;
    const std::chrono::milliseconds m_gap;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_idle;
    std::map<std::string, Clock::time_point> m_pending; // page → when it may be written
    std::map<std::string, Clock::time_point> m_written; // page → its last write
    int m_flushing = 0;
    bool m_writing = false;
    bool m_stopping = false;
    std::thread m_thread;
};

// Reads the saved state of every page of `store` from `folder`. A file that cannot be used is
// left alone and named in the returned messages; the page starts empty.
QStringList restorePages(PageStore &store, const QString &folder);

} // namespace websb
