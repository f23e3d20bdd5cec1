#include "boardaddresses.h"

#include <QDebug>
#include <QFile>
#include <QSaveFile>

#include <algorithm>

namespace websb {

namespace {

// A page name and a numeric address are short; anything much larger is not ours.
constexpr qint64 MaxFileSize = 256 * 1024;
constexpr std::size_t MaxAddressLength = 64;

bool isAddressText(const std::string &text)
{
    return !text.empty() && text.size() <= MaxAddressLength
        && std::all_of(text.begin(), text.end(), [](char c) {
               return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F')
                   || c == '.' || c == ':';
           });
}

} // namespace

BoardAddresses::BoardAddresses(QString file)
    : m_file(std::move(file))
{
}

void BoardAddresses::load(const std::vector<std::string> &pages)
{
    std::lock_guard lock(m_mutex);
    m_pages.clear();
    QFile file(m_file);
    if (m_file.isEmpty() || !file.exists()) {
        return;
    }
    if (file.size() > MaxFileSize || !file.open(QIODevice::ReadOnly)) {
        qWarning().noquote() << QStringLiteral("varnelo-websb: cannot read %1; boards are "
                                               "recognised again once they publish")
                                    .arg(m_file);
        return;
    }
    while (!file.atEnd()) {
        const QList<QByteArray> parts = file.readLine().trimmed().split(' ');
        if (parts.size() != 2) {
            continue;
        }
        const std::string page = parts[0].toStdString();
        const std::string address = parts[1].toStdString();
        if (std::find(pages.begin(), pages.end(), page) == pages.end() || !isAddressText(address)) {
            continue;
        }
        std::deque<std::string> &known = m_pages[page];
        if (known.size() < PerPage
            && std::find(known.begin(), known.end(), address) == known.end()) {
            known.push_back(address);
        }
    }
}

bool BoardAddresses::contains(const std::string &page, const std::string &address) const
{
    std::lock_guard lock(m_mutex);
    const auto found = m_pages.find(page);
    return found != m_pages.end()
        && std::find(found->second.begin(), found->second.end(), address) != found->second.end();
}

void BoardAddresses::note(const std::string &page, const std::string &address)
{
    if (!isAddressText(address)) {
        return;
    }
    std::lock_guard lock(m_mutex);
    std::deque<std::string> &known = m_pages[page];
    if (!known.empty() && known.front() == address) {
        return; // the usual case: the same board again
    }
    const auto at = std::find(known.begin(), known.end(), address);
    if (at != known.end()) {
        known.erase(at);
    }
    known.push_front(address);
    if (known.size() > PerPage) {
        known.pop_back();
    }
    save();
}

std::vector<std::string> BoardAddresses::addresses(const std::string &page) const
{
    std::lock_guard lock(m_mutex);
    const auto found = m_pages.find(page);
    return found == m_pages.end()
        ? std::vector<std::string>()
        : std::vector<std::string>(found->second.begin(), found->second.end());
}

void BoardAddresses::save() const
{
    if (m_file.isEmpty()) {
        return;
    }
    QByteArray text = "# page address: where each board last published from (varnelo-websb)\n";
    for (const auto &[page, known] : m_pages) {
        for (const std::string &address : known) {
            text += QByteArray::fromStdString(page + ' ' + address + '\n');
        }
    }
    QSaveFile file(m_file);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit()) {
        qWarning().noquote() << QStringLiteral("varnelo-websb: cannot write %1").arg(m_file);
    }
}

} // namespace websb
