#include "servicefixture.h"

#include <QJsonDocument>
#include <QNetworkReply>
#include <QSignalSpy>
#include <QTcpSocket>
#include <QTest>

using namespace websb;

namespace websbtest {

void ServiceFixture::setUpService()
{
    m_dir = std::make_unique<QTemporaryDir>();
    startService();
    m_network = std::make_unique<QNetworkAccessManager>();
}

void ServiceFixture::tearDownService()
{
    // The client first: its idle connections would hold up the server's stop.
    m_network.reset();
    m_service.reset();
    m_dir.reset();
}

void ServiceFixture::startService(int maxConnections, const std::vector<QString> &trustedProxies)
{
    ServiceConfig config = websbtest::serviceConfig(
        m_dir->path(), {{"main", QStringLiteral("s3cret")}, {"second", QStringLiteral("two")}});
    config.maxConnections = maxConnections;
    config.trustedProxies = trustedProxies;
    m_service = std::make_unique<WebScoreboardService>(config);
    QString error;
    QVERIFY2(m_service->start(error), qPrintable(error));
    QVERIFY(m_service->port() > 0);
}

QUrl ServiceFixture::url(const QString &path) const
{
    return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(m_service->port()).arg(path));
}

ServiceFixture::Answer ServiceFixture::get(const QUrl &target)
{
    std::unique_ptr<QNetworkReply> reply(m_network->get(QNetworkRequest(target)));
    QSignalSpy finished(reply.get(), &QNetworkReply::finished);
    if (!reply->isFinished() && !finished.wait(10000)) {
        return {};
    }
    Answer answer;
    answer.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    answer.body = reply->readAll();
    answer.contentType = reply->header(QNetworkRequest::ContentTypeHeader).toString();
    answer.understands = reply->rawHeader(
        QByteArray::fromStdString(std::string(websbprotocol::UnderstandsHeader)));
    return answer;
}

ServiceFixture::Answer ServiceFixture::publish(
    const QString &page, const websbtest::Values &values, const QString &passcode, bool final)
{
    QUrl target = url(QStringLiteral("/web/") + page);
    target.setQuery(websbtest::boardQuery(values, passcode, final));
    return get(target);
}

QJsonObject ServiceFixture::api(const QString &page)
{
    const Answer answer = get(url(QStringLiteral("/api/") + page));
    return QJsonDocument::fromJson(answer.body).object();
}

ServiceFixture::Answer ServiceFixture::rawGet(const QByteArray &target, const QByteArray &headers)
{
    QTcpSocket socket;
    socket.connectToHost(QStringLiteral("127.0.0.1"), static_cast<quint16>(m_service->port()));
    if (!socket.waitForConnected(5000)) {
        return {};
    }
    socket.write("GET " + target + " HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: close\r\n" + headers
        + "\r\n");
    // Read up to the end of the body: the library keeps some connections open after an error.
    QByteArray response;
    qsizetype headerEnd = -1;
    qsizetype length = -1;
    while (length < 0 || response.size() < headerEnd + 4 + length) {
        if (!socket.waitForReadyRead(5000)) {
            return {};
        }
        response += socket.readAll();
        headerEnd = response.indexOf("\r\n\r\n");
        if (headerEnd >= 0 && length < 0) {
            const qsizetype field = response.toLower().indexOf("content-length:");
            length = field >= 0 && field < headerEnd
                ? response.mid(field + 15, response.indexOf('\r', field) - field - 15)
                      .trimmed()
                      .toInt()
                : 0;
        }
    }
    Answer answer;
    answer.status = response.mid(9, 3).toInt(); // "HTTP/1.1 414 ..."
    answer.body = response.mid(headerEnd + 4, length);
    return answer;
}

} // namespace websbtest
