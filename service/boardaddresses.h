#pragma once

#include <QString>

#include <deque>
#include <map>
#include <mutex>
#include <string>
#include <vector>

// The client addresses from which each page's board last published with the right passcode,
// kept in a small file so that they are known at once after a restart. A check from one of them
// goes before every guess: after a restart the right passcode is not yet known, and guessers from
// many addresses must not stand between the board and its first update. Only addresses are kept,
// nothing derived from a passcode, so the file helps no one guess it. Thread-safe.
namespace websb {

class BoardAddresses
{
public:
    // The few most recent per page: a board that moves (another network) is still known.
    static constexpr std::size_t PerPage = 4;

    // `file` empty keeps them in memory only.
    explicit BoardAddresses(QString file);

    // Reads the file; lines that are not "<page> <address>" for one of `pages` are skipped.
    void load(const std::vector<std::string> &pages);

    bool contains(const std::string &page, const std::string &address) const;
    // Marks `address` as the page's board; the file is rewritten only when the set changes.
    void note(const std::string &page, const std::string &address);

    std::vector<std::string> addresses(const std::string &page) const;

private:
    void save() const; // with m_mutex held

    const QString m_file;
    mutable std::mutex m_mutex;
    std::map<std::string, std::deque<std::string>> m_pages; // most recent first
};

} // namespace websb
