#include "addresscounter.h"

namespace websb {

bool AddressCounter::tryAcquire(const std::string &address, int cap)
{
    std::lock_guard lock(m_mutex);
    int &held = m_counts[address];
    if (held >= cap) {
        if (held == 0) {
            m_counts.erase(address);
        }
        return false;
    }
    ++held;
    return true;
}

void AddressCounter::release(const std::string &address)
{
    std::lock_guard lock(m_mutex);
    const auto found = m_counts.find(address);
    if (found != m_counts.end() && --found->second <= 0) {
        m_counts.erase(found);
    }
}

int AddressCounter::count(const std::string &address) const
{
    std::lock_guard lock(m_mutex);
    const auto found = m_counts.find(address);
    return found == m_counts.end() ? 0 : found->second;
}

std::size_t AddressCounter::addresses() const
{
    std::lock_guard lock(m_mutex);
    return m_counts.size();
}

} // namespace websb
