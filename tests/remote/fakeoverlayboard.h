#pragma once

#include "tests/support/scriptedhttpserver.h"

#include <QFile>
#include <QHostAddress>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QList>
#include <QWebSocket>
#include <QWebSocketServer>

#include <memory>
#include <vector>

// The board's side of the overlay pages, for a browser under test: the pages from the program's
// own resources, /api/push, and a push socket whose states the test writes and whose connections
// it drops. Also serves /pitch/<panel>?…: the panel over a pitch drawn in CSS, for screenshots,
// held back from its load event for a moment so that a browser screenshot taken at load shows
// the pushed state.
class FakeOverlayBoard : public QObject
{
public:
    FakeOverlayBoard()
        : m_sockets(QStringLiteral("overlay test"), QWebSocketServer::NonSecureMode)
    {
        m_sockets.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&m_sockets, &QWebSocketServer::newConnection, this, [this] { accept(); });
        m_http.setScript([this](const QString &target) { return answer(target); });
    }

    quint16 port() const { return m_http.port(); }
    QString address(const QString &path) const
    {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(port()).arg(path);
    }

    // The state sent to every reader now and to each one that says hello later.
    void setState(const QJsonObject &state, const QJsonArray &events = {})
    {
        m_message = QJsonObject{{QStringLiteral("type"), QStringLiteral("state")},
            {QStringLiteral("state"), state}, {QStringLiteral("events"), events}};
        sendToAll(QString::fromUtf8(QJsonDocument(m_message).toJson(QJsonDocument::Compact)));
    }
    void sendToAll(const QString &text)
    {
        for (const auto &socket : m_clients) {
            socket->sendTextMessage(text);
        }
    }
    // Closes every reader's socket, as a board that stops or restarts does.
    void dropAll()
    {
        for (const auto &socket : m_clients) {
            socket->close();
        }
    }
    // Takes /api/push requests and never answers them, as a board stuck or half started.
    bool hangPush = false;
    // Answers the next hello with a second state whose goal pop-up sequence has grown.
    bool growGoalAfterHello = false;

    // The token of every hello received, in order.
    QList<QString> hellos;

private:
    void accept()
    {
        while (QWebSocket *socket = m_sockets.nextPendingConnection()) {
            m_clients.emplace_back(socket);
            QObject::connect(socket, &QWebSocket::textMessageReceived, this,
                [this, socket](const QString &text) { heard(socket, text); });
        }
    }

    void heard(QWebSocket *socket, const QString &text)
    {
        const QJsonObject command = QJsonDocument::fromJson(text.toUtf8()).object();
        if (command.value(QStringLiteral("command")).toString() != u"hello") {
            return;
        }
        hellos.append(command.value(QStringLiteral("token")).toString());
        if (!m_message.isEmpty()) {
            socket->sendTextMessage(
                QString::fromUtf8(QJsonDocument(m_message).toJson(QJsonDocument::Compact)));
        }
        if (growGoalAfterHello && !m_message.isEmpty()) {
            QJsonObject state = m_message.value(QStringLiteral("state")).toObject();
            QJsonObject popup = state.value(QStringLiteral("goalPopup")).toObject();
            popup.insert(QStringLiteral("seq"), popup.value(QStringLiteral("seq")).toInt() + 1);
            state.insert(QStringLiteral("goalPopup"), popup);
            QJsonObject grown = m_message;
            grown.insert(QStringLiteral("state"), state);
            socket->sendTextMessage(
                QString::fromUtf8(QJsonDocument(grown).toJson(QJsonDocument::Compact)));
        }
    }

    ScriptedHttpServer::Response answer(const QString &target) const
    {
        using Response = ScriptedHttpServer::Response;
        const QString path = target.section(QLatin1Char('?'), 0, 0);
        const QString query = target.contains(QLatin1Char('?'))
            ? QLatin1Char('?') + target.section(QLatin1Char('?'), 1)
            : QString();
        const auto file = [](const char *name, const char *type) {
            QFile resource{QLatin1String(name)};
            resource.open(QIODevice::ReadOnly);
            return Response{Response::Kind::Answer, 200, resource.readAll(), 0, type};
        };
        if (path == u"/overlay/overlay.js") {
            return file(":/overlay/overlay.js", "text/javascript; charset=utf-8");
        }
        if (path == u"/overlay/overlay.css") {
            return file(":/overlay/overlay.css", "text/css; charset=utf-8");
        }
        if (path.startsWith(u"/overlay/")) {
            return file(":/overlay/overlay.html", "text/html; charset=utf-8");
        }
        if (path == u"/api/push" && hangPush) {
            return Response{Response::Kind::Never, 0, {}, 0};
        }
        if (path == u"/api/push") {
            return Response{Response::Kind::Answer, 200,
                QByteArrayLiteral("{\"port\":") + QByteArray::number(m_sockets.serverPort()) + '}',
                0, "application/json"};
        }
        if (path.startsWith(u"/pitch/")) {
            const QString frame = QStringLiteral("/overlay/") + path.mid(7) + query;
            return Response{Response::Kind::Answer, 200,
                QString::fromLatin1(PitchPage).arg(frame.toHtmlEscaped()).toUtf8(), 0,
                "text/html; charset=utf-8"};
        }
        if (path == u"/slow") {
            return Response{
                Response::Kind::Answer, 200, QByteArrayLiteral("x"), 2500, "text/plain"};
        }
        return Response{Response::Kind::Answer, 404, QByteArrayLiteral("not found"), 0};
    }

    // Grass in stripes and white lines: a touchline box, the halfway line, the centre circle
    // and a penalty area, the worst background a panel has to read over.
    static constexpr const char *PitchPage = R"(<!DOCTYPE html>
<html><head><meta charset="utf-8"><style>
html, body { margin: 0; height: 100%; overflow: hidden; }
body { background: repeating-linear-gradient(90deg, #2f8f3a 0 8vw, #3aa346 8vw 16vw); }
.line { position: fixed; border: 0.5vh solid #f4f4f4; box-sizing: border-box; }
.box { inset: 6vh 4vw; }
.half { top: 6vh; bottom: 6vh; left: 50%; border-width: 0 0 0 0.5vh; }
.circle { top: 50%; left: 50%; width: 30vh; height: 30vh; translate: -50% -50%; border-radius: 50%; }
.area { top: 28vh; bottom: 28vh; left: 4vw; width: 15vw; }
iframe { position: fixed; inset: 0; width: 100%; height: 100%; border: 0; background: transparent; }
</style></head><body>
<div class="line box"></div><div class="line half"></div><div class="line circle"></div><div class="line area"></div>
<iframe src="%1"></iframe><img src="/slow" alt="" hidden>
</body></html>)";

    ScriptedHttpServer m_http;
    QWebSocketServer m_sockets;
    std::vector<std::unique_ptr<QWebSocket>> m_clients;
    QJsonObject m_message;
};
