#include "journalwriter.h"

JournalWriter::JournalWriter(GameJournal &journal)
    : m_journal(journal)
{
}

JournalWriter::~JournalWriter()
{
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_one();
    if (m_worker.joinable()) {
        m_worker.join();
    }
}

void JournalWriter::save(const JournalRecord &record)
{
    {
        const std::lock_guard lock(m_mutex);
        m_waiting = record;
        if (!m_worker.joinable()) {
            m_worker = std::thread([this] { run(); });
        }
    }
    m_wake.notify_one();
}

void JournalWriter::discard()
{
    std::unique_lock lock(m_mutex);
    m_waiting.reset();
    // A write under way would bring the file back after the removal.
    m_idle.wait(lock, [this] { return !m_writing; });
    m_journal.remove();
}

void JournalWriter::flush()
{
    std::unique_lock lock(m_mutex);
    m_idle.wait(lock, [this] { return !m_writing && !m_waiting; });
}

void JournalWriter::run()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_stopping || m_waiting; });
        if (!m_waiting) {
            return; // stopping, with nothing left to write
        }
        const JournalRecord record = std::move(*m_waiting);
        m_waiting.reset();
        m_writing = true;
        lock.unlock();
        // A journal that cannot be written leaves the game as it is; the next change tries again.
        QString why;
        const bool saved = m_journal.write(record, &why);
        if (saved != m_saving) {
            m_saving = saved;
            if (m_listener) {
                m_listener(saved, why);
            }
        }
        lock.lock();
        m_writing = false;
        m_idle.notify_all();
    }
}
