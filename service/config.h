#pragma once

#include "passcode.h"

#include <QString>

#include <map>
#include <string>

// The operator's settings: where to listen, what interval to ask of the boards, where to keep the
// pages' state, and each page with the digest of its passcode. Read from a small text file of
// "key = value" lines (see service/README.md); command-line options override the file.
namespace websb {

struct ServiceConfig
{
    QString host = QStringLiteral("127.0.0.1");
    int port = 8080;
    int interval = 2; // seconds the board waits before its next update
    QString dataFolder;
    int maxConnections = 2048; // open connections served at once, each on a thread
    std::map<std::string, PasscodeHash> pages;
};

inline constexpr int MaxInterval = 3600;
inline constexpr int MaxPageNameLength = 64;

// Letters, digits, "-" and "_": safe in a path, a file name and a log line.
bool isValidPageName(const QString &name);

// "host:port" or "[ipv6]:port"; port 0 asks the system for a free one.
bool parseListenAddress(const QString &text, QString &host, int &port);

// Parses the text of a config file into `config` (which holds the defaults). A relative data
// folder is taken from `baseFolder`. False with `error` naming the line on the first mistake.
bool parseConfig(
    const QString &text, const QString &baseFolder, ServiceConfig &config, QString &error);

bool loadConfigFile(const QString &path, ServiceConfig &config, QString &error);

// What --hash-passcode prints: the config line for `page`.
QString pageConfigLine(const QString &page, const PasscodeHash &hash);

} // namespace websb
