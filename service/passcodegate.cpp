#include "passcodegate.h"

#include <QMessageAuthenticationCode>
#include <QRandomGenerator>

#include <algorithm>
#include <array>

namespace websb {

namespace {

// Enough to spare a misconfigured board's retries the slow digest, small enough to scan.
constexpr std::size_t RememberedRefusals = 8;

} // namespace

PasscodeGate::PasscodeGate(const std::map<std::string, PasscodeHash> &hashes)
{
    std::array<quint32, 8> words{};
    QRandomGenerator::system()->generate(words.begin(), words.end());
    m_key = QByteArray(
        reinterpret_cast<const char *>(words.data()), static_cast<qsizetype>(sizeof(words)));
    for (const auto &[page, hash] : hashes) {
        auto entry = std::make_unique<Page>();
        entry->hash = hash;
        m_pages.emplace(page, std::move(entry));
    }
}

PasscodeGate::~PasscodeGate() = default;

QByteArray PasscodeGate::fastDigest(std::string_view passcode) const
{
    return QMessageAuthenticationCode::hash(
        QByteArray(passcode.data(), static_cast<qsizetype>(passcode.size())), m_key,
        QCryptographicHash::Sha256);
}

bool PasscodeGate::check(std::string_view page, std::string_view passcode)
{
    if (const std::optional<bool> known = quickCheck(page, passcode)) {
        return *known;
    }
    return slowCheck(page, passcode);
}

std::optional<bool> PasscodeGate::quickCheck(std::string_view page, std::string_view passcode) const
{
    const auto found = m_pages.find(page);
    if (found == m_pages.end()) {
        return false;
    }
    const Page &entry = *found->second;
    const QByteArray digest = fastDigest(passcode);
    std::lock_guard lock(entry.mutex);
    if (!entry.accepted.isEmpty() && constantTimeEquals(digest, entry.accepted)) {
        return true;
    }
    const auto same = [&](const QByteArray &known) { return constantTimeEquals(digest, known); };
    if (std::any_of(entry.refused.begin(), entry.refused.end(), same)) {
        return false;
    }
    return std::nullopt;
}

bool PasscodeGate::slowCheck(std::string_view page, std::string_view passcode)
{
    const auto found = m_pages.find(page);
    if (found == m_pages.end()) {
        return false;
    }
    Page &entry = *found->second;
    const bool matches = passcodeMatches(
        entry.hash, QByteArray(passcode.data(), static_cast<qsizetype>(passcode.size())));
    const QByteArray digest = fastDigest(passcode);
    std::lock_guard lock(entry.mutex);
    if (matches) {
        entry.accepted = digest;
    } else {
        entry.refused.push_back(digest);
        if (entry.refused.size() > RememberedRefusals) {
            entry.refused.pop_front();
        }
    }
    return matches;
}

} // namespace websb
