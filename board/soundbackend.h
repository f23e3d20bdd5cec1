#pragma once

#include <QString>

#include <functional>

// What the sound module gives the buzzer: a player of one wave file on the default audio output.
// The program loads the module, and with it Qt Multimedia and the sound server's libraries, only
// when it first needs a sound. Plain virtual functions and no QObject, because the program and
// the module each compile this header.
class SoundBackEnd
{
public:
    virtual ~SoundBackEnd() = default;

    virtual void setSource(const QString &fileName) = 0;
    virtual void play() = 0;
    virtual void stop() = 0;
    virtual bool isPlaying() const = 0;
    // Whether a sound server is there to say when a sound has ended.
    virtual bool reportsEnd() const = 0;
    // `changed` runs on the user-interface thread whenever playing starts or stops.
    virtual void setPlayingChanged(std::function<void()> changed) = 0;
};

// The module's one entry point, which makes a back-end the caller owns. The number is the
// version of this interface: a module built against another one is not used.
inline constexpr char SoundBackEndEntry[] = "varnelo_create_sound_backend_1";
using CreateSoundBackEnd = SoundBackEnd *(*)();
