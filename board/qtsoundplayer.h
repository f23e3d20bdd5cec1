#pragma once

#include "board/soundplayer.h"

#include <QTimer>

class QSoundEffect;

// The sound player over Qt Multimedia's QSoundEffect, which plays a wave file straight to the
// sound server without a media pipeline. The back-end starts a moment after the file is opened
// rather than before the board's first paint; a "Play" that comes earlier starts it at once.
// The end of a sound is taken from the player, or from the wave's own length where the sound
// server does not report it.
class QtSoundPlayer final : public SoundPlayer
{
    Q_OBJECT

public:
    explicit QtSoundPlayer(QObject *parent = nullptr);
    ~QtSoundPlayer() override;

    QString fileName() const override { return m_fileName; }
    void setFileName(const QString &fileName) override { m_fileName = fileName; }
    void command(const QString &command) override;

private:
    void openFile();
    void finishPlaying();

    QString m_fileName;
    QString m_openedFile;
    bool m_open = false;
    bool m_playing = false;
    qint64 m_lengthMs = -1;
    QSoundEffect *m_effect = nullptr;
    QTimer m_endOfSound;
};

// The playing time of a PCM wave file in milliseconds; -1 when it is not one.
qint64 WaveLengthMilliseconds(const QString &fileName);
