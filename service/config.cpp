#include "config.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHostAddress>
#include <QRegularExpression>

namespace websb {

namespace {

constexpr qint64 MaxConfigSize = 1024 * 1024;

bool parseBoundedInt(const QString &text, int minimum, int maximum, int &value)
{
    bool ok = false;
    const int parsed = text.toInt(&ok);
    if (!ok || parsed < minimum || parsed > maximum) {
        return false;
    }
    value = parsed;
    return true;
}

// The numeric keys: each with its range and the setting it fills.
struct Bound
{
    const char *key;
    int minimum;
    int maximum;
    void (*set)(ServiceConfig &, int);
};

const Bound Bounds[] = {
    {"connections", 16, 1000000, [](ServiceConfig &c, int v) { c.maxConnections = v; }},
    {"threads", 1, 64, [](ServiceConfig &c, int v) { c.threads = v; }},
    {"passcode-workers", 1, 64, [](ServiceConfig &c, int v) { c.passcodeWorkers = v; }},
    {"header-timeout", 1, 600,
        [](ServiceConfig &c, int v) { c.limits.headerTimeout = std::chrono::seconds(v); }},
    {"idle-timeout", 1, 86400,
        [](ServiceConfig &c, int v) { c.limits.idleTimeout = std::chrono::seconds(v); }},
    {"write-timeout", 1, 3600,
        [](ServiceConfig &c, int v) { c.limits.writeTimeout = std::chrono::seconds(v); }},
    {"max-request", 1024, 1024 * 1024,
        [](ServiceConfig &c, int v) { c.limits.maxRequestBytes = static_cast<std::size_t>(v); }},
    {"connections-per-address", 1, 1000000,
        [](ServiceConfig &c, int v) { c.limits.perAddress = v; }},
    {"streams", 1, 1000000, [](ServiceConfig &c, int v) { c.limits.maxStreams = v; }},
    {"streams-per-address", 1, 1000000,
        [](ServiceConfig &c, int v) { c.limits.streamsPerAddress = v; }},
    {"retry-after", 1, 3600, [](ServiceConfig &c, int v) { c.limits.retryAfter = v; }},
    {"guesses-per-address", 1, 10000, [](ServiceConfig &c, int v) { c.guesses.perAddress = v; }},
    {"guesses-per-page", 1, 100000, [](ServiceConfig &c, int v) { c.guesses.perPage = v; }},
    {"checks-per-page", 1, 10000, [](ServiceConfig &c, int v) { c.guesses.inFlightPerPage = v; }},
};

const Bound *findBound(const QString &key)
{
    for (const Bound &bound : Bounds) {
        if (key == QLatin1String(bound.key)) {
            return &bound;
        }
    }
    return nullptr;
}

} // namespace

std::optional<RedisAddress> parseRedisAddress(const QString &text)
{
    RedisAddress address;
    static const QRegularExpression tcp(QRegularExpression::anchoredPattern(
        QStringLiteral("redis://(\\[[0-9A-Fa-f:.]+\\]|[0-9.]+):([0-9]{1,5})(?:/([0-9]{1,2}))?/?")));
    const QString unixPrefix = QStringLiteral("unix://");
    if (text.startsWith(unixPrefix)) {
        address.socketPath = text.mid(unixPrefix.size());
        return address.socketPath.startsWith(QLatin1Char('/')) && address.socketPath.size() > 1
            ? std::optional(address)
            : std::nullopt;
    }
    const QRegularExpressionMatch match = tcp.match(text);
    if (!match.hasMatch()) {
        return std::nullopt;
    }
    QString host = match.captured(1);
    if (host.startsWith(QLatin1Char('['))) {
        host = host.mid(1, host.size() - 2);
    }
    if (QHostAddress(host).isNull()) {
        return std::nullopt;
    }
    address.host = host;
    address.port = match.captured(2).toInt();
    address.database = match.captured(3).isEmpty() ? 0 : match.captured(3).toInt();
    if (address.port < 1 || address.port > 65535) {
        return std::nullopt;
    }
    return address;
}

bool isValidPageName(const QString &name)
{
    static const QRegularExpression pattern(
        QRegularExpression::anchoredPattern(QStringLiteral("[A-Za-z0-9_-]+")));
    return name.size() <= MaxPageNameLength && pattern.match(name).hasMatch();
}

bool parseListenAddress(const QString &text, QString &host, int &port)
{
    const qsizetype colon = text.lastIndexOf(QLatin1Char(':'));
    if (colon <= 0) {
        return false;
    }
    QString address = text.left(colon);
    if (address.startsWith(QLatin1Char('[')) && address.endsWith(QLatin1Char(']'))) {
        address = address.mid(1, address.size() - 2);
    } else if (address.contains(QLatin1Char(':'))) {
        return false; // an IPv6 address needs brackets
    }
    int parsedPort = 0;
    if (!parseBoundedInt(text.mid(colon + 1), 0, 65535, parsedPort)) {
        return false;
    }
    // Only numeric addresses: a name could resolve to something else tomorrow.
    if (QHostAddress(address).isNull()) {
        return false;
    }
    host = address;
    port = parsedPort;
    return true;
}

bool parseConfig(
    const QString &text, const QString &baseFolder, ServiceConfig &config, QString &error)
{
    ServiceConfig parsed = config;
    int lineNumber = 0;
    for (const QString &rawLine : text.split(QLatin1Char('\n'))) {
        ++lineNumber;
        const QString line = rawLine.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) {
            continue;
        }
        const auto fail = [&](const QString &message) {
            error = QStringLiteral("line %1: %2").arg(lineNumber).arg(message);
            return false;
        };
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals < 0) {
            return fail(QStringLiteral("expected \"key = value\""));
        }
        const QString key = line.left(equals).trimmed();
        const QString value = line.mid(equals + 1).trimmed();

