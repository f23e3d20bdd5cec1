#pragma once

#include "remote/pairingcode.h"
#include "remote/remotecore.h"
#include "remote/remoteserver.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QTimer>

#include <memory>
#include <optional>

// The remote control's server: serves the remote page and an HTTP API on the board's own
// network interfaces, and its push channel on the next port, over RemoteCore, which reads and
// writes the network on a thread of its own under the limits. Here, on the user-interface
// thread, every command goes to the host one at a time, the pairing code and the overlay token
// are checked and guarded, and every change reaches every paired device, overlay page and event
// stream.
class BeastRemoteServer final : public QObject, public RemoteServer
{
    Q_OBJECT

public:
    BeastRemoteServer(RemoteHost &host, const RemoteLimits &limits);
    ~BeastRemoteServer() override;

    bool listen(const QStringList &addresses, quint16 port) override;
    void close() override;
    bool isListening() const override { return m_core != nullptr; }
    quint16 port() const override { return m_core ? m_core->port() : 0; }
    quint16 pushPort() const override { return m_core ? m_core->pushPort() : 0; }
    int devices() const override { return m_devices; }
    int readers() const override { return m_listeners - m_devices; }
    int connections() const override { return m_core ? m_core->connections() : 0; }
    void stateChanged() override;
    void codeChanged() override;
    void tokenChanged() override;

private:
    // What a credential offered grants.
    enum class Offer { Device, Reader, PairingClosed, Wrong };
    // Checks `offered` against the code and the token, counting a wrong one against `client`.
    Offer check(const QString &offered, const QString &client);

    RemoteAnswer answer(const RemoteRequest &request);
    // A refusal unless the request carries the pairing code or the overlay token (in the query
    // too when `query`); `access` is what it carries.
    std::optional<RemoteAnswer> authorise(
        const RemoteRequest &request, bool query, RemoteAccess &access);
    RemoteAnswer overlay(const RemoteRequest &request);
    RemoteAnswer run(const RemoteRequest &request);
    RemoteAnswer report(const RemoteRequest &request);
    RemoteAnswer feed(RemoteAccess access) const;
    PushAnswer onMessage(
        const std::string &message, const std::string &client, std::optional<RemoteAccess> paired);
    void onDevices(int devices, int listeners);
    void push();
    QByteArray stateMessage(const QJsonObject &state) const;

    RemoteHost &m_host;
    const RemoteLimits m_limits;
    std::unique_ptr<RemoteCore> m_core;
    QElapsedTimer m_clock;
    PairingGuard m_guard;
    int m_devices = 0;
    int m_listeners = 0;
    // A change was made while nobody listened (as far as this thread knew).
    bool m_missed = false;
    QTimer m_pushSoon;
    QByteArray m_lastState;
};

// The addresses the remote control listens on: the loopback and the IPv4 address of every
// network interface that is up.
QList<QHostAddress> RemoteAddresses();
