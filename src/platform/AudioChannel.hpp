// One sound playing in the mixer. A channel is made for each play and handed back to the
// caller as its handle: the caller may stop it, change its volume and playback rate, or simply
// drop it (fire-and-forget effects keep playing). A channel that is not looped stops by itself
// at the end of its sound; a stopped channel never plays again.
//
//     auto music = mixer.play(sound);
//     music->setVolume(0.5f);  // half amplitude
//     music->setRate(0.9f);    // slower and lower
//     music->stop();
//
// The setters and queries may be called from any thread while the audio thread mixes; the
// mixer alone moves the play position. A channel playing a streamed sound decodes it as the
// mixer asks for frames; the decoder is the channel's own.
#pragma once

#include "core/Object.hpp"
#include "platform/Sound.hpp"

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>

namespace tarvex::platform {

class AudioChannel : public Object {
    TARVEX_OBJECT(AudioChannel, Object)
public:
    // Volumes and rates are held within these bounds; 0 volume is silent, 0 rate pauses.
    static constexpr float MAX_VOLUME = 16.0f;
    static constexpr float MAX_RATE = 16.0f;

    AudioChannel() = default;
    // Starts at the beginning of the sound, looped when the sound is.
    explicit AudioChannel(Ref<Sound> sound);

    void stop() { _playing.store(false, std::memory_order_relaxed); }
    // 1.0 plays the samples as they are, 0.5 at half amplitude. Negative or not-a-number
    // volumes count as 0.
    void setVolume(float volume);
    // 1.0 is normal speed and pitch, 2.0 twice as fast and an octave higher. Negative or
    // not-a-number rates count as 0.
    void setRate(float rate);
    void setLooped(bool loop) { _loop.store(loop, std::memory_order_relaxed); }

    [[nodiscard]] float volume() const { return _volume.load(std::memory_order_relaxed); }
    [[nodiscard]] float rate() const { return _rate.load(std::memory_order_relaxed); }
    [[nodiscard]] bool isLooped() const { return _loop.load(std::memory_order_relaxed); }
    // False once stopped or, unless looped, once the sound has played to its end.
    [[nodiscard]] bool isPlaying() const { return _playing.load(std::memory_order_relaxed); }
    [[nodiscard]] const Ref<Sound>& sound() const { return _sound; }

private:
    friend class AudioMixer;

    // Adds `frames` stereo frames of this channel to `out` (interleaved left, right, as floats
    // in -1..1) at the given output rate and advances the position. Called by the mixer only,
    // under its lock; never allocates.
    void _mixInto(float* out, std::size_t frames, int outputRate);
    void _mixStreamed(float* out, std::size_t frames, int outputRate);
    // Moves the following frame into _next; at the end of the stream it starts the stream
    // again when looped, and otherwise answers false with _next holding the current frame.
    bool _fetchNext(bool loop);

    Ref<Sound> _sound;
    double _position = 0; // in frames of the sound; owned by the mixer
    // Streamed sounds: the decoder (declared after _sound, which holds its bytes), and the two
    // frames the play position lies between, with the position's fraction. Owned by the mixer.
    std::unique_ptr<OggStream> _stream;
    std::array<std::int16_t, 2> _current{};
    std::array<std::int16_t, 2> _next{};
    double _fraction = 0;
    bool _hasNext = false;
    bool _primed = false;
    std::atomic<float> _volume{1.0f};
    std::atomic<float> _rate{1.0f};
    std::atomic<bool> _loop{false};
    std::atomic<bool> _playing{false};
};

} // namespace tarvex::platform
