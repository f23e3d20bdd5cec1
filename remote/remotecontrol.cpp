#include "remotecontrol.h"

#include "game/matchsettings.h"
#include "game/scoreboardgame.h"
#include "remote/beastremoteserver.h"
#include "remote/overlaypages.h"
#include "remote/pairingcode.h"
#include "remote/remoteevents.h"
#include "remote/remotepage.h"
#include "settings/livesettings.h"
#include "settings/settingsstore.h"

RemoteControl::RemoteControl(
    ScoreboardGame &game, LiveSettings &settings, std::function<void()> saveCode, QObject *parent)
    : QObject(parent)
    , m_game(game)
    , m_settings(settings)
    , m_saveCode(std::move(saveCode))
    , m_overlay(game)
{
    // The pages' files, which the server reads from the program's resources.
    Q_INIT_RESOURCE(remote);
    Q_INIT_RESOURCE(overlay);
    connect(&m_overlay, &OverlayState::changed, this, &RemoteControl::stateChanged);
    connect(&game, &ScoreboardGame::changed, this, &RemoteControl::stateChanged);
    // The added time played grows while the face holds at the half's end; pushes are gathered
    // into one, so following both signals costs nothing.
    connect(&game, &ScoreboardGame::matchChanged, this, &RemoteControl::stateChanged);
}

RemoteControl::~RemoteControl()
{
    // The server calls back into this object while it closes.
    if (m_server) {
        m_server->close();
    }
}

void RemoteControl::apply()
{
    const quint16 wanted = static_cast<quint16>(RemotePortOf(m_settings));
    const bool phones = m_settings.RemoteEnabled == 1;
    const bool overlay = m_settings.OverlayEnabled == 1;
    if (phones && m_settings.RemoteCode.isEmpty()) {
        m_settings.RemoteCode = MakePairingCode();
        m_saveCode();
    }
    if (overlay && m_settings.OverlayToken.isEmpty()) {
        m_settings.OverlayToken = MakePairingCode();
        if (m_saveToken) {
            m_saveToken();
        }
    }
    m_phones = phones;
    if (!phones && !overlay) {
        close();
    } else if (!isListening() || port() != wanted) {
        close();
        listen({}, wanted);
    } else {
        // Still listening for the one: whoever the other, now off, let in goes.
        if (!phones) {
            m_server->codeChanged();
        }
        if (!overlay) {
            m_server->tokenChanged();
        }
    }
    stateChanged();
}

bool RemoteControl::listen(const QStringList &addresses, quint16 port)
{
    // Made when first switched on: a board that is never remote controlled has no server.
    if (!m_server) {
        RemoteHost &host = *this;
        m_server = std::make_unique<BeastRemoteServer>(host, m_limits);
    }
    return m_server->listen(addresses, port);
}

void RemoteControl::close()
{
    if (m_server) {
        m_server->close();
    }
}

void RemoteControl::renewCode()
{
    m_settings.RemoteCode = MakePairingCode();
    m_saveCode();
    if (m_server) {
        m_server->codeChanged();
    }
}

void RemoteControl::renewOverlayToken()
{
    m_settings.OverlayToken = MakePairingCode();
    if (m_saveToken) {
        m_saveToken();
    }
    if (m_server) {
        m_server->tokenChanged();
    }
}

void RemoteControl::stateChanged()
{
    if (m_server) {
        m_server->stateChanged();
    }
}

QJsonObject RemoteControl::state() const
{
    QJsonObject state = RemoteState(m_game, m_settings);
    QJsonObject panels;
    for (int i = 0; i < OverlayPanelCount; ++i) {
        const auto panel = static_cast<OverlayPanel>(i);
        const std::string_view name = OverlayPanelName(panel);
        panels.insert(QLatin1String(name.data(), qsizetype(name.size())), m_overlay.visible(panel));
    }
    state.insert(QStringLiteral("overlay"), panels);
    state.insert(QStringLiteral("goalPopup"),
        QJsonObject{{QStringLiteral("seq"), m_overlay.goalPopupSeq()},
            {QStringLiteral("id"), m_overlay.goalPopupId()}});
    state.insert(QStringLiteral("language"), RemotePageLanguage());
    return state;
}

QJsonArray RemoteControl::events() const
{
    return RemoteEvents(m_game);
}

QByteArray RemoteControl::report(ReportFormat format) const
{
    return MatchReport(format, m_game, m_settings);
}

CommandResult RemoteControl::run(const QJsonObject &command)
{
    if (std::optional<CommandResult> overlay = RunOverlayCommand(m_overlay, command)) {
        return *overlay;
    }
    const MatchFormat before = m_game.match().format;
    const CommandResult result = RunRemoteCommand(m_game, command);
    // The format is a setting: chosen from a phone, it is the one the options show and the next
    // start plays, as if chosen there.
    if (m_game.match().format != before) {
        StoreMatchFormat(m_settings, m_game.match().format);
        Q_EMIT matchFormatChosen();
    }
    return result;
}

QString RemoteControl::pairingCode() const
{
    return m_settings.RemoteCode;
}

bool RemoteControl::pairingOpen() const
{
    return m_phones;
}

QString RemoteControl::overlayToken() const
{
    return m_settings.OverlayEnabled == 1 ? m_settings.OverlayToken : QString();
}

QString RemoteAddress(quint16 port)
{
    const QList<QHostAddress> addresses = RemoteAddresses();
    const QHostAddress &shown = addresses.size() > 1 ? addresses.at(1) : addresses.first();
    return QStringLiteral("http://%1:%2/").arg(shown.toString()).arg(port);
}

QString PairingUrl(quint16 port, const QString &code)
{
    return RemoteAddress(port) + QStringLiteral("#code=") + code;
}

QStringList OverlayUrls(quint16 port, const QString &token)
{
    QStringList urls;
    for (const QString &page : OverlayPageNames()) {
        urls.append(RemoteAddress(port) + QStringLiteral("overlay/%1?token=%2").arg(page, token));
    }
    return urls;
}
