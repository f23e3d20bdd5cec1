#pragma once

#include "game/gamejournal.h"

#include <atomic>
#include <chrono>
#include <thread>

// A journal on a disk as slow as the test makes it; it counts the writes that reach the file.
class SlowJournal final : public GameJournal
{
public:
    using GameJournal::GameJournal;

    bool write(const JournalRecord &record, QString *error) override
    {
        std::this_thread::sleep_for(std::chrono::milliseconds(delayMs.load()));
        ++writes;
        return GameJournal::write(record, error);
    }

    std::atomic<int> delayMs = 0;
    std::atomic<int> writes = 0;
};
