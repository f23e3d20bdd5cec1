#include "passcode.h"

#include <QRandomGenerator>
#include <QStringList>

#include <array>

#include <openssl/crypto.h>
#include <openssl/evp.h>

namespace websb {

namespace {

const QString Scheme = QStringLiteral("pbkdf2-sha256");
constexpr int SaltLength = 16;
constexpr int DigestLength = 32;

// OpenSSL's PBKDF2 is five times quicker than Qt's here, which matters for the first update of
// every page after a restart.
QByteArray derive(const QByteArray &passcode, const QByteArray &salt, int iterations)
{
    QByteArray digest(DigestLength, Qt::Uninitialized);
    const int ok = PKCS5_PBKDF2_HMAC(passcode.constData(), static_cast<int>(passcode.size()),
        reinterpret_cast<const unsigned char *>(salt.constData()), static_cast<int>(salt.size()),
        iterations, EVP_sha256(), DigestLength, reinterpret_cast<unsigned char *>(digest.data()));
    return ok == 1 ? digest : QByteArray();
}

} // namespace

PasscodeHash hashPasscode(const QByteArray &passcode, int iterations)
{
    PasscodeHash hash;
    hash.iterations = iterations;
    std::array<quint32, SaltLength / 4> words{};
    QRandomGenerator::system()->generate(words.begin(), words.end());
    hash.salt = QByteArray(reinterpret_cast<const char *>(words.data()), SaltLength);
    hash.digest = derive(passcode, hash.salt, iterations);
    return hash;
}

QString formatPasscodeHash(const PasscodeHash &hash)
{
    return Scheme + QLatin1Char('$') + QString::number(hash.iterations) + QLatin1Char('$')
        + QString::fromLatin1(hash.salt.toBase64()) + QLatin1Char('$')
        + QString::fromLatin1(hash.digest.toBase64());
}

std::optional<PasscodeHash> parsePasscodeHash(const QString &text, QString *error)
{
    const auto fail = [&](const QString &message) -> std::optional<PasscodeHash> {
        if (error) {
            *error = message;
        }
        return std::nullopt;
    };
    const QStringList parts = text.split(QLatin1Char('$'));
    if (parts.size() != 4 || parts[0] != Scheme) {
        return fail(QStringLiteral("a passcode digest looks like %1$<iterations>$<salt>$<digest>; "
                                   "make one with --hash-passcode")
                        .arg(Scheme));
    }
    bool isNumber = false;
    PasscodeHash hash;
    hash.iterations = parts[1].toInt(&isNumber);
    if (!isNumber || hash.iterations < MinimumPasscodeIterations) {
        return fail(QStringLiteral("the digest's iteration count must be at least %1")
                        .arg(MinimumPasscodeIterations));
    }
    const auto decode = [](const QString &part, QByteArray &out) {
        auto decoded = QByteArray::fromBase64Encoding(
            part.toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
        out = decoded.decoded;
        return decoded.decodingStatus == QByteArray::Base64DecodingStatus::Ok;
    };
    if (!decode(parts[2], hash.salt) || hash.salt.size() < 8) {
        return fail(QStringLiteral("the digest's salt is not base64 of at least 8 bytes"));
    }
    if (!decode(parts[3], hash.digest) || hash.digest.size() != DigestLength) {
        return fail(QStringLiteral("the digest is not base64 of %1 bytes").arg(DigestLength));
    }
    return hash;
}

bool passcodeMatches(const PasscodeHash &hash, const QByteArray &passcode)
{
    const QByteArray derived = derive(passcode, hash.salt, hash.iterations);
    return !derived.isEmpty() && constantTimeEquals(derived, hash.digest);
}

bool constantTimeEquals(const QByteArray &a, const QByteArray &b)
{
    return a.size() == b.size()
        && CRYPTO_memcmp(a.constData(), b.constData(), static_cast<size_t>(a.size())) == 0;
}

} // namespace websb
