// The software mixer behind the audio device: every play gets a new channel, and the audio
// thread pulls stereo frames at the device rate, the sum of all playing channels (each
// resampled to the device rate by linear interpolation), clipped to the sample range.
//
//     AudioMixer mixer(44100);
//     auto channel = mixer.play(sound);
//     std::vector<std::int16_t> frames(2 * 1024);
//     mixer.mix(frames);                      // on the audio thread, or in a test
//
// play() and the channel setters run on the main thread; mix() on the audio thread. One mutex
// guards the channel list: mix() holds it while it fills a buffer (tens of microseconds for a
// device buffer), play() just long enough to add a channel; the channel setters are atomic and
// take no lock. mix() never frees memory: finished channels are dropped by the next play().
// Decoded sounds mix without allocating; a streamed sound's decoder (libvorbis) may allocate
// now and then while it decodes, within the buffer's mix.
#pragma once

#include "platform/AudioChannel.hpp"
#include "platform/Sound.hpp"

#include <array>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <span>
#include <vector>

namespace tarvex::platform {

class AudioMixer {
public:
    static constexpr int DEFAULT_RATE = 44100;

    explicit AudioMixer(int outputRate = DEFAULT_RATE);
    AudioMixer(const AudioMixer&) = delete;
    AudioMixer& operator=(const AudioMixer&) = delete;

    [[nodiscard]] int outputRate() const { return _outputRate; }

    // Starts the sound from its beginning on a new channel; null for a null or empty sound.
    Ref<AudioChannel> play(const Ref<Sound>& sound);
    void stopAll();
    // Channels still playing.
    [[nodiscard]] std::size_t playingCount() const;

    // Fills interleaved stereo frames (left, right, ...) with the mix, replacing what the
    // buffer held; float samples lie in -1..1. A trailing odd sample is set to silence.
    void mix(std::span<float> stereo);
    void mix(std::span<std::int16_t> stereo);

private:
    // Float frames mixed at a time for 16-bit output.
    static constexpr std::size_t CHUNK_FRAMES = 512;

    void _mixLocked(float* out, std::size_t frames);
    // Moves the channels that no longer play into `finished`; called under the lock.
    void _takeFinished(std::vector<Ref<AudioChannel>>& finished);

    int _outputRate;
    mutable std::mutex _mutex;
    std::vector<Ref<AudioChannel>> _channels;
    std::array<float, CHUNK_FRAMES * 2> _chunk{};
};

} // namespace tarvex::platform
