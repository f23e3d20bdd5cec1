#include "remote/networkremoteserver.h"

#include "remote/remotepage.h"

#include <QFile>
#include <QHttpServer>
#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QHttpServerResponse>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkInterface>
#include <QTcpServer>
#include <QWebSocket>
#include <QWebSocketServer>

namespace {

using Status = QHttpServerResponse::StatusCode;

QJsonObject reply(const CommandResult &result)
{
    QJsonObject answer{{QStringLiteral("ok"), result.ok}};
    if (!result.ok) {
        answer.insert(QStringLiteral("error"), result.error);
    }
    return answer;
}

QHttpServerResponse jsonResponse(const QJsonObject &body, Status status)
{
    QHttpServerResponse response(body, status);
    response.setHeader("Cache-Control", "no-store");
    return response;
}

QByteArray headerOf(const QHttpServerRequest &request, const QByteArray &name)
{
    for (const auto &[key, value] : request.headers()) {
        if (key.compare(name, Qt::CaseInsensitive) == 0) {
            return value;
        }
    }
    return {};
}

QByteArray compact(const QJsonObject &object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

} // namespace

NetworkRemoteServer::NetworkRemoteServer(RemoteHost &host)
    : m_host(host)
    , m_guard([this] { return m_clock.elapsed(); })
{
    m_clock.start();
    m_pushSoon.setSingleShot(true);
    m_pushSoon.setInterval(0);
    connect(&m_pushSoon, &QTimer::timeout, this, &NetworkRemoteServer::push);
}

NetworkRemoteServer::~NetworkRemoteServer()
{
    close();
}

bool NetworkRemoteServer::listen(const QStringList &listed, quint16 port)
{
    close();
    QList<QHostAddress> addresses;
    for (const QString &address : listed) {
        addresses.append(QHostAddress(address));
    }
    if (addresses.isEmpty()) {
        addresses = RemoteAddresses();
    }
    auto server = std::make_unique<QHttpServer>();
    server->route(QStringLiteral("/remote.js"), QHttpServerRequest::Method::Get,
        [this] { return page(":/remote/remote.js", "text/javascript; charset=utf-8"); });
    server->route(QStringLiteral("/texts.js"), QHttpServerRequest::Method::Get,
        [this] { return page(RemotePageTextsScript(), "text/javascript; charset=utf-8"); });
    server->route(QStringLiteral("/api/state"), QHttpServerRequest::Method::Get,
        [this](const QHttpServerRequest &request) { return api(request, false); });
    server->route(QStringLiteral("/api/command"), QHttpServerRequest::Method::Post,
        [this](const QHttpServerRequest &request) { return api(request, true); });
    // The page itself is served here rather than by a route: a route for "/" would take every
    // path, the push channel's upgrade among them.
    server->setMissingHandler([this](const QHttpServerRequest &request,
                                  QHttpServerResponder &&responder) {
        if (request.url().path() == QLatin1String("/")
            && request.method() == QHttpServerRequest::Method::Get) {
            page(":/remote/remote.html", "text/html; charset=utf-8").write(std::move(responder));
        } else {
            QHttpServerResponse(Status::NotFound).write(std::move(responder));
        }
    });
    server->route(QStringLiteral("/api/push"), QHttpServerRequest::Method::Get, [this] {
        return jsonResponse({{QStringLiteral("port"), m_pushPort}}, Status::Ok);
    });
    quint16 bound = port;
    for (const QHostAddress &address : addresses) {
        const quint16 got = server->listen(address, bound);
        if (got != 0) {
            bound = got;
        }
    }
    if (server->servers().isEmpty()) {
        return false;
    }
    m_port = bound;
    m_server = std::move(server);
    quint16 push = port == 0 ? 0 : static_cast<quint16>(port + 1);
    for (const QHostAddress &address : addresses) {
        auto *pushServer = new QWebSocketServer(
            QStringLiteral("Varnelo"), QWebSocketServer::NonSecureMode, this);
        if (!pushServer->listen(address, push)) {
            delete pushServer;
            continue;
        }
        push = pushServer->serverPort();
        connect(pushServer, &QWebSocketServer::newConnection, this,
            [this, pushServer] { onWebSocket(pushServer); });
        m_pushServers.append(pushServer);
    }
    m_pushPort = push;
    if (m_pushServers.isEmpty()) {
        close();
        return false;
    }
    return true;
}

void NetworkRemoteServer::close()
{
    for (QWebSocket *socket : std::as_const(m_sockets)) {
        socket->disconnect(this);
        socket->abort();
        socket->deleteLater();
    }
    const bool hadDevices = !m_paired.isEmpty();
    m_sockets.clear();
    m_paired.clear();
    qDeleteAll(m_pushServers);
    m_pushServers.clear();
    m_server.reset();
    m_port = 0;
    m_pushPort = 0;
    if (hadDevices) {
        m_host.pairedDevicesChanged(0);
    }
}

void NetworkRemoteServer::codeChanged()
{
    // Whoever paired with the old code pairs again.
    for (QWebSocket *socket : std::as_const(m_paired)) {
        socket->close(QWebSocketProtocol::CloseCodePolicyViolated, QStringLiteral("new code"));
    }
}

QHttpServerResponse NetworkRemoteServer::page(const char *file, const QByteArray &type) const
{
    QFile resource(QString::fromLatin1(file));
    if (!resource.open(QIODevice::ReadOnly)) {
        return QHttpServerResponse(Status::NotFound);
    }
    return page(resource.readAll(), type);
}

QHttpServerResponse NetworkRemoteServer::page(const QByteArray &body, const QByteArray &type) const
{
    QHttpServerResponse response(type, body);
    response.setHeader("Content-Security-Policy",
        "default-src 'none'; script-src 'self'; style-src 'self' 'unsafe-inline'; "
        "connect-src 'self' ws:; img-src 'self'; base-uri 'none'; form-action 'none'; "
        "frame-ancestors 'none'");
    response.setHeader("X-Content-Type-Options", "nosniff");
    response.setHeader("Referrer-Policy", "no-referrer");
    response.setHeader("Cache-Control", "no-cache");
    return response;
}

QHttpServerResponse NetworkRemoteServer::api(const QHttpServerRequest &request, bool command)
{
    const QString client = request.remoteAddress().toString();
    if (const auto wait = m_guard.retryAfter(client)) {
        QHttpServerResponse response
            = jsonResponse({{QStringLiteral("ok"), false},
                               {QStringLiteral("error"), QStringLiteral("too many wrong codes")}},
                Status::TooManyRequests);
        response.setHeader("Retry-After", QByteArray::number(*wait));
        return response;
    }
    const QByteArray authorization = headerOf(request, "Authorization");
    const QByteArray scheme = "Bearer ";
    const bool paired = authorization.startsWith(scheme)
        && IsPairingCode(QString::fromUtf8(authorization.mid(scheme.size())), m_host.pairingCode());
    if (!paired) {
        m_guard.failed(client);
        QHttpServerResponse response
            = jsonResponse({{QStringLiteral("ok"), false},
                               {QStringLiteral("error"), QStringLiteral("wrong code")}},
                Status::Unauthorized);
        response.setHeader("WWW-Authenticate", "Bearer");
        return response;
    }
    m_guard.succeeded(client);
    if (!command) {
        return jsonResponse(m_host.state(), Status::Ok);
    }
    if (request.body().size() > MaximumMessageBytes) {
        return jsonResponse({{QStringLiteral("ok"), false},
                                {QStringLiteral("error"), QStringLiteral("message too large")}},
            Status::PayloadTooLarge);
    }
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(request.body(), &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) {
        return jsonResponse(
            reply({false, QStringLiteral("not a JSON object")}), Status::BadRequest);
    }
    const CommandResult result = m_host.run(document.object());
    return jsonResponse(reply(result), result.ok ? Status::Ok : Status::BadRequest);
}

void NetworkRemoteServer::onWebSocket(QWebSocketServer *server)
{
    while (server->hasPendingConnections()) {
        QWebSocket *socket = server->nextPendingConnection();
        socket->setParent(this);
        socket->setMaxAllowedIncomingMessageSize(MaximumMessageBytes);
        socket->setMaxAllowedIncomingFrameSize(MaximumMessageBytes);
        m_sockets.append(socket);
        if (const auto wait = m_guard.retryAfter(socket->peerAddress().toString())) {
            socket->close(QWebSocketProtocol::CloseCodePolicyViolated,
                QStringLiteral("too many wrong codes"));
        }
        connect(socket, &QWebSocket::textMessageReceived, this,
            [this, socket](const QString &message) { onMessage(socket, message); });
        connect(socket, &QWebSocket::binaryMessageReceived, socket,
            [socket] { socket->close(QWebSocketProtocol::CloseCodeDatatypeNotSupported); });
        connect(socket, &QWebSocket::disconnected, this, [this, socket] { drop(socket); });
        // A device that does not pair soon is not kept.
        QTimer::singleShot(PairingTimeoutMs, socket, [this, socket] {
            if (!m_paired.contains(socket)) {
                socket->close(QWebSocketProtocol::CloseCodeNormal, QStringLiteral("not paired"));
            }
        });
    }
}

void NetworkRemoteServer::onMessage(QWebSocket *socket, const QString &message)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(message.toUtf8(), &error);
    const QJsonObject object = document.object();
    const QJsonValue id = object.value(QLatin1String("id"));
    const auto answer = [&](const CommandResult &result) {
        QJsonObject out = reply(result);
        out.insert(QStringLiteral("type"), QStringLiteral("reply"));
        if (!id.isUndefined()) {
            out.insert(QStringLiteral("id"), id);
        }
        socket->sendTextMessage(QString::fromUtf8(compact(out)));
    };
    if (error.error != QJsonParseError::NoError || !document.isObject()) {
        answer({false, QStringLiteral("not a JSON object")});
        return;
    }
    const QString client = socket->peerAddress().toString();
    if (m_guard.retryAfter(client)) {
        answer({false, QStringLiteral("too many wrong codes")});
        socket->close(QWebSocketProtocol::CloseCodePolicyViolated);
        return;
    }
    if (!IsPairingCode(object.value(QLatin1String("code")).toString(), m_host.pairingCode())) {
        m_guard.failed(client);
        answer({false, QStringLiteral("wrong code")});
        return;
    }
    m_guard.succeeded(client);
    if (!m_paired.contains(socket)) {
        m_paired.append(socket);
        socket->sendTextMessage(QString::fromUtf8(stateMessage()));
        m_host.pairedDevicesChanged(devices());
    }
    if (object.value(QLatin1String("command")).toString() == QLatin1String("hello")) {
        answer({true, {}});
        return;
    }
    answer(m_host.run(object));
}

