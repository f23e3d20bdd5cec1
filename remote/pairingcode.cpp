#include "pairingcode.h"

#include <QRandomGenerator>

#include <algorithm>

namespace {

// Crockford's base 32: no I, L, O or U, so nothing reads as another character.
constexpr char Alphabet[] = "0123456789ABCDEFGHJKMNPQRSTVWXYZ";
constexpr int CodeLength = 13;
constexpr qint64 LongestLockMs = 5 * 60 * 1000;
// Addresses remembered at most; the oldest are forgotten first when more come.
constexpr qsizetype MostRecords = 4096;

QByteArray normalised(const QString &offered)
{
    QByteArray out;
    for (const QChar c : offered) {
        if (c == QLatin1Char('-') || c == QLatin1Char(' ')) {
            continue;
        }
        out.append(static_cast<char>(c.toUpper().unicode() & 0x7F));
        if (c.unicode() > 0x7F) {
            out.append('\x7F'); // never equal to any code character
        }
    }
    return out;
}

} // namespace

QString MakePairingCode()
{
    QString code;
    QRandomGenerator *random = QRandomGenerator::system();
    for (int i = 0; i < CodeLength; ++i) {
        code.append(QLatin1Char(Alphabet[random->bounded(32)]));
    }
    return code;
}

bool IsPairingCode(const QString &offered, const QString &code)
{
    const QByteArray a = normalised(offered);
    const QByteArray b = code.toLatin1();
    if (b.isEmpty()) {
        return false;
    }
    // Every byte of the code is compared whatever the offer's length, so the time says nothing.
    unsigned difference = a.size() == b.size() ? 0U : 1U;
    for (qsizetype i = 0; i < b.size(); ++i) {
        const char offeredByte = i < a.size() ? a.at(i) : '\0';
        difference |= static_cast<unsigned>(
            static_cast<unsigned char>(offeredByte) ^ static_cast<unsigned char>(b.at(i)));
    }
    return difference == 0;
}

QString GroupedPairingCode(const QString &code)
{
    if (code.size() != CodeLength) {
        return code;
    }
    return code.left(4) + QLatin1Char('-') + code.mid(4, 4) + QLatin1Char('-') + code.mid(8);
}

PairingGuard::PairingGuard(std::function<qint64()> now)
    : m_now(std::move(now))
{
}

std::optional<int> PairingGuard::retryAfter(const QString &address) const
{
    const auto it = m_records.constFind(address);
    if (it == m_records.constEnd() || it->lockedUntil <= m_now()) {
        return std::nullopt;
    }
    return static_cast<int>((it->lockedUntil - m_now() + 999) / 1000);
}

void PairingGuard::failed(const QString &address)
{
    const QString &key = address;
    if (!m_records.contains(key) && m_records.size() >= MostRecords) {
        // A crowd of addresses: forget the unlocked ones first, all of them if need be.
        m_records.removeIf(
            [now = m_now()](const auto &it) { return it.value().lockedUntil <= now; });
        if (m_records.size() >= MostRecords) {
            m_records.clear();
        }
    }
    Record &record = m_records[key];
    ++record.failures;
    if (record.failures > ForgivenFailures) {
        const int doublings = std::min(record.failures - ForgivenFailures - 1, 20);
        const qint64 lock = std::min<qint64>(qint64(1000) << doublings, LongestLockMs);
        record.lockedUntil = m_now() + lock;
    }
}

void PairingGuard::succeeded(const QString &address)
{
    m_records.remove(address);
}
