#pragma once

#include "web/httpclient.h"

class QNetworkAccessManager;
class QNetworkReply;

// The HTTP client over QNetworkAccessManager, which the network module makes for QtHttpClient: no
// proxy, no credentials, no extra headers. The time-out bounds the whole request, so a server
// that trickles its answer cannot hold it open; a body larger than QtHttpClient::MaximumBodyBytes
// is not read on (the result carries no body).
class NetworkHttpClient final : public HttpClient
{
    Q_OBJECT

public:
    explicit NetworkHttpClient(int timeoutMs, QObject *parent = nullptr);
    ~NetworkHttpClient() override;

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
