#pragma once

#include <chrono>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>
#include <unordered_map>

// Limits wrong passcodes, per client and per page. A client is an IPv4 address, or the /64 of an
// IPv6 one (a single host may hold all of it). Each has a budget of wrong attempts a minute,
// refilled evenly; past it an attempt is refused before any slow digest runs, with a Retry-After
// that doubles with every refusal until the budget recovers. When a page's budget is spent only
// clients that never failed are still heard, and they share one client's budget at the page, so
// that guessers from ever new addresses get no more than one client would, while a board on a
// new address is told when to come back; the addresses the page's board published from are held
// by neither. For the same reason a
// page whose slow checks are all taken keeps one more for an address whose network (its /24, or
// /64 for IPv6) has no wrong or pending guess: a board that moved is heard while guessers hold the
// rest, unless they come from ever new networks. Thread-safe.
namespace websb {

struct GuessLimits
{
    int perAddress = 5; // wrong attempts a minute from one address
    int perPage = 30; // wrong attempts a minute at one page, from everywhere
    int inFlightPerAddress = 2; // slow checks one address may have waiting or running
    std::chrono::seconds longestWait = std::chrono::hours(1);
    // Slow checks one page may have waiting or running; beyond them only the addresses of its
    // board are checked, so guessers from many addresses, each within its own budget, cannot
    // queue more than these.
    int inFlightPerPage = 8;
};

class GuessLimiter
{
public:
    using Clock = std::function<std::chrono::steady_clock::time_point()>;

    struct Decision
    {
        bool admitted = false;
        bool suspect = false; // the address failed before: its checks wait behind the others
        bool reserved = false; // admitted to the page's check kept for networks not guessing
        int retryAfter = 0; // seconds, when refused
    };

    explicit GuessLimiter(GuessLimits limits = {}, Clock clock = {});

    // Before a passcode that only the slow digest can judge; an admitted one must be settled.
    // `board` (the address the page's board published from) is not held to the page's cap.
    Decision admit(const std::string &address, const std::string &page, bool board = false);
    // The outcome of an admitted check (`reserved` as its decision said). A right passcode clears
    // the address's record.
    void settle(
        const std::string &address, const std::string &page, bool right, bool reserved = false);
    // An admitted check that could not run: its budget is given back, nothing else changes.
    void withdraw(const std::string &address, const std::string &page, bool reserved = false);
    // A passcode known to be wrong without the slow digest still spends the budgets.
    Decision refuseKnownWrong(const std::string &address, const std::string &page);

    std::size_t trackedAddresses() const;

    // The client a budget is kept for: an IPv4 address (also when mapped into IPv6), the first
    // 64 bits of IPv6, or the text itself when it is not an address.
    static std::string clientOf(const std::string &address);
    // The network an address belongs to for the kept check: "a.b.c" of IPv4 (also when mapped
    // into IPv6), the first 64 bits of IPv6, or the text itself when it is not an address.
    static std::string networkOf(const std::string &address);

private:
    struct Budget
    {
        double tokens = 0;
        std::chrono::steady_clock::time_point refilled;
        int strikes = 0; // refusals in a row, for the growing Retry-After
        int inFlight = 0;
        int reservedInFlight = 0; // a page's: checks beyond its cap, see Decision::reserved
        bool failed = false;
    };

    void release(Budget &atPage, bool reserved) const;

    Budget &budget(std::unordered_map<std::string, Budget> &map, const std::string &key,
        int perMinute, std::chrono::steady_clock::time_point now);
    void refill(Budget &budget, int perMinute, std::chrono::steady_clock::time_point now) const;
    int refusal(Budget &budget, int perMinute);
    void prune(std::chrono::steady_clock::time_point now);

    const GuessLimits m_limits;
    const Clock m_clock;
    mutable std::mutex m_mutex;
    std::unordered_map<std::string, Budget> m_addresses;
    std::unordered_map<std::string, Budget> m_pages;
    // Per page, what clients that never failed share once the page's budget is spent.
    std::unordered_map<std::string, Budget> m_newcomers;
    // Networks with a wrong guess or one being checked, and since when.
    std::unordered_map<std::string, std::chrono::steady_clock::time_point> m_guessingNetworks;
};

} // namespace websb
