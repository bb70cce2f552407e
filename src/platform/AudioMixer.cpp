#include "platform/AudioMixer.hpp"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <utility>

namespace tarvex::platform {

AudioMixer::AudioMixer(int outputRate) : _outputRate(outputRate > 0 ? outputRate : DEFAULT_RATE) {}

Ref<AudioChannel> AudioMixer::play(const Ref<Sound>& sound) {
    if (!sound || sound->frameCount() == 0 || sound->sampleRate() <= 0) {
        return nullptr;
    }
    // Made before the lock is taken: a streamed sound's decoder is opened here, so the audio
    // thread never waits on it.
    auto channel = std::make_shared<AudioChannel>(sound);
    if (!channel->isPlaying()) {
        return nullptr;
    }
    // One short hold of the lock: the audio thread is kept waiting for no more than that, and
    // this thread for no more than one buffer's mix. Finished channels (and perhaps their
    // sounds) are released after it, so neither thread waits on freeing memory.
    std::vector<Ref<AudioChannel>> finished;
    {
        const std::lock_guard lock(_mutex);
        _takeFinished(finished);
        _channels.push_back(channel);
    }
    return channel;
}

void AudioMixer::stopAll() {
    const std::lock_guard lock(_mutex);
    for (const auto& channel : _channels) {
        channel->stop();
    }
}

std::size_t AudioMixer::playingCount() const {
    const std::lock_guard lock(_mutex);
    return static_cast<std::size_t>(
        std::count_if(_channels.begin(), _channels.end(),
                      [](const auto& channel) { return channel->isPlaying(); }));
}

void AudioMixer::_takeFinished(std::vector<Ref<AudioChannel>>& finished) {
    const auto end =
        std::stable_partition(_channels.begin(), _channels.end(),
                              [](const auto& channel) { return channel->isPlaying(); });
    finished.assign(std::make_move_iterator(end), std::make_move_iterator(_channels.end()));
    _channels.erase(end, _channels.end());
}

void AudioMixer::_mixLocked(float* out, std::size_t frames) {
    for (const auto& channel : _channels) {
        channel->_mixInto(out, frames, _outputRate);
    }
}

void AudioMixer::mix(std::span<float> stereo) {
    std::fill(stereo.begin(), stereo.end(), 0.0f);
    const std::size_t frames = stereo.size() / 2;
    {
        const std::lock_guard lock(_mutex);
        _mixLocked(stereo.data(), frames);
    }
    for (float& sample : stereo) {
        sample = std::clamp(sample, -1.0f, 1.0f);
    }
}

void AudioMixer::mix(std::span<std::int16_t> stereo) {
    const std::size_t frames = stereo.size() / 2;
    if (stereo.size() % 2 != 0) {
        stereo.back() = 0;
    }
    const std::lock_guard lock(_mutex);
    for (std::size_t done = 0; done < frames;) {
        const std::size_t count = std::min(CHUNK_FRAMES, frames - done);
        std::fill_n(_chunk.begin(), count * 2, 0.0f);
        _mixLocked(_chunk.data(), count);
        std::int16_t* target = stereo.data() + done * 2;
        for (std::size_t i = 0; i < count * 2; ++i) {
            // Clipped rather than wrapped: loud mixes distort instead of cracking.
            const float scaled = std::clamp(_chunk[i] * 32768.0f, -32768.0f, 32767.0f);
            target[i] = static_cast<std::int16_t>(std::lrint(scaled));
        }
        done += count;
    }
}

} // namespace tarvex::platform
