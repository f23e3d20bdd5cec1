#include "remote/beastremoteserver.h"

#include "remote/remotehttpsession.h"
#include "remote/remotepage.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkInterface>
#include <QUrlQuery>

namespace {

const char *const PageGuards[][2] = {
    {"Content-Security-Policy",
        "default-src 'none'; script-src 'self'; style-src 'self' 'unsafe-inline'; "
        "connect-src 'self' ws:; img-src 'self'; base-uri 'none'; form-action 'none'; "
        "frame-ancestors 'none'"},
    {"X-Content-Type-Options", "nosniff"},
    {"Referrer-Policy", "no-referrer"},
    {"Cache-Control", "no-cache"},
};

QJsonObject reply(const CommandResult &result)
{
    QJsonObject answer{{QStringLiteral("ok"), result.ok}};
    if (!result.ok) {
        answer.insert(QStringLiteral("error"), result.error);
    }
    return answer;
}

std::string compact(const QJsonObject &object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact).toStdString();
}

RemoteAnswer json(int status, const QJsonObject &body)
{
    return {status, "application/json", compact(body), {{"Cache-Control", "no-store"}}};
}

RemoteAnswer page(const QByteArray &body, const char *type)
{
    RemoteAnswer answer{200, type, body.toStdString(), {}};
    for (const auto &[name, value] : PageGuards) {
        answer.headers.emplace_back(name, value);
    }
    return answer;
}

RemoteAnswer resource(const char *file, const char *type)
{
    QFile resource(QString::fromLatin1(file));
    if (!resource.open(QIODevice::ReadOnly)) {
        return RemoteError(404, "not found");
    }
    return page(resource.readAll(), type);
}

} // namespace

BeastRemoteServer::BeastRemoteServer(RemoteHost &host, const RemoteLimits &limits)
    : m_host(host)
    , m_limits(limits)
    , m_guard([this] { return m_clock.elapsed(); })
{
    m_clock.start();
    m_pushSoon.setSingleShot(true);
    m_pushSoon.setInterval(0);
    connect(&m_pushSoon, &QTimer::timeout, this, &BeastRemoteServer::push);
}

BeastRemoteServer::~BeastRemoteServer()
{
    close();
}

bool BeastRemoteServer::listen(const QStringList &listed, quint16 port)
{
    close();
    std::vector<std::string> addresses;
    for (const QString &address : listed) {
        addresses.push_back(address.toStdString());
    }
    if (addresses.empty()) {
        for (const QHostAddress &address : RemoteAddresses()) {
            addresses.push_back(address.toString().toStdString());
        }
    }
    RemoteHandlers handlers;
    handlers.request = [this](const RemoteRequest &request) { return answer(request); };
    handlers.message = [this](const std::string &message, const std::string &client, bool paired) {
        return onMessage(message, client, paired);
    };
    handlers.welcome = [this](const std::string &client) {
        return !m_guard.retryAfter(QString::fromStdString(client));
    };
    handlers.devicesChanged = [this](int devices) { onDevices(devices); };
    auto core = std::make_unique<RemoteCore>(m_limits, std::move(handlers));
    const quint16 push = port == 0 ? 0 : static_cast<quint16>(port + 1);
    if (!core->listen(addresses, port, push)) {
        return false;
    }
    core->start();
    m_core = std::move(core);
    return true;
}

void BeastRemoteServer::close()
{
    m_core.reset();
    m_lastState.clear();
    if (m_devices != 0) {
        m_devices = 0;
        m_host.pairedDevicesChanged(0);
    }
}

void BeastRemoteServer::codeChanged()
{
    // Whoever paired with the old code pairs again.
    if (m_core) {
        m_core->releasePaired();
    }
}

void BeastRemoteServer::onDevices(int devices)
{
    if (devices != m_devices) {
        m_devices = devices;
        m_host.pairedDevicesChanged(devices);
    }
}

RemoteAnswer BeastRemoteServer::answer(const RemoteRequest &request)
{
    const bool get = request.method == "GET";
    if (get && request.path == "/") {
        return resource(":/remote/remote.html", "text/html; charset=utf-8");
    }
    if (get && request.path == "/remote.js") {
        return resource(":/remote/remote.js", "text/javascript; charset=utf-8");
    }
    if (get && request.path == "/texts.js") {
        return page(RemotePageTextsScript(), "text/javascript; charset=utf-8");
    }
    if (get && request.path == "/api/push") {
        return json(200, {{QStringLiteral("port"), pushPort()}});
    }
    const bool command = request.method == "POST" && request.path == "/api/command";
    if (!command
        && !(get
            && (request.path == "/api/state" || request.path == "/api/events"
                || request.path == "/api/report"))) {
        return RemoteError(404, "not found");
    }
    if (auto refused = authorise(request)) {
        return std::move(*refused);
    }
    if (command) {
        return run(request);
    }
    if (request.path == "/api/events") {
        return {200, "application/json",
            QJsonDocument(m_host.events()).toJson(QJsonDocument::Compact).toStdString(),
            {{"Cache-Control", "no-store"}}};
    }
    if (request.path == "/api/report") {
        return report(request);
    }
    return json(200, m_host.state());
}

