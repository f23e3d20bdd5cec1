#include "pendingchecks.h"

namespace websb {

PendingChecks::Joined PendingChecks::joinOrStart(
    const std::string &key, Waiter waiter, const std::function<bool()> &admit)
{
    std::lock_guard lock(m_mutex);
    const auto pending = m_checks.find(key);
    if (pending != m_checks.end()) {
        pending->second.push_back(std::move(waiter));
        return Joined::Waiting;
    }
    if (!admit()) {
        return Joined::Refused;
    }
    m_checks[key].push_back(std::move(waiter));
    return Joined::Started;
}

void PendingChecks::finish(const std::string &key, const Outcome &outcome)
{
    std::vector<Waiter> waiting;
    {
        std::lock_guard lock(m_mutex);
        const auto pending = m_checks.find(key);
        if (pending == m_checks.end()) {
            return;
        }
        waiting = std::move(pending->second);
        m_checks.erase(pending);
    }
    for (const Waiter &waiter : waiting) {
        waiter(outcome);
    }
}

void PendingChecks::finishAll(const Outcome &outcome)
{
    std::map<std::string, std::vector<Waiter>> checks;
    {
        std::lock_guard lock(m_mutex);
        checks.swap(m_checks);
    }
    for (const auto &entry : checks) {
        for (const Waiter &waiter : entry.second) {
            waiter(outcome);
        }
    }
}

std::size_t PendingChecks::size() const
{
    std::lock_guard lock(m_mutex);
    return m_checks.size();
}

} // namespace websb
