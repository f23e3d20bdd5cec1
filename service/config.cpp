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

} // namespace

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
        } else if (key == QLatin1String("connections")) {
            if (!parseBoundedInt(value, 16, 16384, parsed.maxConnections)) {
                return fail(QStringLiteral("connections must be from 16 to 16384"));
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
