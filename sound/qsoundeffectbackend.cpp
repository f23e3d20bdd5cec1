// The buzzer's back-end over Qt Multimedia's QSoundEffect, which plays a wave file straight to
// the sound server without a media pipeline.
#include "board/soundbackend.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace {

class QSoundEffectBackEnd final : public SoundBackEnd
{
public:
    QSoundEffectBackEnd()
        : m_device(QMediaDevices::defaultAudioOutput())
        , m_effect(m_device)
    {
    }

    void setSource(const QString &fileName) override
    {
        m_effect.setSource(fileName.isEmpty() ? QUrl() : QUrl::fromLocalFile(fileName));
    }
    void play() override { m_effect.play(); }
    void stop() override { m_effect.stop(); }
    bool isPlaying() const override { return m_effect.isPlaying(); }
    bool reportsEnd() const override { return !m_device.isNull(); }
    void setPlayingChanged(std::function<void()> changed) override
    {
        QObject::disconnect(m_changed);
        m_changed = QObject::connect(
            &m_effect, &QSoundEffect::playingChanged, &m_effect, std::move(changed));
    }

private:
    QAudioDevice m_device;
    QSoundEffect m_effect;
    QMetaObject::Connection m_changed;
};

} // namespace

extern "C" Q_DECL_EXPORT SoundBackEnd *varnelo_create_sound_backend_1()
{
    return new QSoundEffectBackEnd;
}
