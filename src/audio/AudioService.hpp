// The kernel service through which the game makes sound: one-shot effects by resource
// identifier (or one drawn at random among several identifiers, or among all identifiers that
// match a pattern), one music track on its own channel, and fades of the music's volume and
// playback rate over time. Sounds come from the resource service; they play on the platform's
// audio device (the driver selected at start-up), each on a channel of its own.
//
//     _audio->playRandomSoundByName("depthrun.sounds.explode*");
//     _audio->stopMusic();
//     _audio->playMusic("depthrun.music.daytime");
//     _audio->fadeMusicTo(0.5f, 1000.0f);   // night: half volume...
//     _audio->changeRateTo(0.9f, 1000.0f);  // ...and a little slower, over one second
//
// The kernel calls update() every frame ({implements="update"}) to move the running effects.
// A sound that cannot be found or read plays nothing and the game goes on; the debug log says
// "Could not find sound resource: <identifier>". Main thread only.
#pragma once

#include "audio/AudioEffects.hpp"
#include "kernel/GameService.hpp"
#include "platform/AudioChannel.hpp"
#include "platform/Sound.hpp"

#include <string>
#include <vector>

namespace tarvex {

class ResourceService;

class AudioService : public GameService {
    TARVEX_OBJECT(AudioService, GameService)
public:
    AudioService();

    // Plays the sound resource on a new channel and forgets the channel, so the same sound may
    // overlap itself. False for "" and for a sound that cannot be found or read.
    virtual bool playSoundResource(const std::string& name);
    // One of the identifiers, drawn uniformly with the framework's random generator and
    // trimmed of surrounding blanks. False for an empty list or a sound that does not play.
    virtual bool playRandomSoundResource(const std::vector<std::string>& names);
    // One of the registered identifiers that match the pattern (see SoundPattern.hpp). False
    // when none matches.
    virtual bool playRandomSoundByName(const std::string& pattern);
    // Starts the music on a new channel with volume and rate back at 1.0. A track already
    // playing goes on (callers stop it first); an unknown identifier changes nothing. The
    // answer is always false.
    virtual bool playMusic(const std::string& name);
    // True from playMusic until stopMusic, whether or not the track still sounds.
    [[nodiscard]] virtual bool isMusicPlaying() const;
    virtual void stopMusic();
    // Moves the music's volume / rate from its current value to `target` over `duration`
    // milliseconds. Ignored without music; effects already running keep running.
    virtual void fadeMusicTo(float target, float duration);
    virtual void changeRateTo(float target, float duration);

    // Moves every running effect by `delta` milliseconds and drops the finished ones.
    void update(float delta) override;
    void onInit() override {}

    [[nodiscard]] float getVolume() const { return _volume; }
    [[nodiscard]] float getRate() const { return _rate; }
    [[nodiscard]] const Ref<platform::AudioChannel>& getMusicChannel() const {
        return _musicChannel;
    }
    [[nodiscard]] const std::vector<Ref<BaseEffect>>& getEffects() const { return _effects; }

private:
    friend class ChangeVolumeEffect;
    friend class ChangeRateEffect;

    // The effects' way back: the value goes to the music channel, when there is one, and is
    // kept as the service's current value.
    void _applyMusicVolume(float volume);
    void _applyMusicRate(float rate);
    // The sound of a resource, loading it; null (and a debug-log line) when there is none.
    [[nodiscard]] Ref<platform::Sound> _findSound(const std::string& name);
    // A new channel on the current audio device; null when no device could be opened.
    [[nodiscard]] static Ref<platform::AudioChannel> _play(const Ref<platform::Sound>& sound);

    Ref<ResourceService> _resources;
    Ref<platform::AudioChannel> _musicChannel;
    float _volume = 1.0f;
    float _rate = 1.0f;
    std::vector<Ref<BaseEffect>> _effects;
};

} // namespace tarvex
