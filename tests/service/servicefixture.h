#pragma once

#include "service/websbservice.h"
#include "websbtesting.h"

#include <QByteArray>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QObject>
#include <QTemporaryDir>
#include <QUrl>

#include <memory>

// The service on 127.0.0.1 with an ephemeral port, driven by a real HTTP client that builds the
// board's request the way the board does: what the service's HTTP tests share.
namespace websbtest {

class ServiceFixture : public QObject
{
    Q_OBJECT

protected:
    struct Answer
    {
        int status = 0;
        QByteArray body;
        QString contentType;
        // What the service says it understands beyond the thirteen values (see
        // websbprotocol::UnderstandsHeader); empty when it says nothing.
        QByteArray understands;
    };

    // Before and after each test function.
    void setUpService();
    void tearDownService();

    QUrl url(const QString &path) const;
    Answer get(const QUrl &url);
    Answer publish(const QString &page, const websbtest::Values &values, const QString &passcode,
        bool final = false);
    QJsonObject api(const QString &page);
    // Sends `target` byte for byte, for requests no well-behaved client would make; `headers`
    // are whole lines, each ending in CRLF.
    Answer rawGet(const QByteArray &target, const QByteArray &headers = {});
    void startService(int maxConnections = websb::ServiceConfig().maxConnections,
        const std::vector<QString> &trustedProxies = {});

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<websb::WebScoreboardService> m_service;
    std::unique_ptr<QNetworkAccessManager> m_network;
};

} // namespace websbtest
