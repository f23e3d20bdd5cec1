#pragma once

#include "game/gamejournal.h"

#include <condition_variable>
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

private:
    void run();

    GameJournal &m_journal;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_idle;
    std::optional<JournalRecord> m_waiting;
    bool m_writing = false;
    bool m_stopping = false;
    // Started with the first save, so that a program that journals nothing starts no thread.
    std::thread m_worker;
};
