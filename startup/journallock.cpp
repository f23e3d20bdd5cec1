#include "journallock.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>

namespace {

constexpr QByteArrayView FrontRequest = "front\n";
// A running program answers at once; a hung one is not waited for longer than this.
constexpr int AskTimeoutMs = 1000;

} // namespace

JournalLock::JournalLock(const QString &journalPath, QObject *parent)
    : QObject(parent)
    , m_lock(journalPath + QStringLiteral(".lock"))
{
    // A lock whose program is gone (killed, or the computer lost power) is taken over at once.
    m_lock.setStaleLockTime(0);
    const QByteArray where = QFileInfo(journalPath).absoluteFilePath().toUtf8();
    m_socketName = QStringLiteral("varnelo-")
        + QString::fromLatin1(
            QCryptographicHash::hash(where, QCryptographicHash::Sha256).toHex().left(24));
}

JournalLock::~JournalLock() = default;

bool JournalLock::claim()
{
    QDir().mkpath(QFileInfo(m_lock.fileName()).absolutePath());
    if (!m_lock.tryLock(0)) {
        if (m_lock.error() != QLockFile::LockFailedError) {
            return true;
        }
        QLocalSocket running;
        running.connectToServer(m_socketName);
        if (running.waitForConnected(AskTimeoutMs)) {
            running.write(FrontRequest.data(), FrontRequest.size());
            running.waitForBytesWritten(AskTimeoutMs);
        }
        return false;
    }
    // Holding the lock, any socket of that name is a leftover of a program that is gone.
    QLocalServer::removeServer(m_socketName);
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *asker = m_server->nextPendingConnection()) {
            connect(asker, &QLocalSocket::readyRead, this, [this, asker] {
                // Anything else on the socket is ignored; it is only ever our own request.
                if (asker->readAll().startsWith(FrontRequest.toByteArray())) {
                    Q_EMIT frontWanted();
                }
                asker->disconnectFromServer();
            });
            connect(asker, &QLocalSocket::disconnected, asker, &QObject::deleteLater);
        }
    });
    m_server->listen(m_socketName);
    return true;
}
