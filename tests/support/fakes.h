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

// The digits of a figure without widgets; captions[0] is digit 0.
class FakeDigits final : public DigitDisplay
{
public:
    FakeDigits(QString name, int digits, qint16 initial = 0)
        : m_name(std::move(name))
        , captions(static_cast<std::size_t>(digits), initial)
    {
    }
    QString groupName() const override { return m_name; }
    int digitCount() const override { return static_cast<int>(captions.size()); }
    qint16 caption(int index) const override { return captions[static_cast<std::size_t>(index)]; }
    void setCaption(int index, qint16 caption) override
    {
        captions[static_cast<std::size_t>(index)] = caption;
    }

    // The figure as the audience reads it: highest digit first, blanks as spaces.
    QString shown() const
    {
        QString text;
        for (auto it = captions.rbegin(); it != captions.rend(); ++it) {
            text += *it < 0 ? QLatin1Char(' ') : QChar(static_cast<char16_t>(u'0' + *it));
        }
        return text;
    }

private:
    QString m_name;

public:
    std::vector<qint16> captions;
};