void NetworkRemoteServer::drop(QWebSocket *socket)
{
    m_sockets.removeAll(socket);
    const bool wasPaired = m_paired.removeAll(socket) > 0;
    socket->deleteLater();
    if (wasPaired) {
        m_host.pairedDevicesChanged(devices());
    }
}

void NetworkRemoteServer::stateChanged()
{
    if (!m_pushSoon.isActive()) {
        m_pushSoon.start();
    }
}

QByteArray NetworkRemoteServer::stateMessage() const
{
    return compact({{QStringLiteral("type"), QStringLiteral("state")},
        {QStringLiteral("state"), m_host.state()}});
}

void NetworkRemoteServer::push()
{
    if (m_paired.isEmpty()) {
        m_lastState.clear();
        return;
    }
    const QByteArray state = stateMessage();
    if (state == m_lastState) {
        return;
    }
    m_lastState = state;
    const QString text = QString::fromUtf8(state);
    for (QWebSocket *socket : std::as_const(m_paired)) {
        socket->sendTextMessage(text);
    }
}

QList<QHostAddress> RemoteAddresses()
{
    QList<QHostAddress> addresses{QHostAddress(QHostAddress::LocalHost)};
    for (const QNetworkInterface &interface : QNetworkInterface::allInterfaces()) {
        const auto flags = interface.flags();
        if (!flags.testFlag(QNetworkInterface::IsUp)
            || !flags.testFlag(QNetworkInterface::IsRunning)
            || flags.testFlag(QNetworkInterface::IsLoopBack)) {
            continue;
        }
        for (const QNetworkAddressEntry &entry : interface.addressEntries()) {
            if (entry.ip().protocol() == QAbstractSocket::IPv4Protocol) {
                addresses.append(entry.ip());
            }
        }
    }
    return addresses;
}