        if (key == QLatin1String("listen")) {
            if (!parseListenAddress(value, parsed.host, parsed.port)) {
                return fail(QStringLiteral("listen must be a numeric address and a port, such as "
                                           "127.0.0.1:8080 or [::1]:8080"));
            }
        } else if (key == QLatin1String("interval")) {
            if (!parseBoundedInt(value, 1, MaxInterval, parsed.interval)) {
                return fail(
                    QStringLiteral("interval must be whole seconds from 1 to %1").arg(MaxInterval));
            }
        } else if (const auto *bound = findBound(key)) {
            int number = 0;
            if (!parseBoundedInt(value, bound->minimum, bound->maximum, number)) {
                return fail(QStringLiteral("%1 must be a whole number from %2 to %3")
                                .arg(key)
                                .arg(bound->minimum)
                                .arg(bound->maximum));
            }
            bound->set(parsed, number);
        } else if (key == QLatin1String("trusted-proxy")) {
            const QStringList addresses = value.split(QLatin1Char(' '), Qt::SkipEmptyParts);
            for (const QString &address : addresses) {
                if (QHostAddress(address).isNull()) {
                    return fail(QStringLiteral("trusted-proxy takes numeric addresses"));
                }
                parsed.trustedProxies.push_back(QHostAddress(address).toString());
            }
            if (addresses.isEmpty()) {
                return fail(QStringLiteral("trusted-proxy needs an address"));
            }
        } else if (key == QLatin1String("redis")) {
            parsed.redis = parseRedisAddress(value);
            if (!parsed.redis) {
                return fail(QStringLiteral(
                    "redis must be redis://HOST:PORT/DB or unix:///PATH, with a numeric host"));
            }
        } else if (key == QLatin1String("data")) {
            if (value.isEmpty()) {
                return fail(QStringLiteral("data needs a folder"));
            }
            parsed.dataFolder = QDir(baseFolder).absoluteFilePath(value);
        } else if (key == QLatin1String("page")) {
            const QStringList parts = value.split(QLatin1Char(' '), Qt::SkipEmptyParts);
            if (parts.size() != 2) {
                return fail(QStringLiteral("expected \"page = <name> <digest>\""));
            }
            if (!isValidPageName(parts[0])) {
                return fail(QStringLiteral("a page name has 1 to %1 letters, digits, - or _")
                                .arg(MaxPageNameLength));
            }
            QString hashError;
            const auto hash = parsePasscodeHash(parts[1], &hashError);
            if (!hash) {
                return fail(hashError);
            }
            if (hash->iterations < MinimumConfigIterations
                || hash->iterations > MaximumConfigIterations) {
                return fail(QStringLiteral("the digest's iteration count must be from %1 to %2; "
                                           "make one with --hash-passcode")
                                .arg(MinimumConfigIterations)
                                .arg(MaximumConfigIterations));
            }
            if (passcodeMatches(*hash, QByteArray())) {
                return fail(QStringLiteral("page %1 has an empty passcode, which lets anyone "
                                           "publish; make one with --hash-passcode")
                                .arg(parts[0]));
            }
            if (!parsed.pages.emplace(parts[0].toStdString(), *hash).second) {
                return fail(QStringLiteral("page %1 appears twice").arg(parts[0]));
            }
        } else {
            return fail(QStringLiteral("unknown key \"%1\"").arg(key));
        }
    }
    config = std::move(parsed);
    return true;
}

bool loadConfigFile(const QString &path, ServiceConfig &config, QString &error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
        return false;
    }
    if (file.size() > MaxConfigSize) {
        error = QStringLiteral("%1 is too large to be a config file").arg(path);
        return false;
    }
    QString lineError;
    if (!parseConfig(
            QString::fromUtf8(file.readAll()), QFileInfo(path).absolutePath(), config, lineError)) {
        error = path + QStringLiteral(", ") + lineError;
        return false;
    }
    return true;
}

QString pageConfigLine(const QString &page, const PasscodeHash &hash)
{
    return QStringLiteral("page = ") + page + QLatin1Char(' ') + formatPasscodeHash(hash);
}

} // namespace websb
