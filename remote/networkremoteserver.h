#pragma once

#include "remote/pairingcode.h"
#include "remote/remoteserver.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QTimer>

#include <memory>

class QHttpServer;
class QHttpServerRequest;
class QHttpServerResponse;
class QWebSocket;
class QWebSocketServer;

// The remote control's server over Qt HTTP Server and Qt WebSockets: serves the remote page
// and an HTTP API on the board's own network interfaces, and its push channel on the next port.
// Every command goes to the host on this thread, one at a time; every change reaches every
// paired device.
class NetworkRemoteServer final : public QObject, public RemoteServer
{
    Q_OBJECT

public:
    explicit NetworkRemoteServer(RemoteHost &host);
    ~NetworkRemoteServer() override;

    bool listen(const QStringList &addresses, quint16 port) override;
    void close() override;
    bool isListening() const override { return m_server != nullptr; }
    quint16 port() const override { return m_port; }
    quint16 pushPort() const override { return m_pushPort; }
    int devices() const override { return int(m_paired.size()); }
    void stateChanged() override;
    void codeChanged() override;

private:
    QHttpServerResponse page(const char *file, const QByteArray &type) const;
    QHttpServerResponse page(const QByteArray &body, const QByteArray &type) const;
    QHttpServerResponse api(const QHttpServerRequest &request, bool command);
    void onWebSocket(QWebSocketServer *server);
    void onMessage(QWebSocket *socket, const QString &message);
    void drop(QWebSocket *socket);
    void push();
    QByteArray stateMessage() const;

    RemoteHost &m_host;
    std::unique_ptr<QHttpServer> m_server;
    QList<QWebSocketServer *> m_pushServers;
    quint16 m_port = 0;
    quint16 m_pushPort = 0;
    QElapsedTimer m_clock;
    PairingGuard m_guard;
    QList<QWebSocket *> m_sockets;
    QList<QWebSocket *> m_paired;
    QTimer m_pushSoon;
    QByteArray m_lastState;
};

// The addresses the remote control listens on: the loopback and the IPv4 address of every
// network interface that is up.
QList<QHostAddress> RemoteAddresses();
