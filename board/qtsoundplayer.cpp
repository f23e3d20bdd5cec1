#include "qtsoundplayer.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QTimer>
#include <QUrl>

namespace {
// Long enough for the board to be on screen before the back-end starts.
constexpr int BackEndDelayMs = 300;
} // namespace

QtSoundPlayer::QtSoundPlayer(QObject *parent)
    : SoundPlayer(parent)
{
}

QtSoundPlayer::~QtSoundPlayer() = default;

void QtSoundPlayer::ensurePlayer()
{
    if (m_player) {
        return;
    }
    m_output = new QAudioOutput(QMediaDevices::defaultAudioOutput(), this);
    m_player = new QMediaPlayer(this);
    m_player->setAudioOutput(m_output);
    connect(m_player, &QMediaPlayer::mediaStatusChanged, this,
        [this](QMediaPlayer::MediaStatus status) {
            if (status == QMediaPlayer::EndOfMedia) {
                Q_EMIT done();
            }
        });
    connect(m_player, &QMediaPlayer::errorOccurred, this, [this] {
        // A file the back-end cannot play leaves the buzzer silent; a sound cut short by an
        // error still counts as done, so the next buzzer starts from the beginning.
        if (m_player->playbackState() != QMediaPlayer::StoppedState) {
            Q_EMIT done();
        }
    });
}

void QtSoundPlayer::openFile()
{
    if (!m_open) {
        return;
    }
    ensurePlayer();
    if (m_openedFile != m_fileName || m_player->source().isEmpty()) {
        m_openedFile = m_fileName;
        m_player->setSource(QUrl::fromLocalFile(m_fileName));
    }
}

void QtSoundPlayer::command(const QString &command)
{
    if (command == QLatin1String("Open")) {
        m_open = true;
        if (m_player) {
            openFile();
        } else {
            QTimer::singleShot(BackEndDelayMs, this, &QtSoundPlayer::openFile);
        }
    } else if (command == QLatin1String("Close")) {
        m_open = false;
        m_openedFile.clear();
        if (m_player) {
            m_player->stop();
            m_player->setSource(QUrl());
        }
    } else if (command == QLatin1String("Play")) {
        if (m_open) {
            openFile();
            m_player->play();
        }
    } else if (command == QLatin1String("Stop")) {
        if (m_player) {
            m_player->pause();
        }
    } else if (command == QLatin1String("Prev")) {
        if (m_player) {
            m_player->setPosition(0);
        }
    }
}
