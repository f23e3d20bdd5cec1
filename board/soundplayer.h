#pragma once

#include <QObject>
#include <QString>

// The buzzer's sound player, driven like a classic multimedia control: a file name and the
// commands "Open", "Close", "Play", "Stop" and "Prev". It reports `done` when playing ends, by
// reaching the end or by being interrupted. Commands never block and failures stay inside the
// player: a file that cannot be opened makes a silent buzzer, nothing more.
class SoundPlayer : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    virtual QString fileName() const = 0;
    virtual void setFileName(const QString &fileName) = 0;
    virtual void command(const QString &command) = 0;

Q_SIGNALS:
    void done();
};
