#include "guesslimiter.h"

#include <algorithm>
#include <cmath>

namespace websb {

namespace {

// Past this many tracked addresses, the ones with a full budget and nothing pending are dropped.
constexpr std::size_t PruneAbove = 10000;

} // namespace

GuessLimiter::GuessLimiter(GuessLimits limits, Clock clock)
    : m_limits(limits)
    , m_clock(clock ? std::move(clock) : [] { return std::chrono::steady_clock::now(); })
{
}

void GuessLimiter::refill(
    Budget &entry, int perMinute, std::chrono::steady_clock::time_point now) const
{
    const double minutes = std::chrono::duration<double>(now - entry.refilled).count() / 60.0;
    entry.tokens = std::min<double>(perMinute, entry.tokens + minutes * perMinute);
    entry.refilled = now;
    if (entry.tokens >= 1.0) {
        entry.strikes = 0;
    }
}

GuessLimiter::Budget &GuessLimiter::budget(std::unordered_map<std::string, Budget> &map,
    const std::string &key, int perMinute, std::chrono::steady_clock::time_point now)
{
    const auto [found, added] = map.try_emplace(key);
    if (added) {
        found->second.tokens = perMinute;
        found->second.refilled = now;
    } else {
        refill(found->second, perMinute, now);
    }
    return found->second;
}

int GuessLimiter::refusal(Budget &entry, int perMinute)
{
    // Until one token is back, doubled with every refusal in a row.
    const double untilToken = (1.0 - entry.tokens) * 60.0 / std::max(1, perMinute);
    const double grown = std::ldexp(std::max(1.0, untilToken), std::min(entry.strikes, 16));
    ++entry.strikes;
    return static_cast<int>(
        std::ceil(std::min(grown, static_cast<double>(m_limits.longestWait.count()))));
}

GuessLimiter::Decision GuessLimiter::admit(
    const std::string &address, const std::string &page, bool board)
{
    const auto now = m_clock();
    std::lock_guard lock(m_mutex);
    prune(now);
    Budget &fromAddress = budget(m_addresses, address, m_limits.perAddress, now);
    Budget &atPage = budget(m_pages, page, m_limits.perPage, now);
    Decision decision;
    decision.suspect = fromAddress.failed;
    if (fromAddress.inFlight >= m_limits.inFlightPerAddress
        || (!board && atPage.inFlight >= m_limits.inFlightPerPage)) {
        decision.retryAfter = 1;
        return decision;
    }
    if (fromAddress.tokens < 1.0) {
        decision.retryAfter = refusal(fromAddress, m_limits.perAddress);
        return decision;
    }
    if (atPage.tokens < 1.0 && (fromAddress.failed || fromAddress.inFlight > 0)) {
        decision.retryAfter = refusal(atPage, m_limits.perPage);
        return decision;
    }
    // Taken now and given back if the passcode is right, so parallel guesses cannot overdraw.
    fromAddress.tokens -= 1.0;
    atPage.tokens = std::max(0.0, atPage.tokens - 1.0);
    ++fromAddress.inFlight;
    ++atPage.inFlight;
    decision.admitted = true;
    return decision;
}

void GuessLimiter::settle(const std::string &address, const std::string &page, bool right)
{
    const auto now = m_clock();
    std::lock_guard lock(m_mutex);
    Budget &fromAddress = budget(m_addresses, address, m_limits.perAddress, now);
    Budget &atPage = budget(m_pages, page, m_limits.perPage, now);
    fromAddress.inFlight = std::max(0, fromAddress.inFlight - 1);
    atPage.inFlight = std::max(0, atPage.inFlight - 1);
    if (!right) {
        fromAddress.failed = true;
        return;
    }
    fromAddress.tokens = std::min<double>(m_limits.perAddress, fromAddress.tokens + 1.0);
    fromAddress.failed = false;
    fromAddress.strikes = 0;
    atPage.tokens = std::min<double>(m_limits.perPage, atPage.tokens + 1.0);
}

void GuessLimiter::withdraw(const std::string &address, const std::string &page)
{
    const auto now = m_clock();
    std::lock_guard lock(m_mutex);
    Budget &fromAddress = budget(m_addresses, address, m_limits.perAddress, now);
    fromAddress.inFlight = std::max(0, fromAddress.inFlight - 1);
    fromAddress.tokens = std::min<double>(m_limits.perAddress, fromAddress.tokens + 1.0);
    Budget &atPage = budget(m_pages, page, m_limits.perPage, now);
    atPage.inFlight = std::max(0, atPage.inFlight - 1);
    atPage.tokens = std::min<double>(m_limits.perPage, atPage.tokens + 1.0);
}

GuessLimiter::Decision GuessLimiter::refuseKnownWrong(
    const std::string &address, const std::string &page)
{
    Decision decision = admit(address, page);
    if (decision.admitted) {
        settle(address, page, false);
        decision.admitted = false;
    }
    return decision;
}

std::size_t GuessLimiter::trackedAddresses() const
{
    std::lock_guard lock(m_mutex);
    return m_addresses.size();
}

void GuessLimiter::prune(std::chrono::steady_clock::time_point now)
{
    if (m_addresses.size() <= PruneAbove) {
        return;
    }
    for (auto it = m_addresses.begin(); it != m_addresses.end();) {
        refill(it->second, m_limits.perAddress, now);
        const bool idle = it->second.inFlight == 0 && it->second.tokens >= m_limits.perAddress;
        it = idle ? m_addresses.erase(it) : std::next(it);
    }
}

} // namespace websb
