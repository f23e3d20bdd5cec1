#pragma once

#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <QTemporaryDir>

#include <sys/types.h>

// Headless Chromium driven over the DevTools protocol on a pipe (--remote-debugging-pipe):
// messages are JSON, each ended by a NUL byte, written to the browser's fd 3 and read from its
// fd 4. No WebSocket client and no download needed: only Debian's chromium package.
class ChromiumSession
{
public:
    ChromiumSession() = default;
    ~ChromiumSession();

    ChromiumSession(const ChromiumSession &) = delete;
    ChromiumSession &operator=(const ChromiumSession &) = delete;

    // False with `error` set when the browser is missing or does not answer.
    bool start(QString &error);

    // Opens `url` in a new tab and returns the session to talk to it, or an empty string.
    QString openTab(const QString &url);

    // Gives the tab a phone's screen: `width` x `height` CSS pixels, touch, mobile layout.
    void emulatePhone(const QString &session, int width, int height);

    // Gives the tab a desktop screen of `width` x `height` CSS pixels at one device pixel each.
    void emulateScreen(const QString &session, int width, int height);

    // The tab as it is drawn now, as PNG bytes; empty when the browser did not give it.
    QByteArray screenshot(const QString &session);

    // Runs `script` in every document the tab loads from now on, before the page's own scripts
    // (to stand in for the browser's language, say); then loads `url`.
    void loadWithScript(const QString &session, const QString &script, const QString &url);

    // Evaluates `expression` in the tab and returns its value (which must be JSON-able).
    QJsonValue evaluate(const QString &session, const QString &expression);

    // What the browser said on its standard error, for a failure message.
    QString log() const;

private:
    // Sends a command and waits for its answer; events in between are skipped.
    QJsonObject call(
        const QString &method, const QJsonObject &params, const QString &session = QString());
    bool readMessage(QJsonObject &message, int timeoutMs);

    QTemporaryDir m_profile;
    pid_t m_pid = -1;
    int m_toBrowser = -1;
    int m_fromBrowser = -1;
    int m_nextId = 1;
    QByteArray m_pending;
};
