#pragma once

#include <mutex>
#include <string>
#include <unordered_map>

// Counts what each client address holds open (connections, event streams) against a cap.
// Thread-safe; an address is forgotten when its count is back at zero.
namespace websb {

class AddressCounter
{
public:
    // Counts one more for `address` unless it already holds `cap`.
    bool tryAcquire(const std::string &address, int cap);
    void release(const std::string &address);
    int count(const std::string &address) const;
    std::size_t addresses() const;

private:
    mutable std::mutex m_mutex;
    std::unordered_map<std::string, int> m_counts;
};

} // namespace websb
