#pragma once

#include "board/soundplayer.h"

#include <QTimer>

#include <functional>
#include <memory>

// What the player needs of a sound effect: QSoundEffect in the program, a double in tests.
class SoundEffect : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    virtual void setSource(const QString &fileName) = 0;
    virtual void play() = 0;
    virtual void stop() = 0;
    virtual bool isPlaying() const = 0;
    // Whether a sound server is there to say when a sound has ended.
    virtual bool reportsEnd() const = 0;

Q_SIGNALS:
    void playingChanged();
};

// The sound player over Qt Multimedia's QSoundEffect, which plays a wave file straight to the
// sound server. The effect is made at the first "Play" rather than with the board.
// The end of a sound is taken from the player. Only where no sound server can report it is it
// taken from the wave's own length; otherwise that length is a far safety net, so that a server
// that starts playing late never has its sound cut short.
class QtSoundPlayer final : public SoundPlayer
{
    Q_OBJECT

public:
    using EffectFactory = std::function<std::unique_ptr<SoundEffect>()>;

    // `makeEffect` is for tests; by default a QSoundEffect on the default audio output.
    explicit QtSoundPlayer(QObject *parent = nullptr, EffectFactory makeEffect = {});
    ~QtSoundPlayer() override;

    QString fileName() const override { return m_fileName; }
    void setFileName(const QString &fileName) override { m_fileName = fileName; }
    void command(const QString &command) override;

private:
    void openFile();
    void onPlayingChanged();
    void finishPlaying();

    EffectFactory m_makeEffect;
    QString m_fileName;
    QString m_openedFile;
    bool m_open = false;
    bool m_playing = false;
    // The effect has once reported an end by itself: it will again.
    bool m_sawEnd = false;
    // A stop we asked for is no end the effect found by itself.
    bool m_stopping = false;
    qint64 m_lengthMs = -1;
    std::unique_ptr<SoundEffect> m_effect;
    QTimer m_endOfSound;
};

// A QSoundEffect on the default audio output: what the player plays with unless told otherwise.
std::unique_ptr<SoundEffect> MakeSoundEffect();

// The playing time of a PCM wave file in milliseconds; -1 when it is not one.
qint64 WaveLengthMilliseconds(const QString &fileName);
