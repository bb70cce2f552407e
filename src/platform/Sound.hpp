// A sound ready to play: decoded 16-bit PCM (mono or stereo, at its own sample rate) and a
// loop flag. Sounds are immutable once loaded, so one sound may play on many mixer channels at
// once and may be loaded on any thread.
//
//     auto splash = Sound::load("resource_db/audio/splash1.wav");
//     auto music = Sound::load("resource_db/music/title.ogg", SOUND_LOOP);
//     if (music) { audioDevice()->play(music); }
#pragma once

#include "core/Object.hpp"
#include "platform/AudioDecoders.hpp"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace tarvex::platform {

enum SoundFlags : int {
    SOUND_LOOP = 1, // the sound starts again from its beginning when it ends
};

class Sound : public Object {
    TARVEX_OBJECT(Sound, Object)
public:
    Sound() = default;
    Sound(PcmAudio pcm, bool loop);

    // Opens the URL through the stream schemes and decodes it; the format is told by the
    // content ("RIFF" for WAV, "OggS" for Ogg Vorbis), whatever the file is called. Null when
    // it cannot be opened or decoded.
    [[nodiscard]] static Ref<Sound> load(const std::string& url, int flags = 0);
    // The same from bytes already in memory.
    [[nodiscard]] static Ref<Sound> decode(std::span<const std::uint8_t> bytes, int flags = 0);

    [[nodiscard]] bool isLooped() const { return _loop; }
    [[nodiscard]] int channels() const { return _pcm.channels; }
    [[nodiscard]] int sampleRate() const { return _pcm.sampleRate; }
    [[nodiscard]] std::size_t frameCount() const { return _pcm.frameCount(); }
    [[nodiscard]] std::span<const std::int16_t> samples() const { return _pcm.samples; }
    // Length in milliseconds at normal rate.
    [[nodiscard]] double durationMs() const;

private:
    PcmAudio _pcm;
    bool _loop = false;
};

} // namespace tarvex::platform
