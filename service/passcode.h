#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Salted PBKDF2-HMAC-SHA256 digests of page passcodes, as they appear in the config:
// "pbkdf2-sha256$<iterations>$<salt, base64>$<digest, base64>". The passcode itself is never kept.
namespace websb {

struct PasscodeHash
{
    int iterations = 0;
    QByteArray salt;
    QByteArray digest;
};

inline constexpr int DefaultPasscodeIterations = 100000;
// Characters (code points) a new passcode has at least. A digest does not tell the length of its
// passcode, so config lines made before this rule, with shorter ones, are still read.
inline constexpr int MinimumNewPasscodeLength = 8;
// Weaker digests are not read at all.
inline constexpr int MinimumPasscodeIterations = 1000;
// What the config accepts: weaker is too quick to guess offline, stronger too slow to check.
inline constexpr int MinimumConfigIterations = 100000;
inline constexpr int MaximumConfigIterations = 10000000;

// A new digest with a random salt.
PasscodeHash hashPasscode(const QByteArray &passcode, int iterations = DefaultPasscodeIterations);

QString formatPasscodeHash(const PasscodeHash &hash);

// Empty with `error` set when the text is not a digest this program writes.
std::optional<PasscodeHash> parsePasscodeHash(const QString &text, QString *error = nullptr);

// Runs the slow derivation; the comparison takes the same time wherever the digests differ.
bool passcodeMatches(const PasscodeHash &hash, const QByteArray &passcode);

// Compares in time that depends on the lengths only (OpenSSL's CRYPTO_memcmp).
bool constantTimeEquals(const QByteArray &a, const QByteArray &b);

} // namespace websb
