// One small coloured square of an emitter's particle stream: bubbles, fire, smoke and water
// drops. A particle moves like a body (accelerate, clamp, drag on x, move) and each class adds
// its own set-up in onEmit() and its own fading and end in update():
//
//     auto particle = std::make_shared<BubbleParticle>();
//     particle->x_pos = 40;
//     particle->y_pos = 100;
//     particle->onEmit();          // colour, alpha, rising speed
//     particle->update(16.0F);     // one frame; _toDelete once it is gone
//
// Positions in virtual units, velocities in units per second, accelerations and drag in units
// per second squared, delta in milliseconds.
#pragma once

#include "core/Object.hpp"

#include <cstdint>
#include <string>

namespace tarvex::game {

class BaseParticle : public Object {
    TARVEX_OBJECT(BaseParticle, Object)
public:
    // How much alpha every particle class loses per update.
    static constexpr float FADE_PER_UPDATE = 0.005F;
    // The sea surface line of the playfield.
    static constexpr float SEA_SURFACE_Y = 72;

    // The colour from hex text ("#FF8040"); anything that is not six hex digits is white.
    virtual void setColorHex(const std::string& text);
    // Accelerate, clamp each velocity to its limit, drag x toward 0, move.
    virtual void update(float delta);
    // `v` limited to `max` in size keeping its sign (0 counts as positive); 0 means no limit.
    [[nodiscard]] virtual float _clampVelocity(float v, float max) const;
    // Marks the particle for its emitter to drop.
    virtual void destroy() { _toDelete = true; }
    // The class's own set-up, once the spawn position is set.
    virtual void onEmit() {}
    // Back to the state of a new particle, so an emitter can use it again.
    virtual void _reset();

    [[nodiscard]] float getAlpha() const { return _alpha; }
    void setAlpha(float alpha) { _alpha = alpha; }
    [[nodiscard]] bool isDeleted() const { return _toDelete; }

    float x_pos = 0;
    float y_pos = 0;
    float x_velocity = 0;
    float y_velocity = 0;
    float x_acceleration = 0;
    float y_acceleration = 0;
    float x_max_velocity = 0; // 0: no limit
    float y_max_velocity = 0;
    float x_drag = 0;
    float y_drag = 0; // stored; only the horizontal velocity is dragged
    std::uint8_t colorRed = 0;
    std::uint8_t colorGreen = 0;
    std::uint8_t colorBlue = 0;
    float lifespan = 0; // not used
    std::int32_t width = 1;
    std::int32_t height = 1;

protected:
    // Loses FADE_PER_UPDATE of alpha; true once it is faded out (alpha <= 0).
    bool _fade();

    float _alpha = 1.0F;
    float _alphaDecay = 0; // not used
    bool _toDelete = false;
};

// A particle that sways sideways around the column it was spawned in: its x follows a sine of
// a phase that advances 2 degrees per update, `_wobbleDistance` units either way.
class BaseWobblyParticle : public BaseParticle {
    TARVEX_OBJECT(BaseWobblyParticle, BaseParticle)
public:
    virtual void setWobbleDistance(std::int32_t distance) { _wobbleDistance = distance; }
    // Remembers the spawn column and starts at a random phase in [0, 180) degrees.
    void onEmit() override;
    void update(float delta) override;
    void _reset() override;

    [[nodiscard]] std::int32_t getWobbleDistance() const { return _wobbleDistance; }

protected:
    float _waveOffset = 0; // degrees
    float _startX = 0;
    std::int32_t _wobbleDistance = 2;
};

// A white drop thrown up from the sea that falls back; gone when faded or back at the surface.
class WaterSplashParticle : public BaseParticle {
    TARVEX_OBJECT(WaterSplashParticle, BaseParticle)
public:
    void onEmit() override;
    void update(float delta) override;
};

// A blue-grey bubble rising at 10 units per second; gone when faded or at the surface.
class BubbleParticle : public BaseWobblyParticle {
    TARVEX_OBJECT(BubbleParticle, BaseWobblyParticle)
public:
    void onEmit() override;
    void update(float delta) override;
};

// A half-transparent spark, yellow, orange or red, rising from a burning boat.
class FireParticle : public BaseWobblyParticle {
    TARVEX_OBJECT(FireParticle, BaseWobblyParticle)
public:
    void onEmit() override;
    void update(float delta) override;
};

// A dark grey puff rising from a damaged boat.
class SmokeParticle : public BaseWobblyParticle {
    TARVEX_OBJECT(SmokeParticle, BaseWobblyParticle)
public:
    void onEmit() override;
    void update(float delta) override;
};

} // namespace tarvex::game
