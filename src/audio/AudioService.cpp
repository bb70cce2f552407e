#include "audio/AudioService.hpp"

#include "audio/SoundPattern.hpp"
#include "core/DebugLog.hpp"
#include "core/Random.hpp"
#include "core/TypeBuilder.hpp"
#include "platform/AudioDevice.hpp"
#include "resources/ResourceService.hpp"

#include <cstdint>
#include <utility>

namespace tarvex {

const Type& AudioService::staticType() {
    static const Type& type =
        TypeBuilder<AudioService>("AudioService")
            .meta("implements", "update")
            .field("_resources", &AudioService::_resources, {{"injectable", "1"}})
            .field("_musicChannel", &AudioService::_musicChannel)
            .field("_volume", &AudioService::_volume)
            .field("_rate", &AudioService::_rate)
            .field("_effects", &AudioService::_effects)
            .build();
    return type;
}

AudioService::AudioService() {
    init(); // registers _resources for injection
}

namespace {

std::string trimmed(const std::string& text) {
    constexpr const char* blanks = " \t\r\n\f\v";
    const auto first = text.find_first_not_of(blanks);
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

} // namespace

Ref<platform::AudioChannel> AudioService::_play(const Ref<platform::Sound>& sound) {
    const auto device = platform::audioDevice();
    return device ? device->play(sound) : nullptr;
}

Ref<platform::Sound> AudioService::_findSound(const std::string& name) {
    if (!_resources) {
        return nullptr;
    }
    // Asked for first so that it is loaded (and counted) as every user of a resource does.
    const bool known = _resources->get(name, false) != nullptr;
    auto sound = _resources->getSound(name);
    if (!sound && known) {
        // The resource service names unknown identifiers itself; a sound whose file could not
        // be read is reported here, so every play that stays silent says why.
        debugLog("Could not find sound resource: " + name);
    }
    return sound;
}

bool AudioService::playSoundResource(const std::string& name) {
    if (name.empty()) {
        return false;
    }
    const auto sound = _findSound(name);
    if (!sound) {
        return false;
    }
    (void)_play(sound); // fire and forget: the mixer keeps the channel until the sound ends
    return true;
}

bool AudioService::playRandomSoundResource(const std::vector<std::string>& names) {
    if (names.empty()) {
        return false;
    }
    const auto last = static_cast<std::int32_t>(names.size()) - 1;
    const auto index = static_cast<std::size_t>(Random::integer(0, last));
    return playSoundResource(trimmed(names[index]));
}

bool AudioService::playRandomSoundByName(const std::string& pattern) {
    if (!_resources) {
        return false;
    }
    std::vector<std::string> matches;
    for (auto& name : _resources->getResourceNames()) {
        if (matchesSoundPattern(name, pattern)) {
            matches.push_back(std::move(name));
        }
    }
    if (matches.empty()) {
        return false;
    }
    return playRandomSoundResource(matches);
}

bool AudioService::playMusic(const std::string& name) {
    if (name.empty()) {
        return false;
    }
    const auto sound = _findSound(name);
    if (!sound) {
        return false; // whatever plays goes on
    }
    _volume = 1.0f;
    _rate = 1.0f;
    _musicChannel = _play(sound);
    return false;
}

bool AudioService::isMusicPlaying() const {
    return _musicChannel != nullptr;
}

void AudioService::stopMusic() {
    if (_musicChannel) {
        _musicChannel->stop();
        _musicChannel = nullptr;
    }
}

void AudioService::fadeMusicTo(float target, float duration) {
    if (!isMusicPlaying()) {
        return;
    }
    _effects.push_back(std::make_shared<ChangeVolumeEffect>(_volume, target, duration));
}

void AudioService::changeRateTo(float target, float duration) {
    if (!isMusicPlaying()) {
        return;
    }
    _effects.push_back(std::make_shared<ChangeRateEffect>(_rate, target, duration));
}

void AudioService::update(float delta) {
    for (std::size_t i = 0; i < _effects.size();) {
        const Ref<BaseEffect> effect = _effects[i];
        effect->update(delta, *this);
        if (effect->isFinished()) {
            _effects.erase(_effects.begin() + static_cast<std::ptrdiff_t>(i));
        } else {
            ++i;
        }
    }
}

void AudioService::_applyMusicVolume(float volume) {
    if (_musicChannel) {
        _musicChannel->setVolume(volume);
    }
    _volume = volume;
}

void AudioService::_applyMusicRate(float rate) {
    if (_musicChannel) {
        _musicChannel->setRate(rate);
    }
    _rate = rate;
}

} // namespace tarvex
