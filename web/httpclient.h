#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <QUrl>

#include <functional>
#include <memory>
#include <utility>

// One HTTP GET that never blocks: the result arrives later, on the user-interface thread.
class HttpClient : public QObject
{
    Q_OBJECT

public:
    struct Result
    {
        // False when no HTTP response arrived: no connection, host not found, time-out, a
        // connection dropped before the reply was complete.
        bool transferred = false;
        int status = 0;
        QString body;
        QString error;
        // The response was larger than the client reads: it arrived, but its body is dropped.
        bool oversized = false;
        // The response's headers, names as sent.
        QList<std::pair<QByteArray, QByteArray>> headers;

        // The value of the header called `name` (in any case); empty when there is none.
        QByteArray header(QByteArrayView name) const
        {
            for (const auto &[key, value] : headers) {
                if (name.compare(key, Qt::CaseInsensitive) == 0) {
                    return value;
                }
            }
            return {};
        }
    };
    using Callback = std::function<void(const Result &)>;

    using QObject::QObject;

    // Starts a GET of `url`; `done` runs once with its result.
    virtual void get(const QUrl &url, Callback done) = 0;
    // Whether a request is still waiting for its result.
    virtual bool busy() const = 0;
    // Drops every request in flight; their callbacks never run.
    virtual void cancel() = 0;
};

class QNetworkAccessManager;
class QNetworkReply;

// The program's HTTP client over QNetworkAccessManager: no proxy, no credentials, no extra
// headers. The time-out bounds the whole request, so a server that trickles its answer cannot
// hold it open; a body larger than `MaximumBodyBytes` is not read on (the result carries no
// body).
class QtHttpClient final : public HttpClient
{
    Q_OBJECT

public:
    static constexpr int DefaultTimeoutMs = 60'000;
    static constexpr qint64 MaximumBodyBytes = 64 * 1024;

    explicit QtHttpClient(int timeoutMs = DefaultTimeoutMs, QObject *parent = nullptr);
    ~QtHttpClient() override;

    void get(const QUrl &url, Callback done) override;
    bool busy() const override { return m_pending > 0; }
    void cancel() override;

private:
    void finished(QNetworkReply *reply, const Callback &done);
    QNetworkAccessManager &manager();

    QNetworkAccessManager *m_manager = nullptr;
    int m_timeoutMs;
    int m_pending = 0;
};
