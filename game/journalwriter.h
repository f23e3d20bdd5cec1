#pragma once

#include "game/gamejournal.h"

#include <QString>

#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

// Keeps the game journal on disk from a worker thread, so that a slow disk never holds up the
// board. Only the newest record matters: a save replaces one not yet written.
class JournalWriter
{
public:
    explicit JournalWriter(GameJournal &journal);
    // Writes what is still waiting, then stops the worker.
    ~JournalWriter();
    JournalWriter(const JournalWriter &) = delete;
    JournalWriter &operator=(const JournalWriter &) = delete;

    // Queues `record`; returns at once.
    void save(const JournalRecord &record);
    // Drops what is waiting and removes the journal: once it returns, the journal is gone. It
    // waits only for a write already under way.
    void discard();
    // Waits until every save asked for is on disk.
    void flush();

    GameJournal &journal() { return m_journal; }

    // Told, on the writer's thread, when saving stops working (with why) and when it works
    // again: once each, however many saves fail in between. Set before the first save.
    using StatusListener = std::function<void(bool saving, const QString &why)>;
    void setStatusListener(StatusListener listener) { m_listener = std::move(listener); }

private:
    void run();

    GameJournal &m_journal;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_idle;
    std::optional<JournalRecord> m_waiting;
    bool m_writing = false;
    bool m_stopping = false;
    // Whether the last write reached the disk (as far as the listener has been told).
    bool m_saving = true;
    StatusListener m_listener;
    // Started with the first save, so that a program that journals nothing starts no thread.
    std::thread m_worker;
};
