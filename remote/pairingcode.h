#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

#include <functional>
#include <optional>

// The remote control's pairing code: made from the system's random generator, compared in
// constant time, and guarded against guessing per client address.

// A new code: 13 characters of Crockford's base 32 (65 random bits), easy to read and type.
QString MakePairingCode();
// Whether `offered` is the code, in a time that does not depend on where they differ. Dashes,
// spaces and case in `offered` are ignored, as a person may type them.
bool IsPairingCode(const QString &offered, const QString &code);
// The code as a person reads it: in groups of four and five, "ABCD-EFGH-JKMNP".
QString GroupedPairingCode(const QString &code);

// Counts wrong codes per client address. A few are forgiven; after that the address is
// refused for a time that doubles with every further failure, up to five minutes.
class PairingGuard
{
public:
    // `now` is a monotonic clock in milliseconds.
    explicit PairingGuard(std::function<qint64()> now);

    // How long, in whole seconds, the address must wait before trying again; nullopt when it may.
    // Addresses as QHostAddress::toString() writes them.
    std::optional<int> retryAfter(const QString &address) const;
    void failed(const QString &address);
    void succeeded(const QString &address);

    static constexpr int ForgivenFailures = 5;

private:
    struct Record
    {
        int failures = 0;
        qint64 lockedUntil = 0;
    };
    std::function<qint64()> m_now;
    QHash<QString, Record> m_records;
};
