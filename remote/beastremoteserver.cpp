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
    return {status, "application/json", compact(body), {{"Cache-Control", "no-store"}}, {}};
}

RemoteAnswer page(const QByteArray &body, const char *type)
{
    RemoteAnswer answer{200, type, body.toStdString(), {}, {}};
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

// What a reader gets for anything but reading.
const QString OnlyReads = QStringLiteral("the overlay token only reads");

// One event of a stream: the state on one line.
std::string feedEvent(const QJsonObject &state)
{
    return "event: state\ndata: " + compact(state) + "\n\n";
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
    handlers.message
        = [this](const std::string &message, const std::string &client,
              std::optional<RemoteAccess> paired) { return onMessage(message, client, paired); };
    handlers.welcome = [this](const std::string &client) {
        return !m_guard.retryAfter(QString::fromStdString(client));
    };
    handlers.devicesChanged = [this](int devices, int listeners) { onDevices(devices, listeners); };
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
    m_listeners = 0;
    if (m_devices != 0) {
        m_devices = 0;
        m_host.pairedDevicesChanged(0);
    }
}

void BeastRemoteServer::codeChanged()
{
    // Whoever paired with the old code pairs again.
    if (m_core) {
        m_core->releaseAccess(RemoteAccess::Device);
    }
}

void BeastRemoteServer::tokenChanged()
{
    if (m_core) {
        m_core->releaseAccess(RemoteAccess::Reader);
    }
}

void BeastRemoteServer::onDevices(int devices, int listeners)
{
    // A newcomer had its first state when it paired or opened; a change since then, which
    // found nobody listening yet, is told now.
    if (listeners > m_listeners && std::exchange(m_missed, false)) {
        stateChanged();
    }
    m_listeners = listeners;
    if (devices != m_devices) {
        m_devices = devices;
        m_host.pairedDevicesChanged(devices);
    }
}

RemoteAnswer BeastRemoteServer::answer(const RemoteRequest &request)
{
    const bool get = request.method == "GET";
    if (request.path.starts_with("/overlay/")) {
        return get ? overlay(request) : RemoteError(404, "not found");
    }
    if (get && request.path == "/api/push") {
        return json(200, {{QStringLiteral("port"), pushPort()}});
    }
    // The phones' page only while the remote control is on.
    const bool phones = m_host.pairingOpen();
    if (get && request.path == "/" && phones) {
        return resource(":/remote/remote.html", "text/html; charset=utf-8");
    }
    if (get && request.path == "/remote.js" && phones) {
        return resource(":/remote/remote.js", "text/javascript; charset=utf-8");
    }
    if (get && request.path == "/texts.js" && phones) {
        return page(RemotePageTextsScript(), "text/javascript; charset=utf-8");
    }
    const bool command = request.method == "POST" && request.path == "/api/command";
    // An event source cannot send a header: the state and its stream take the query too.
    const bool byQuery = request.path == "/api/state" || request.path == "/api/feed";
    if (!command
        && !(get && (byQuery || request.path == "/api/events" || request.path == "/api/report"))) {
        return RemoteError(404, "not found");
    }
    RemoteAccess access = RemoteAccess::Device;
    if (auto refused = authorise(request, byQuery, access)) {
        return std::move(*refused);
    }
    if (command) {
        return access == RemoteAccess::Reader ? json(403, reply({false, OnlyReads})) : run(request);
    }
    if (request.path == "/api/events") {
        return {200, "application/json",
            QJsonDocument(m_host.events()).toJson(QJsonDocument::Compact).toStdString(),
            {{"Cache-Control", "no-store"}}, {}};
    }
    if (request.path == "/api/report") {
        return report(request);
    }
    if (request.path == "/api/feed") {
        return feed(access);
    }
    return json(200, m_host.state());
}

RemoteAnswer BeastRemoteServer::feed(RemoteAccess access) const
{
    // Browsers try again this long after a lost stream.
    return {200, "text/event-stream; charset=utf-8", "retry: 3000\n\n" + feedEvent(m_host.state()),
        {{"Cache-Control", "no-store"}, {"X-Accel-Buffering", "no"}}, access};
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
            {"X-Content-Type-Options", "nosniff"}},
        {}};
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
    const std::string &message, const std::string &address, std::optional<RemoteAccess> paired)
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
    const bool hello = object.value(QLatin1String("command")).toString() == QLatin1String("hello");
    if (paired == RemoteAccess::Reader) {
        // A reader is told once, at its hello, what it may do; it never commands.
        return answer(hello ? CommandResult{true, {}} : CommandResult{false, OnlyReads});
    }
    const QString client = QString::fromStdString(address);
    if (m_guard.retryAfter(client)) {
        out.close = true;
        return answer({false, QStringLiteral("too many wrong codes")});
    }
    // A device sends its code with every message; an overlay page its token, once.
    const QJsonValue code = object.value(QLatin1String("code"));
    const QJsonValue offered = code.isUndefined() ? object.value(QLatin1String("token")) : code;
    switch (check(offered.toString(), client)) {
    case Offer::Wrong:
        return answer({false, QStringLiteral("wrong code")});
    case Offer::PairingClosed:
        return answer({false, QStringLiteral("the remote control is switched off")});
    case Offer::Reader:
        if (!paired) {
            out.state = stateMessage(m_host.state()).toStdString();
            out.access = RemoteAccess::Reader;
        }
        return answer(hello ? CommandResult{true, {}} : CommandResult{false, OnlyReads});
    case Offer::Device:
        break;
    }
    if (!paired) {
        out.state = stateMessage(m_host.state()).toStdString();
    }
    if (hello) {
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
QByteArray BeastRemoteServer::stateMessage(const QJsonObject &state) const
{
    return QJsonDocument(
        QJsonObject{{QStringLiteral("type"), QStringLiteral("state")},
            {QStringLiteral("state"), state}, {QStringLiteral("events"), m_host.events()}})
        .toJson(QJsonDocument::Compact);
}

void BeastRemoteServer::push()
{
    if (m_listeners == 0 || !m_core) {
        m_lastState.clear();
        m_missed = m_core != nullptr;
        return;
    }
    const QJsonObject state = m_host.state();
    const QByteArray message = stateMessage(state);
    if (message == m_lastState) {
        return;
    }
    m_lastState = message;
    m_core->push(std::make_shared<const std::string>(message.toStdString()),
        std::make_shared<const std::string>(feedEvent(state)));
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
