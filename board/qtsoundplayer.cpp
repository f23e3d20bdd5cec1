#include "qtsoundplayer.h"

#include <QAudioDevice>
#include <QFile>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>
#include <QtEndian>

namespace {

// Where nothing reports the end, the sound is taken as over this long after its length.
constexpr int EndGraceMs = 250;
// Where a sound server reports the end, the wave's length only guards against one that never
// does: late enough for any server that is merely slow to start.
constexpr int LateStartAllowanceMs = 5000;

// Qt Multimedia's QSoundEffect, which plays a wave file straight to the sound server without a
// media pipeline.
class MultimediaSoundEffect final : public SoundEffect
{
public:
    MultimediaSoundEffect()
        : m_device(QMediaDevices::defaultAudioOutput())
        , m_effect(m_device)
    {
        connect(&m_effect, &QSoundEffect::playingChanged, this, &SoundEffect::playingChanged);
    }

    void setSource(const QString &fileName) override
    {
        m_effect.setSource(fileName.isEmpty() ? QUrl() : QUrl::fromLocalFile(fileName));
    }
    void play() override { m_effect.play(); }
    void stop() override { m_effect.stop(); }
    bool isPlaying() const override { return m_effect.isPlaying(); }
    bool reportsEnd() const override { return !m_device.isNull(); }

private:
    QAudioDevice m_device;
    QSoundEffect m_effect;
};

} // namespace

std::unique_ptr<SoundEffect> MakeSoundEffect()
{
    return std::make_unique<MultimediaSoundEffect>();
}

qint64 WaveLengthMilliseconds(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        return -1;
    }
    const QByteArray head = file.read(12);
    if (head.size() < 12 || !head.startsWith("RIFF") || head.mid(8, 4) != "WAVE") {
        return -1;
    }
    quint32 byteRate = 0;
    // Walk the chunks: "fmt " gives the byte rate, "data" the length.
    for (int chunks = 0; chunks < 64; ++chunks) {
        const QByteArray header = file.read(8);
        if (header.size() < 8) {
            return -1;
        }
        const quint32 size = qFromLittleEndian<quint32>(header.constData() + 4);
        if (header.startsWith("fmt ")) {
            const QByteArray format = file.read(size);
            if (format.size() < 16) {
                return -1;
            }
            byteRate = qFromLittleEndian<quint32>(format.constData() + 8);
            if (size % 2 == 1) {
                file.read(1);
            }
        } else if (header.startsWith("data")) {
            if (byteRate == 0) {
                return -1;
            }
            return static_cast<qint64>(size) * 1000 / byteRate;
        } else if (!file.seek(file.pos() + size + (size % 2))) {
            return -1;
        }
    }
    return -1;
}

QtSoundPlayer::QtSoundPlayer(QObject *parent, EffectFactory makeEffect)
    : SoundPlayer(parent)
    , m_makeEffect(std::move(makeEffect))
{
    m_endOfSound.setSingleShot(true);
    connect(&m_endOfSound, &QTimer::timeout, this, &QtSoundPlayer::finishPlaying);
}

QtSoundPlayer::~QtSoundPlayer()
{
    // A sound cut off as the effect goes reports its end, to a player whose timer is gone.
    if (m_effect) {
        m_effect->disconnect(this);
    }
}

void QtSoundPlayer::openFile()
{
    if (!m_open) {
        return;
    }
    if (!m_effect) {
        m_effect = m_makeEffect ? m_makeEffect() : MakeSoundEffect();
        connect(
            m_effect.get(), &SoundEffect::playingChanged, this, &QtSoundPlayer::onPlayingChanged);
    }
    if (m_openedFile != m_fileName) {
        m_openedFile = m_fileName;
        m_lengthMs = WaveLengthMilliseconds(m_fileName);
        m_effect->setSource(m_fileName);
    }
}

void QtSoundPlayer::onPlayingChanged()
{
    if (m_playing && !m_effect->isPlaying()) {
        m_sawEnd = m_sawEnd || !m_stopping;
        finishPlaying();
    }
}

void QtSoundPlayer::finishPlaying()
{
    if (!m_playing) {
        return;
    }
    m_playing = false;
    m_endOfSound.stop();
    Q_EMIT done();
}

void QtSoundPlayer::command(const QString &command)
{
    if (command == QLatin1String("Open")) {
        m_open = true;
        // The effect, and the sound server's connection with it, wait for the first sound.
        if (m_effect) {
            openFile();
        }
    } else if (command == QLatin1String("Close")) {
        m_open = false;
        m_openedFile.clear();
        m_endOfSound.stop();
        m_playing = false;
        if (m_effect) {
            m_effect->stop();
            m_effect->setSource(QString());
        }
    } else if (command == QLatin1String("Play")) {
        if (!m_open) {
            return;
        }
        openFile();
        // A file the player cannot read leaves the buzzer silent, and nothing is reported.
        if (m_lengthMs < 0) {
            return;
        }
        m_effect->play();
        m_playing = true;
        const bool reported = m_sawEnd || m_effect->reportsEnd();
        m_endOfSound.start(
            static_cast<int>(m_lengthMs) + (reported ? LateStartAllowanceMs : EndGraceMs));
    } else if (command == QLatin1String("Stop")) {
        if (m_effect) {
            m_stopping = true;
            m_effect->stop();
            m_stopping = false;
        }
        finishPlaying();
    }
    // "Prev" needs nothing: every play starts at the beginning of the sound.
}
