#pragma once

#include "remote/pairingcode.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QTimer>

#include <functional>
#include <memory>

class QHttpServer;
class QHttpServerRequest;
class QHttpServerResponse;
class QWebSocket;
class QWebSocketServer;
class ScoreboardGame;
struct LiveSettings;

// The remote control: while it is switched on, serves the remote page and an HTTP API on the
// board's own network interfaces, and its WebSocket push channel on the next port (Qt's HTTP
// server of this version cannot hand a connection over to WebSockets). Every command goes to the
// game model on this thread, one at a time, as a key would; every change reaches every paired
// device.
class RemoteControl final : public QObject
{
    Q_OBJECT

public:
    // `saveCode` stores a new pairing code in the per-user settings.
    RemoteControl(ScoreboardGame &game, LiveSettings &settings, std::function<void()> saveCode,
        QObject *parent = nullptr);
    ~RemoteControl() override;

    // Follows the settings: listening on the port chosen while switched on, closed otherwise.
    void apply();
    // Listens on `port` of each address, and the push channel on the port after it (0: any free
    // ports); false when either could not be bound anywhere.
    bool listen(const QList<QHostAddress> &addresses, quint16 port);
    void close();
    bool isListening() const { return m_server != nullptr; }
    quint16 port() const { return m_port; }
    quint16 pushPort() const { return m_pushPort; }

    // Makes a new pairing code, stores it and disconnects every paired device.
    void renewCode();
    int devices() const { return int(m_paired.size()); }

    // The state of the board changed (e.g. the texts after the options dialog): push it.
    void stateChanged();

    // The limits a client meets.
    static constexpr qsizetype MaximumMessageBytes = 4096;
    static constexpr int PairingTimeoutMs = 10000;

Q_SIGNALS:
    void devicesChanged(int devices);

private:
    QHttpServerResponse page(const char *file, const QByteArray &type) const;
    QHttpServerResponse page(const QByteArray &body, const QByteArray &type) const;
    QHttpServerResponse api(const QHttpServerRequest &request, bool command);
    void onWebSocket(QWebSocketServer *server);
    void onMessage(QWebSocket *socket, const QString &message);
    void drop(QWebSocket *socket);
    void push();
    QByteArray stateMessage() const;

    ScoreboardGame &m_game;
    LiveSettings &m_settings;
    std::function<void()> m_saveCode;
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
    QString m_lastClock;
};

// The addresses the remote control listens on: the loopback and the IPv4 address of every
// network interface that is up.
QList<QHostAddress> RemoteAddresses();
// The address a phone opens, "http://192.168.1.20:8765/"; the loopback's when there is no other.
QString RemoteAddress(quint16 port);
// What the QR code holds: the address with the pairing code after "#", which the browser keeps
// to itself (it never travels in a request, nor into a log).
QString PairingUrl(quint16 port, const QString &code);
