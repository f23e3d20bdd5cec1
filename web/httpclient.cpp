#include "httpclient.h"

#include "web/networkmodule.h"

#include <QPointer>
#include <QTimer>

QtHttpClient::QtHttpClient(int timeoutMs, QObject *parent)
    : HttpClient(parent)
    , m_timeoutMs(timeoutMs)
{
}

QtHttpClient::~QtHttpClient() = default;

void QtHttpClient::get(const QUrl &url, Callback done)
{
    if (!m_client) {
        if (const NetworkModule *module = LoadNetworkModule()) {
            m_client.reset(module->createHttpClient(m_timeoutMs));
        }
    }
    if (m_client) {
        m_client->get(url, std::move(done));
        return;
    }
    // As a transfer that failed, and as late as one: the caller never hears back from inside
    // its own call.
    QTimer::singleShot(0, this, [done = std::move(done)] {
        Result result;
        result.error = tr("Varnelo's network module is missing.");
        if (done) {
            done(result);
        }
    });
}

void QtHttpClient::cancel()
{
    if (m_client) {
        m_client->cancel();
    }
}
