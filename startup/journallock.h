#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>

class QLocalServer;

// One board per game journal. The lock lies beside the journal, so two users, or two programs
// with different data folders, never clash; a second start with the same journal asks the
// running program, over a local socket named after the journal, to come to the front.
class JournalLock final : public QObject
{
    Q_OBJECT

public:
    explicit JournalLock(const QString &journalPath, QObject *parent = nullptr);
    ~JournalLock() override;

    // Takes the lock and listens for later starts. When another running program holds it, asks
    // that one to the front and answers false. A lock that cannot be made at all (a folder that
    // cannot be written) does not stop the program.
    bool claim();

Q_SIGNALS:
    // A second start asked for this program's window.
    void frontWanted();

private:
    QLockFile m_lock;
    QString m_socketName;
    QLocalServer *m_server = nullptr;
};