std::optional<RemoteAnswer> BeastRemoteServer::authorise(const RemoteRequest &request)
{
    const QString client = QString::fromStdString(request.client);
    if (const auto wait = m_guard.retryAfter(client)) {
        RemoteAnswer answer = RemoteError(429, "too many wrong codes");
        answer.headers.emplace_back("Retry-After", std::to_string(*wait));
        return answer;
    }
    const std::string scheme = "Bearer ";
    const bool paired = request.authorization.starts_with(scheme)
        && IsPairingCode(QString::fromStdString(request.authorization.substr(scheme.size())),
            m_host.pairingCode());
    if (!paired) {
        m_guard.failed(client);
        RemoteAnswer answer = RemoteError(401, "wrong code");
        answer.headers.emplace_back("WWW-Authenticate", "Bearer");
        return answer;
    }
    m_guard.succeeded(client);
    return std::nullopt;
}

// Made here, on the thread the commands run on, from the game as it is between two of them.
RemoteAnswer BeastRemoteServer::report(const RemoteRequest &request)
{
    const QString named = QUrlQuery(QString::fromStdString(request.query))
                              .queryItemValue(QStringLiteral("format"), QUrl::FullyDecoded);
    const std::optional<ReportFormat> format = ReportFormatNamed(named);
    if (!format) {
        return RemoteError(400, "format is pdf, csv or json");
    }
    const std::string suffix = ReportSuffix(*format).toStdString();
    return {200, ReportMediaType(*format).toStdString(), m_host.report(*format).toStdString(),
        {{"Cache-Control", "no-store"},
            {"Content-Disposition", "attachment; filename=\"match-report." + suffix + "\""},
            {"X-Content-Type-Options", "nosniff"}}};
}

RemoteAnswer BeastRemoteServer::run(const RemoteRequest &request)
{
    QJsonParseError error;
    const QJsonDocument document
        = QJsonDocument::fromJson(QByteArray::fromStdString(request.body), &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) {
        return json(400, reply({false, QStringLiteral("not a JSON object")}));
    }
    const CommandResult result = m_host.run(document.object());
    return json(result.ok ? 200 : 400, reply(result));
}

PushAnswer BeastRemoteServer::onMessage(
    const std::string &message, const std::string &address, bool paired)
{
    QJsonParseError error;
    const QJsonDocument document
        = QJsonDocument::fromJson(QByteArray::fromStdString(message), &error);
    const QJsonObject object = document.object();
    const QJsonValue id = object.value(QLatin1String("id"));
    PushAnswer out;
    const auto answer = [&](const CommandResult &result) {
        QJsonObject body = reply(result);
        body.insert(QStringLiteral("type"), QStringLiteral("reply"));
        if (!id.isUndefined()) {
            body.insert(QStringLiteral("id"), id);
        }
        out.reply = compact(body);
        return out;
    };
    if (error.error != QJsonParseError::NoError || !document.isObject()) {
        return answer({false, QStringLiteral("not a JSON object")});
    }
    const QString client = QString::fromStdString(address);
    if (m_guard.retryAfter(client)) {
        out.close = true;
        return answer({false, QStringLiteral("too many wrong codes")});
    }
    if (!IsPairingCode(object.value(QLatin1String("code")).toString(), m_host.pairingCode())) {
        m_guard.failed(client);
        return answer({false, QStringLiteral("wrong code")});
    }
    m_guard.succeeded(client);
    if (!paired) {
        out.state = stateMessage().toStdString();
    }
    if (object.value(QLatin1String("command")).toString() == QLatin1String("hello")) {
        return answer({true, {}});
    }
    return answer(m_host.run(object));
}

void BeastRemoteServer::stateChanged()
{
    if (!m_pushSoon.isActive()) {
        m_pushSoon.start();
    }
}

// The events travel beside the state, which other programs read as it is.
QByteArray BeastRemoteServer::stateMessage() const
{
    return QJsonDocument(
        QJsonObject{{QStringLiteral("type"), QStringLiteral("state")},
            {QStringLiteral("state"), m_host.state()}, {QStringLiteral("events"), m_host.events()}})
        .toJson(QJsonDocument::Compact);
}

void BeastRemoteServer::push()
{
    if (m_devices == 0 || !m_core) {
        m_lastState.clear();
        return;
    }
    const QByteArray state = stateMessage();
    if (state == m_lastState) {
        return;
    }
    m_lastState = state;
    m_core->push(std::make_shared<const std::string>(state.toStdString()));
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
