// A sound ready to play: decoded 16-bit PCM (mono or stereo, at its own sample rate) and a
// loop flag. Sounds are immutable once loaded, so one sound may play on many mixer channels at
// once and may be loaded on any thread.
//
// Long Ogg Vorbis sounds (music) are not decoded on loading: the sound keeps the encoded file
// and each channel that plays it decodes as it goes (OggStream), so loading and starting a
// piece takes about a millisecond instead of the tens a whole decode would block for. Loading
// still checks the headers and decodes the first frame, so an unplayable file gives null.
//
//     auto splash = Sound::load("resource_db/audio/splash1.wav");
//     auto music = Sound::load("resource_db/music/title.ogg", SOUND_LOOP);
//     if (music) { audioDevice()->play(music); }
#pragma once

#include "core/Object.hpp"
#include "platform/AudioDecoders.hpp"
#include "platform/OggStream.hpp"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace tarvex::platform {

enum SoundFlags : int {
    SOUND_LOOP = 1,   // the sound starts again from its beginning when it ends
    SOUND_STREAM = 2, // Ogg Vorbis is decoded while it plays, however short it is
};

class Sound : public Object {
    TARVEX_OBJECT(Sound, Object)
public:
    // Ogg Vorbis sounds longer than this are streamed; shorter ones (effects) are decoded
    // once, in well under a millisecond, and then cost nothing to start again.
    static constexpr double STREAM_LONGER_THAN_MS = 5000.0;

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
    // For a streamed sound, the length its file declares.
    [[nodiscard]] std::size_t frameCount() const;
    // The decoded samples; empty for a streamed sound.
    [[nodiscard]] std::span<const std::int16_t> samples() const { return _pcm.samples; }
    // Length in milliseconds at normal rate.
    [[nodiscard]] double durationMs() const;

    [[nodiscard]] bool isStreamed() const { return !_encoded.empty(); }
    // A new decoder at the first frame, for one channel; null for a sound held decoded. It
    // reads the bytes this sound keeps, so the sound must outlive it (a channel holds both).
    [[nodiscard]] std::unique_ptr<OggStream> openDecoder() const;

private:
    [[nodiscard]] static Ref<Sound> _fromOgg(std::vector<std::uint8_t> bytes, int flags);

    PcmAudio _pcm;                      // samples empty when streamed
    std::vector<std::uint8_t> _encoded; // the Ogg Vorbis file when streamed
    std::size_t _streamFrames = 0;
    bool _loop = false;
};

} // namespace tarvex::platform
