#include "guesslimiter.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include <arpa/inet.h>

namespace websb {

namespace {

// Past this many tracked addresses, the ones with a full budget and nothing pending are dropped.
constexpr std::size_t PruneAbove = 10000;
// Checks a page keeps beyond its cap for addresses whose network has no wrong or pending guess:
// after a restart a board on an address not seen before is not refused while guessers hold every
// other check. Guessers from ever new networks can take it too, one guess per network.
constexpr int ReservedPerPage = 1;
// The first bytes of an IPv4 address written as IPv6 (::ffff:a.b.c.d).
constexpr unsigned char MappedIpv4[12] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xff, 0xff};

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
    Budget &fromAddress = budget(m_addresses, clientOf(address), m_limits.perAddress, now);
    Budget &atPage = budget(m_pages, page, m_limits.perPage, now);
    Decision decision;
    decision.suspect = fromAddress.failed;
    const bool fresh = !fromAddress.failed && fromAddress.inFlight == 0
        && !m_guessingNetworks.contains(networkOf(address));
    const bool pageFull = !board && atPage.inFlight >= m_limits.inFlightPerPage;
    decision.reserved = pageFull && fresh && atPage.reservedInFlight < ReservedPerPage;
    if (fromAddress.inFlight >= m_limits.inFlightPerAddress || (pageFull && !decision.reserved)) {
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
    if (atPage.tokens < 1.0 && !board) {
        Budget &shared = budget(m_newcomers, page, m_limits.perAddress, now);
        if (shared.tokens < 1.0) {
            // Until a guess is back, without doubling: guessers' refusals must not make a board
            // that comes next wait longer.
            decision.retryAfter = static_cast<int>(std::ceil(
                std::max(1.0, (1.0 - shared.tokens) * 60.0 / std::max(1, m_limits.perAddress))));
            return decision;
        }
        shared.tokens -= 1.0;
    }
    // Taken now and given back if the passcode is right, so parallel guesses cannot overdraw.
    fromAddress.tokens -= 1.0;
    atPage.tokens = std::max(0.0, atPage.tokens - 1.0);
    ++fromAddress.inFlight;
    ++(decision.reserved ? atPage.reservedInFlight : atPage.inFlight);
    // Until the passcode proves right: with many guesses in flight at once, the kept check must
    // not go to the next address of a network whose first guesses are still being checked.
    m_guessingNetworks[networkOf(address)] = now;
    decision.admitted = true;
    return decision;
}

void GuessLimiter::release(Budget &atPage, bool reserved) const
{
    int &count = reserved ? atPage.reservedInFlight : atPage.inFlight;
    count = std::max(0, count - 1);
}

void GuessLimiter::settle(
    const std::string &address, const std::string &page, bool right, bool reserved)
{
    const auto now = m_clock();
    std::lock_guard lock(m_mutex);
    Budget &fromAddress = budget(m_addresses, clientOf(address), m_limits.perAddress, now);
    Budget &atPage = budget(m_pages, page, m_limits.perPage, now);
    fromAddress.inFlight = std::max(0, fromAddress.inFlight - 1);
    release(atPage, reserved);
    if (!right) {
        fromAddress.failed = true;
        m_guessingNetworks[networkOf(address)] = now;
        return;
    }
    m_guessingNetworks.erase(networkOf(address));
    fromAddress.tokens = std::min<double>(m_limits.perAddress, fromAddress.tokens + 1.0);
    fromAddress.failed = false;
    fromAddress.strikes = 0;
    atPage.tokens = std::min<double>(m_limits.perPage, atPage.tokens + 1.0);
}

void GuessLimiter::withdraw(const std::string &address, const std::string &page, bool reserved)
{
    const auto now = m_clock();
    std::lock_guard lock(m_mutex);
    Budget &fromAddress = budget(m_addresses, clientOf(address), m_limits.perAddress, now);
    fromAddress.inFlight = std::max(0, fromAddress.inFlight - 1);
    fromAddress.tokens = std::min<double>(m_limits.perAddress, fromAddress.tokens + 1.0);
    Budget &atPage = budget(m_pages, page, m_limits.perPage, now);
    release(atPage, reserved);
    atPage.tokens = std::min<double>(m_limits.perPage, atPage.tokens + 1.0);
}

GuessLimiter::Decision GuessLimiter::refuseKnownWrong(
    const std::string &address, const std::string &page)
{
    Decision decision = admit(address, page);
    if (decision.admitted) {
        settle(address, page, false, decision.reserved);
        decision.admitted = false;
    }
    return decision;
}

std::size_t GuessLimiter::trackedAddresses() const
{
    std::lock_guard lock(m_mutex);
    return m_addresses.size();
}

std::string GuessLimiter::clientOf(const std::string &address)
{
    unsigned char bytes[16] = {};
    if (inet_pton(AF_INET6, address.c_str(), bytes) != 1) {
        return address; // IPv4, or not an address
    }
    if (std::equal(std::begin(MappedIpv4), std::end(MappedIpv4), bytes)) {
        char text[INET_ADDRSTRLEN] = {};
        inet_ntop(AF_INET, bytes + 12, text, sizeof(text));
        return text;
    }
    return networkOf(address) + "::/64";
}

std::string GuessLimiter::networkOf(const std::string &address)
{
    unsigned char bytes[16] = {};
    const auto join = [&](int from, int count, int step, const char *format, char separator) {
        std::string network;
        char part[8];
        for (int i = from; i < from + count; i += step) {
            const unsigned value = step == 1 ? bytes[i] : (unsigned(bytes[i]) << 8) | bytes[i + 1];
            std::snprintf(part, sizeof(part), format, value);
            network += (i > from ? std::string(1, separator) : std::string()) + part;
        }
        return network;
    };
    if (inet_pton(AF_INET, address.c_str(), bytes) == 1) {
        return join(0, 3, 1, "%u", '.');
    }
    if (inet_pton(AF_INET6, address.c_str(), bytes) == 1) {
        return std::equal(std::begin(MappedIpv4), std::end(MappedIpv4), bytes)
            ? join(12, 3, 1, "%u", '.')
            : join(0, 8, 2, "%x", ':');
    }
    return address;
}

void GuessLimiter::prune(std::chrono::steady_clock::time_point now)
{
    if (m_guessingNetworks.size() > PruneAbove) {
        // The ones older than the longest wait, and if that is not enough the older half: a
        // guesser with endless networks can only make the kept check less choosy.
        auto oldest = now - m_limits.longestWait;
        if (std::count_if(m_guessingNetworks.begin(), m_guessingNetworks.end(),
                [&](const auto &entry) { return entry.second >= oldest; })
            > static_cast<std::ptrdiff_t>(PruneAbove)) {
            std::vector<std::chrono::steady_clock::time_point> times;
            times.reserve(m_guessingNetworks.size());
            for (const auto &entry : m_guessingNetworks) {
                times.push_back(entry.second);
            }
            std::nth_element(times.begin(), times.begin() + times.size() / 2, times.end());
            oldest = times[times.size() / 2];
        }
        std::erase_if(m_guessingNetworks, [&](const auto &entry) { return entry.second < oldest; });
    }
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
