#pragma once

#include "board/soundplayer.h"

class QAudioOutput;
class QMediaPlayer;

// The sound player over Qt Multimedia. Starting the multimedia back-end takes a while, so it is
// started a moment after the file is opened rather than before the board's first paint; a
// "Play" that comes earlier starts it at once.
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
    void ensurePlayer();
    void openFile();

    QString m_fileName;
    QString m_openedFile;
    bool m_open = false;
    QMediaPlayer *m_player = nullptr;
    QAudioOutput *m_output = nullptr;
};
