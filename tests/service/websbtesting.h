#pragma once

#include "service/boardquery.h"
#include "service/config.h"
#include "service/passcode.h"

#include <QString>
#include <QUrl>
#include <QUrlQuery>

#include <array>
#include <map>
#include <string>

// What the service's tests share: a board's figures and its update query, built the way the
// board builds it, and a config with quickly checked passcodes.
namespace websbtest {

using Values = std::array<QString, websb::BoardFieldCount>;

// A game in progress, with the characters a board's texts may hold.
inline Values sampleValues()
{
    return {QStringLiteral("Cup Final"), QStringLiteral("A&B Rovers"), QStringLiteral("Zürich"),
        QStringLiteral("3"), QStringLiteral("10:00"), QStringLiteral("1"), QStringLiteral("2"),
        QStringLiteral("12"), QStringLiteral("4"), QStringLiteral("7"), QStringLiteral("9"),
        QStringLiteral("2"), QStringLiteral("5")};
}

// Each value through QUrl::toPercentEncoding into a QUrlQuery, as the board sends it.
inline QUrlQuery boardQuery(const Values &values, const QString &passcode, bool final = false)
{
    QUrlQuery query;
    const auto add = [&](std::string_view key, const QString &value) {
        query.addQueryItem(QString::fromLatin1(key.data(), static_cast<qsizetype>(key.size())),
            QString::fromLatin1(QUrl::toPercentEncoding(value)));
    };
    for (std::size_t i = 0; i < values.size(); ++i) {
        add(websb::BoardFields[i].key, values[i]);
    }
    add(websbprotocol::PasscodeKey, passcode);
    if (final) {
        add(websbprotocol::FinalKey,
            QString::fromLatin1(
                websbprotocol::FinalValue.data(), qsizetype(websbprotocol::FinalValue.size())));
    }
    return query;
}

inline std::string rawBoardQuery(const Values &values, const QString &passcode, bool final = false)
{
    return boardQuery(values, passcode, final).query(QUrl::FullyEncoded).toStdString();
}

inline std::string echoOf(const Values &values)
{
    std::string echo;
    for (const QString &value : values) {
        echo += value.toStdString();
    }
    return echo;
}

// Digests at the lowest accepted cost, so that the sanitizer build stays quick.
inline std::map<std::string, websb::PasscodeHash> pageHashes(
    const std::map<std::string, QString> &passcodes)
{
    std::map<std::string, websb::PasscodeHash> hashes;
    for (const auto &[page, passcode] : passcodes) {
        hashes[page] = websb::hashPasscode(passcode.toUtf8(), websb::MinimumPasscodeIterations);
    }
    return hashes;
}

inline websb::ServiceConfig serviceConfig(
    const QString &dataFolder, const std::map<std::string, QString> &passcodes)
{
    websb::ServiceConfig config;
    config.port = 0;
    config.dataFolder = dataFolder;
    config.pages = pageHashes(passcodes);
    return config;
}

} // namespace websbtest
