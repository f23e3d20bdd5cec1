#pragma once

#include <QtGlobal>

#include <mutex>
#include <string>

// Refusals go to the log with the page, the address and the reason, never the query, which
// holds the passcode. A flood of bad requests is summed up instead of being written line by line.
namespace websb {

class RefusalLog
{
public:
    void note(const std::string &page, const std::string &address, const std::string &reason);

private:
    static constexpr int LinesPerSecond = 10;
    std::mutex m_mutex;
    qint64 m_second = 0;
    int m_shown = 0;
    int m_dropped = 0;
};

} // namespace websb
