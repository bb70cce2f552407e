#include "platform/AudioChannel.hpp"

#include "core/TypeBuilder.hpp"

#include <algorithm>
#include <cmath>
#include <utility>

namespace tarvex::platform {

const Type& AudioChannel::staticType() {
    static const Type& type = TypeBuilder<AudioChannel>("AudioChannel").build();
    return type;
}

namespace {

// Keeps hostile values (NaN, infinities, negatives) out of the mixing arithmetic.
float bounded(float value, float maximum) {
    if (!(value > 0.0f)) {
        return 0.0f;
    }
    return std::min(value, maximum);
}

} // namespace

AudioChannel::AudioChannel(Ref<Sound> sound)
    : _sound(std::move(sound)), _stream(_sound ? _sound->openDecoder() : nullptr),
      _loop(_sound && _sound->isLooped()),
      _playing(_sound && _sound->frameCount() > 0 && (_stream || !_sound->isStreamed())) {}

void AudioChannel::setVolume(float volume) {
    _volume.store(bounded(volume, MAX_VOLUME), std::memory_order_relaxed);
}

void AudioChannel::setRate(float rate) {
    _rate.store(bounded(rate, MAX_RATE), std::memory_order_relaxed);
}

void AudioChannel::_mixInto(float* out, std::size_t frames, int outputRate) {
    if (!isPlaying()) {
        return;
    }
    if (_stream) {
        _mixStreamed(out, frames, outputRate);
        return;
    }
    const Sound& sound = *_sound;
    const std::size_t count = sound.frameCount();
    const auto length = static_cast<double>(count);
    const std::int16_t* samples = sound.samples().data();
    const bool stereo = sound.channels() == 2;
    const bool loop = isLooped();
    const double step = static_cast<double>(rate()) * sound.sampleRate() / outputRate;
    if (step <= 0.0) {
        return; // paused: the position holds and nothing sounds
    }
    const float scale = volume() / 32768.0f;

    for (std::size_t frame = 0; frame < frames; ++frame) {
        if (_position >= length) {
            if (!loop) {
                break;
            }
            _position = std::fmod(_position, length);
        }
        const auto index = static_cast<std::size_t>(_position);
        const auto fraction = static_cast<float>(_position - static_cast<double>(index));
        // Between the last frame and the next one: the first frame when looping (so the loop
        // point is seamless), otherwise the last frame is held.
        std::size_t next = index + 1;
        if (next >= count) {
            next = loop ? 0 : index;
        }
        if (stereo) {
            const float left0 = samples[index * 2];
            const float right0 = samples[index * 2 + 1];
            out[frame * 2] += (left0 + (samples[next * 2] - left0) * fraction) * scale;
            out[frame * 2 + 1] += (right0 + (samples[next * 2 + 1] - right0) * fraction) * scale;
        } else {
            const float value0 = samples[index];
            const float value = (value0 + (samples[next] - value0) * fraction) * scale;
            out[frame * 2] += value;
            out[frame * 2 + 1] += value;
        }
        _position += step;
    }
    if (!loop && _position >= length) {
        _playing.store(false, std::memory_order_relaxed);
    }
}

bool AudioChannel::_fetchNext(bool loop) {
    if (_stream->nextFrame(_next.data())) {
        return true;
    }
    if (loop && _stream->rewind() && _stream->nextFrame(_next.data())) {
        return true;
    }
    _next = _current;
    return false;
}

// The same resampling as for decoded sounds, one frame pair at a time: the position lies
// between _current and _next, `_fraction` of the way; the last frame is held unless looping.
void AudioChannel::_mixStreamed(float* out, std::size_t frames, int outputRate) {
    const double step = static_cast<double>(rate()) * _stream->sampleRate() / outputRate;
    if (step <= 0.0) {
        return;
    }
    const bool loop = isLooped();
    if (!_primed) {
        if (!_stream->nextFrame(_current.data())) {
            _playing.store(false, std::memory_order_relaxed);
            return;
        }
        _hasNext = _fetchNext(loop);
        _primed = true;
    }
    const bool stereo = _stream->channels() == 2;
    const float scale = volume() / 32768.0f;
    const auto fraction = [this] { return static_cast<float>(_fraction); };

    for (std::size_t frame = 0; frame < frames; ++frame) {
        const float left0 = _current[0];
        const float left = left0 + (_next[0] - left0) * fraction();
        float right = left;
        if (stereo) {
            const float right0 = _current[1];
            right = right0 + (_next[1] - right0) * fraction();
        }
        out[frame * 2] += left * scale;
        out[frame * 2 + 1] += right * scale;

        _fraction += step;
        while (_fraction >= 1.0) {
            _fraction -= 1.0;
            if (!_hasNext) {
                _playing.store(false, std::memory_order_relaxed);
                return;
            }
            _current = _next;
            _hasNext = _fetchNext(loop);
        }
    }
}

} // namespace tarvex::platform
