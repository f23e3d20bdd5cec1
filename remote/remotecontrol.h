#pragma once

#include "game/overlaystate.h"
#include "remote/remoteserver.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class ScoreboardGame;
struct LiveSettings;

// The remote control: while it is switched on, a page for phones and tablets, an HTTP API and
// a push channel drive the board's game model; while the overlay is, the same server serves the
// overlay pages for streams, which only read the board with the overlay token. The server is made
// when either is first switched on. Every command goes to the game model on this thread, one at
// a time, as a key would; every change reaches every paired device and every reader.
class RemoteControl final : public QObject, private RemoteHost
{
    Q_OBJECT

public:
    // `saveCode` stores a new pairing code in the per-user settings.
    RemoteControl(ScoreboardGame &game, LiveSettings &settings, std::function<void()> saveCode,
        QObject *parent = nullptr);
    ~RemoteControl() override;

    // Follows the settings: listening on the port chosen while the remote control or the
    // overlay is switched on, closed otherwise; whoever was let in by what is now off goes.
    void apply();
    // Listens on `port` of each address (none: every interface's), and the push channel on the
    // port after it (0: any free ports); false when either could not be bound anywhere. Until
    // apply() has followed the settings, the phones are served; the overlay while it is on.
    bool listen(const QStringList &addresses, quint16 port);
    // The limits clients meet, taken when the server is first made.
    void setLimits(const RemoteLimits &limits) { m_limits = limits; }
    void close();
    bool isListening() const { return m_server && m_server->isListening(); }
    quint16 port() const { return m_server ? m_server->port() : 0; }
    quint16 pushPort() const { return m_server ? m_server->pushPort() : 0; }

    // Makes a new pairing code, stores it and disconnects every paired device.
    void renewCode();
    // `saveToken` stores a new overlay token in the per-user settings.
    void setSaveToken(std::function<void()> saveToken) { m_saveToken = std::move(saveToken); }
    // Makes a new overlay token, stores it and lets every overlay page and stream reading with
    // the old one go.
    void renewOverlayToken();
    int devices() const { return m_server ? m_server->devices() : 0; }
    // Overlay pages and event streams reading the board.
    int readers() const { return m_server ? m_server->readers() : 0; }
    // What the overlay shows beside the game: the board's keys and the commands change it.
    OverlayState &overlay() { return m_overlay; }
    int connections() const { return m_server ? m_server->connections() : 0; }
    // The state of the board changed (e.g. the texts after the options dialog): push it.
    void stateChanged();

    // The limits a client meets.
    static constexpr qsizetype MaximumMessageBytes = RemoteServer::MaximumMessageBytes;
    static constexpr int PairingTimeoutMs = RemoteServer::PairingTimeoutMs;

Q_SIGNALS:
    void devicesChanged(int devices);
    // A device chose another match format, now in the settings: store it.
    void matchFormatChosen();

private:
    QJsonObject state() const override;
    QJsonArray events() const override;
    QByteArray report(ReportFormat format) const override;
    CommandResult run(const QJsonObject &command) override;
    QString pairingCode() const override;
    bool pairingOpen() const override;
    QString overlayToken() const override;
    void pairedDevicesChanged(int devices) override { Q_EMIT devicesChanged(devices); }

    ScoreboardGame &m_game;
    LiveSettings &m_settings;
    std::function<void()> m_saveCode;
    std::function<void()> m_saveToken;
    OverlayState m_overlay;
    // Whether the phones are served: until apply() first follows the settings, they are.
    bool m_phones = true;
    RemoteLimits m_limits;
    std::unique_ptr<RemoteServer> m_server;
};

// The address a phone opens, "http://192.168.1.20:8765/"; the loopback's when there is no other.
QString RemoteAddress(quint16 port);
// What the QR code holds: the address with the pairing code after "#", which the browser keeps
// to itself (it never travels in a request, nor into a log).
QString PairingUrl(quint16 port, const QString &code);
// The overlay pages' addresses with the token, one for each panel, for a streaming program.
QStringList OverlayUrls(quint16 port, const QString &token);
