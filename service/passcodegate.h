#pragma once

#include "passcode.h"

#include <QByteArray>

#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>

// Checks a board's passcode for a page: the slow digest once per new passcode, then a keyed fast
// digest (its key never leaves this process) remembered for it. Thread-safe; slow checks of
// different callers run in parallel, so the service bounds them with its worker pool.
namespace websb {

class PasscodeGate
{
public:
    explicit PasscodeGate(const std::map<std::string, PasscodeHash> &hashes);
    ~PasscodeGate();

    // False also for an unknown page.
    bool check(std::string_view page, std::string_view passcode);
    // The answer from the remembered digests alone; empty when only the slow digest can tell.
    std::optional<bool> quickCheck(std::string_view page, std::string_view passcode) const;
    // Runs the slow digest and remembers its answer.
    bool slowCheck(std::string_view page, std::string_view passcode);

private:
    struct Page
    {
        PasscodeHash hash;
        mutable std::mutex mutex;
        QByteArray accepted; // fast digest of the matching passcode, once seen
        std::deque<QByteArray> refused; // fast digests of recent wrong ones
    };

    QByteArray fastDigest(std::string_view passcode) const;

    QByteArray m_key;
    std::map<std::string, std::unique_ptr<Page>, std::less<>> m_pages;
};

} // namespace websb
