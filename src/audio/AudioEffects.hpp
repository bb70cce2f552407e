// Music effects: a change of the music's volume or playback rate spread linearly over a given
// time. The audio service starts them (fadeMusicTo, changeRateTo) and updates every running
// effect once a frame; each update moves the value by one step of (start - target) / duration
// per millisecond, sends it to the music channel and leaves it in the service.
//
//     ChangeVolumeEffect fade(1.0f, 0.5f, 1000.0f);   // from 1.0 to 0.5 in one second
//     fade.update(17.0f, audio);                       // 0.9915; "Volume: 0.9915" logged
//
// The value is not clamped: the update that finishes an effect (the first whose timer falls
// below 0) has applied its step in full, so the value ends between the target and one step
// beyond it. A duration of 0 or less reaches the target in one update.
#pragma once

#include "core/Object.hpp"

namespace tarvex {

class AudioService;

class BaseEffect : public Object {
    TARVEX_OBJECT(BaseEffect, Object)
public:
    virtual void update(float delta, AudioService& service) = 0;
    [[nodiscard]] virtual bool isFinished() const { return _isFinished; }

protected:
    // The step per millisecond from `start` to `target` over `duration`.
    [[nodiscard]] static float _stepFor(float start, float target, float duration);

    bool _isFinished = false;
};

class ChangeVolumeEffect : public BaseEffect {
    TARVEX_OBJECT(ChangeVolumeEffect, BaseEffect)
public:
    ChangeVolumeEffect() = default;
    ChangeVolumeEffect(float startVolume, float targetVolume, float duration);

    // Moves the volume one step, sends it to the music and writes "Volume: <value>" to the
    // debug log.
    void update(float delta, AudioService& service) override;

    [[nodiscard]] float getVolume() const { return _volume; }
    [[nodiscard]] float getTargetVolume() const { return _targetVolume; }
    [[nodiscard]] float getFadeTimer() const { return _fadeTimer; }

private:
    float _fadeTimer = 0;
    float _targetVolume = 0; // kept for reference; the steps alone lead to it
    float _volume = 0;
    float _fadeStep = 0;
};

class ChangeRateEffect : public BaseEffect {
    TARVEX_OBJECT(ChangeRateEffect, BaseEffect)
public:
    ChangeRateEffect() = default;
    ChangeRateEffect(float startRate, float targetRate, float duration);

    void update(float delta, AudioService& service) override;

    [[nodiscard]] float getRate() const { return _rate; }
    [[nodiscard]] float getTargetRate() const { return _targetRate; }
    [[nodiscard]] float getFadeTimer() const { return _fadeTimer; }

private:
    float _fadeTimer = 0;
    float _targetRate = 0; // kept for reference; the steps alone lead to it
    float _rate = 0;
    float _fadeStep = 0;
};

} // namespace tarvex
