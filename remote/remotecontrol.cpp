#include "remotecontrol.h"

#include "game/matchsettings.h"
#include "game/scoreboardgame.h"
#include "remote/beastremoteserver.h"
#include "remote/pairingcode.h"
#include "remote/remoteevents.h"
#include "settings/livesettings.h"
#include "settings/settingsstore.h"

RemoteControl::RemoteControl(
    ScoreboardGame &game, LiveSettings &settings, std::function<void()> saveCode, QObject *parent)
    : QObject(parent)
    , m_game(game)
    , m_settings(settings)
    , m_saveCode(std::move(saveCode))
{
    // The page's files, which the server reads from the program's resources.
    Q_INIT_RESOURCE(remote);
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
    if (m_settings.RemoteEnabled != 1) {
        close();
    } else if (!isListening() || port() != wanted) {
        close();
        if (m_settings.RemoteCode.isEmpty()) {
            m_settings.RemoteCode = MakePairingCode();
            m_saveCode();
        }
        listen({}, wanted);
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

void RemoteControl::stateChanged()
{
    if (m_server) {
        m_server->stateChanged();
    }
}

QJsonObject RemoteControl::state() const
{
    return RemoteState(m_game, m_settings);
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
