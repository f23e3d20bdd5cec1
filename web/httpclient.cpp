#include "httpclient.h"

#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>

QtHttpClient::QtHttpClient(int timeoutMs, QObject *parent)
    : HttpClient(parent)
    , m_manager(new QNetworkAccessManager(this))
    , m_timeoutMs(timeoutMs)
{
    m_manager->setProxy(QNetworkProxy::NoProxy);
}

QtHttpClient::~QtHttpClient()
{
    // Replies still in flight are aborted without their callbacks: whoever asked is going away.
    const auto replies = m_manager->findChildren<QNetworkReply *>();
    for (QNetworkReply *reply : replies) {
        disconnect(reply, nullptr, this, nullptr);
        reply->abort();
    }
}

void QtHttpClient::get(const QUrl &url, Callback done)
{
    QNetworkRequest request(url);
    request.setTransferTimeout(m_timeoutMs);
    request.setAttribute(
        QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    QNetworkReply *reply = m_manager->get(request);
    ++m_pending;
    connect(reply, &QNetworkReply::finished, this,
        [this, reply, done = std::move(done)] { finished(reply, done); });
}

void QtHttpClient::finished(QNetworkReply *reply, const Callback &done)
{
    reply->deleteLater();
    --m_pending;
    Result result;
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    // An HTTP error page is still a reply; only a missing or broken response is a failed
    // transfer.
    const bool broken = reply->error() == QNetworkReply::RemoteHostClosedError
        || reply->error() == QNetworkReply::OperationCanceledError
        || reply->error() == QNetworkReply::TimeoutError;
    result.transferred = status.isValid() && !broken;
    result.status = status.toInt();
    if (reply->isOpen()) {
        result.body = QString::fromUtf8(reply->readAll());
    }
    if (reply->error() != QNetworkReply::NoError) {
        result.error = reply->errorString();
    }
    if (done) {
        done(result);
    }
}
