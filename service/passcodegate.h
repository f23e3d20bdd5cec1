#pragma once

#include "passcode.h"

#include <QByteArray>

#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>

// Checks a board's passcode for a page: the slow digest once per new passcode, then a keyed fast
// digest (its key never leaves this process) remembered for it. Slow checks run one at a time,
// so guessing can use at most one core.
namespace websb {

class PasscodeGate
{
public:
    explicit PasscodeGate(const std::map<std::string, PasscodeHash> &hashes);
    ~PasscodeGate();

    // False also for an unknown page.
    bool check(std::string_view page, std::string_view passcode);

private:
    struct Page
    {
        PasscodeHash hash;
        std::mutex mutex;
        QByteArray accepted; // fast digest of the matching passcode, once seen
        std::deque<QByteArray> refused; // fast digests of recent wrong ones
    };

    QByteArray fastDigest(std::string_view passcode) const;

    QByteArray m_key;
    std::map<std::string, std::unique_ptr<Page>, std::less<>> m_pages;
    std::mutex m_slowCheck;
};

} // namespace websb
