#pragma once

#include <QHostAddress>
#include <QList>
#include <QString>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QUrl>
#include <QUrlQuery>

#include <functional>
#include <memory>

// A tiny HTTP server on 127.0.0.1 for tests: it records every request target and answers as
// the test scripts it (a body, a status, a delay, never, a dropped connection, or a body
// trickled one byte every `delayMs`), with any headers it is given.
class ScriptedHttpServer : public QObject
{
public:
    struct Response
    {
        enum class Kind { Answer, Never, Drop, Trickle };
        Kind kind = Kind::Answer;
        int status = 200;
        QByteArray body;
        int delayMs = 0;
        QByteArray contentType = "text/plain; charset=utf-8";
    };
    using Script = std::function<Response(const QString &target)>;

    ScriptedHttpServer()
    {
        m_server.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&m_server, &QTcpServer::newConnection, this, [this] { accept(); });
    }

    quint16 port() const { return m_server.serverPort(); }
    QString baseAddress() const { return QStringLiteral("http://127.0.0.1:%1/web/").arg(port()); }
    void setScript(Script script) { m_script = std::move(script); }
    // Answers every request with `body` and status 200.
    void answer(const QByteArray &body)
    {
        m_script = [body](const QString &) {
            return Response{Response::Kind::Answer, 200, body, 0};
        };
    }

    // The request targets received, e.g. "/web/page?ttl=Home&...".
    QList<QString> targets;
    // Header lines sent with every answer from now on, each ending in CRLF.
    QByteArray headers;

    // A field of the last request, decoded.
    QString field(const QString &name, qsizetype request = -1) const
    {
        const QString target = targets.at(request < 0 ? targets.size() - 1 : request);
        return QUrlQuery(QUrl(target).query(QUrl::FullyEncoded))
            .queryItemValue(name, QUrl::FullyDecoded);
    }
    QStringList fieldNames(qsizetype request = -1) const
    {
        const QString target = targets.at(request < 0 ? targets.size() - 1 : request);
        QStringList names;
        for (const auto &item : QUrlQuery(QUrl(target).query(QUrl::FullyEncoded)).queryItems()) {
            names << item.first;
        }
        return names;
    }

private:
    void accept()
    {
        while (QTcpSocket *socket = m_server.nextPendingConnection()) {
            socket->setParent(this);
            auto *buffer = new QByteArray;
            QObject::connect(socket, &QObject::destroyed, socket, [buffer] { delete buffer; });
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket, buffer] {
                buffer->append(socket->readAll());
                if (!buffer->contains("\r\n\r\n")) {
                    return;
                }
                const QList<QByteArray> requestLine
                    = buffer->left(buffer->indexOf("\r\n")).split(' ');
                buffer->clear();
                const QString target = QString::fromLatin1(requestLine.value(1));
                targets.append(target);
                respond(socket, m_script ? m_script(target) : Response{});
            });
            QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    }

    void respond(QTcpSocket *socket, const Response &response)
    {
        if (response.kind == Response::Kind::Never) {
            return;
        }
        if (response.kind == Response::Kind::Trickle) {
            trickle(socket, response);
            return;
        }
        const auto send = [socket, response, headers = headers] {
            if (response.kind == Response::Kind::Drop) {
                socket->abort();
                return;
            }
            socket->write("HTTP/1.1 " + QByteArray::number(response.status)
                + " Scripted\r\n"
                  "Content-Type: "
                + response.contentType
                + "\r\nContent-Length: " + QByteArray::number(response.body.size())
                + "\r\nConnection: close\r\n" + headers + "\r\n" + response.body);
            socket->disconnectFromHost();
        };
        if (response.delayMs > 0) {
            QTimer::singleShot(response.delayMs, socket, send);
        } else {
            send();
        }
    }

    void trickle(QTcpSocket *socket, const Response &response)
    {
        socket->write("HTTP/1.1 200 Trickling\r\nContent-Type: text/plain\r\nContent-Length: "
            + QByteArray::number(response.body.size()) + "\r\n\r\n");
        auto *timer = new QTimer(socket);
        auto sent = std::make_shared<qsizetype>(0);
        QObject::connect(timer, &QTimer::timeout, socket, [socket, timer, sent, response] {
            if (*sent >= response.body.size()) {
                timer->stop();
                return;
            }
            socket->write(response.body.mid((*sent)++, 1));
        });
        timer->start(response.delayMs);
    }

    QTcpServer m_server;
    Script m_script;
};
