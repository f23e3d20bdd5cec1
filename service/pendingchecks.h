#pragma once

#include "updatehandler.h"

#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

// Slow passcode checks under way, by page and passcode, with the requests waiting on each: a
// board with several requests in flight spends the slow digest and its guess budget once, and
// every one of them hears what that check came to. Thread-safe.
namespace websb {

class PendingChecks
{
public:
    // The passcode's verdict, or the refusal the check itself met (told to all alike).
    struct Outcome
    {
        bool right = false;
        std::optional<Reply> refusal;
        int retryAfter = 0;
    };
    using Waiter = std::function<void(const Outcome &)>;

    enum class Joined {
        Waiting, // a check for the same key was under way: `waiter` waits on it
        Started, // `admit` let a new check start, with `waiter` its first
        Refused, // `admit` did not: `waiter` is dropped
    };

    // One step, so that two requests at once cannot both start a check: `admit` runs only when
    // no check for `key` is under way.
    Joined joinOrStart(const std::string &key, Waiter waiter, const std::function<bool()> &admit);
    // Ends the check for `key` and tells its waiters, outside the lock.
    void finish(const std::string &key, const Outcome &outcome);
    // Ends every check under way with `outcome` (the service's stop).
    void finishAll(const Outcome &outcome);
    // Checks under way.
    std::size_t size() const;

private:
    mutable std::mutex m_mutex;
    std::map<std::string, std::vector<Waiter>> m_checks;
};

} // namespace websb
