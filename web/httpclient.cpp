#include "httpclient.h"

#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

namespace {
const char *const OversizedProperty = "varneloOversized";
} // namespace

QtHttpClient::QtHttpClient(int timeoutMs, QObject *parent)
    : HttpClient(parent)
    , m_timeoutMs(timeoutMs)
{
}

QNetworkAccessManager &QtHttpClient::manager()
{
    // Made at the first request: a board that never publishes has no use for it.
    if (!m_manager) {
        m_manager = new QNetworkAccessManager(this);
        m_manager->setProxy(QNetworkProxy::NoProxy);
    }
    return *m_manager;
}

QtHttpClient::~QtHttpClient()
{
    // Whoever asked is going away.
    cancel();
}

void QtHttpClient::cancel()
{
    if (!m_manager) {
        return;
    }
    const auto replies = m_manager->findChildren<QNetworkReply *>();
    for (QNetworkReply *reply : replies) {
        if (reply->isFinished()) {
            continue;
        }
        disconnect(reply, nullptr, this, nullptr);
        reply->abort();
        reply->deleteLater();
        --m_pending;
    }
}

void QtHttpClient::get(const QUrl &url, Callback done)
{
    QNetworkRequest request(url);
    request.setAttribute(
        QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    QNetworkReply *reply = manager().get(request);
    ++m_pending;
    connect(reply, &QNetworkReply::finished, this,
        [this, reply, done = std::move(done)] { finished(reply, done); });
    // Qt's own transfer time-out only measures silence; this one ends the whole request.
    auto *deadline = new QTimer(reply);
    deadline->setSingleShot(true);
    connect(deadline, &QTimer::timeout, reply, &QNetworkReply::abort);
    deadline->start(m_timeoutMs);
    connect(reply, &QNetworkReply::downloadProgress, reply, [reply](qint64 received, qint64 total) {
        if (received > MaximumBodyBytes || total > MaximumBodyBytes) {
            reply->setProperty(OversizedProperty, true);
            reply->abort();
        }
    });
}

void QtHttpClient::finished(QNetworkReply *reply, const Callback &done)
{
    reply->deleteLater();
    --m_pending;
    Result result;
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    result.status = status.toInt();
    result.headers = reply->rawHeaderPairs();
    result.oversized = reply->property(OversizedProperty).toBool();
    if (result.oversized) {
        // It answered, but with something no scoreboard reply is.
        result.transferred = true;
        result.error = QStringLiteral("The reply is larger than %1 bytes").arg(MaximumBodyBytes);
        if (done) {
            done(result);
        }
        return;
    }
    // An HTTP error page is still a reply; only a missing or broken response is a failed
    // transfer.
    const bool broken = reply->error() == QNetworkReply::RemoteHostClosedError
        || reply->error() == QNetworkReply::OperationCanceledError
        || reply->error() == QNetworkReply::TimeoutError;
    result.transferred = status.isValid() && !broken;
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
