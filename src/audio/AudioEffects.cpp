#include "audio/AudioEffects.hpp"

#include "audio/AudioService.hpp"
#include "core/DebugLog.hpp"
#include "core/TypeBuilder.hpp"

#include <charconv>
#include <string>

namespace tarvex {

const Type& BaseEffect::staticType() {
    static const Type& type = TypeBuilder<BaseEffect>("BaseEffect")
                                  .field("_isFinished", &BaseEffect::_isFinished)
                                  .build();
    return type;
}

const Type& ChangeVolumeEffect::staticType() {
    static const Type& type = TypeBuilder<ChangeVolumeEffect>("ChangeVolumeEffect")
                                  .field("_fadeTimer", &ChangeVolumeEffect::_fadeTimer)
                                  .field("_targetVolume", &ChangeVolumeEffect::_targetVolume)
                                  .field("_volume", &ChangeVolumeEffect::_volume)
                                  .field("_fadeStep", &ChangeVolumeEffect::_fadeStep)
                                  .build();
    return type;
}

const Type& ChangeRateEffect::staticType() {
    static const Type& type = TypeBuilder<ChangeRateEffect>("ChangeRateEffect")
                                  .field("_fadeTimer", &ChangeRateEffect::_fadeTimer)
                                  .field("_targetRate", &ChangeRateEffect::_targetRate)
                                  .field("_rate", &ChangeRateEffect::_rate)
                                  .field("_fadeStep", &ChangeRateEffect::_fadeStep)
                                  .build();
    return type;
}

namespace {

// The shortest text that reads back as the same float32 ("0.9915", not "0.99150002002716064").
std::string floatText(float value) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return {buffer, result.ptr};
}

} // namespace

float BaseEffect::_stepFor(float start, float target, float duration) {
    // A duration of 0 would divide by zero and send an infinite (or not-a-number) value to the
    // music; taken as one step, the first update lands on the target exactly and finishes.
    return duration > 0 ? (start - target) / duration : 0.0f;
}

ChangeVolumeEffect::ChangeVolumeEffect(float startVolume, float targetVolume, float duration)
    : _fadeTimer(duration > 0 ? duration : 0), _targetVolume(targetVolume),
      _volume(duration > 0 ? startVolume : targetVolume),
      _fadeStep(_stepFor(startVolume, targetVolume, duration)) {}

void ChangeVolumeEffect::update(float delta, AudioService& service) {
    _fadeTimer -= delta;
    _volume -= _fadeStep * delta;
    service._applyMusicVolume(_volume);
    debugLog("Volume: " + floatText(_volume));
    if (_fadeTimer < 0) {
        _isFinished = true;
    }
}

ChangeRateEffect::ChangeRateEffect(float startRate, float targetRate, float duration)
    : _fadeTimer(duration > 0 ? duration : 0), _targetRate(targetRate),
      _rate(duration > 0 ? startRate : targetRate),
      _fadeStep(_stepFor(startRate, targetRate, duration)) {}

void ChangeRateEffect::update(float delta, AudioService& service) {
    _fadeTimer -= delta;
    _rate -= _fadeStep * delta;
    service._applyMusicRate(_rate);
    if (_fadeTimer < 0) {
        _isFinished = true;
    }
}

} // namespace tarvex
