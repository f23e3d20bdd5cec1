#pragma once

#include "remote/remotecommands.h"
#include "report/matchreport.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <chrono>

// The two sides of the remote control, split where the network begins: the board's side
// (RemoteControl) is the host, the server speaks HTTP and WebSockets to the devices.

// What the server asks of the board, on the user-interface thread.
class RemoteHost
{
public:
    virtual ~RemoteHost() = default;

    // The board as a phone shows it.
    virtual QJsonObject state() const = 0;
    // The match's goals and cards in order.
    virtual QJsonArray events() const = 0;
    // The match report as it stands now.
    virtual QByteArray report(ReportFormat format) const = 0;
    // Runs one command of a paired device, as a key would.
    virtual CommandResult run(const QJsonObject &command) = 0;
    // The code a device pairs with, and whether it is taken now (the remote control is on).
    virtual QString pairingCode() const = 0;
    virtual bool pairingOpen() const = 0;
    // The token that reads the board and never commands it; empty while the overlay is off.
    virtual QString overlayToken() const = 0;
    // The number of paired devices changed.
    virtual void pairedDevicesChanged(int devices) = 0;
};

// The page, the HTTP API and the WebSocket push channel (on the next port: Qt's HTTP server of
// this version cannot hand a connection over to WebSockets).
class RemoteServer
{
public:
    virtual ~RemoteServer() = default;

    // Listens on `port` of each address (none: the loopback and the IPv4 address of every
    // network interface that is up), and the push channel on the port after it (0: any free
    // ports); false when either could not be bound anywhere.
    virtual bool listen(const QStringList &addresses, quint16 port) = 0;
    virtual void close() = 0;
    virtual bool isListening() const = 0;
    virtual quint16 port() const = 0;
    virtual quint16 pushPort() const = 0;
    virtual int devices() const = 0;
    // Overlay pages and event streams that read the board.
    virtual int readers() const = 0;
    // Open connections of both ports, paired or not.
    virtual int connections() const = 0;
    // The host's state changed: paired devices hear of it soon.
    virtual void stateChanged() = 0;
    // The pairing code changed, or is no longer taken: every paired device must pair again.
    virtual void codeChanged() = 0;
    // The overlay token changed, or the overlay is off: every reader that used it is let go.
    virtual void tokenChanged() = 0;

    // The limits a client meets.
    static constexpr qsizetype MaximumMessageBytes = 4096;
    static constexpr int PairingTimeoutMs = 10000;
};

// What a client may hold and send. The defaults are the board's; tests shorten them.
struct RemoteLimits
{
    // Open connections of both ports together, and of one address.
    int connections = 128;
    int perAddress = 16;
    // A request line and its headers (a body or a message: MaximumMessageBytes).
    int headerBytes = 8192;
    // A new connection must have sent its whole request by then; a kept-alive one is closed
    // after this long without one; an answer the client does not read is given up after this.
    std::chrono::milliseconds headerTimeout{5000};
    std::chrono::milliseconds idleTimeout{30000};
    std::chrono::milliseconds writeTimeout{10000};
    // A push-channel socket that has not paired by then is closed, and one that sends more
    // messages than this before pairing.
    std::chrono::milliseconds pairingTimeout{RemoteServer::PairingTimeoutMs};
    int unpairedMessages = 8;
    // Event streams open at once, and how often one that has nothing new hears from the board.
    int feeds = 16;
    std::chrono::milliseconds keepAlive{15000};
};
