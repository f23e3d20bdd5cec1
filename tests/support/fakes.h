#pragma once

#include "board/digitgroup.h"
#include "board/soundplayer.h"
#include "tests/support/faketime.h"

#include <QStringList>

#include <vector>

// A sound player that records the commands it is sent; `finish()` reports the end of a sound.
class RecordingSoundPlayer final : public SoundPlayer
{
public:
    QString name;
    QStringList commands;

    QString fileName() const override { return name; }
    void setFileName(const QString &fileName) override
    {
        name = fileName;
        commands << QStringLiteral("file:") + fileName;
    }
    void command(const QString &command) override { commands << command; }
    void finish() { Q_EMIT done(); }
    qsizetype count(const QString &command) const { return commands.count(command); }
};
