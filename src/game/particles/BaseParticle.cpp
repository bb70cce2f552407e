#include "game/particles/BaseParticle.hpp"

#include "core/Random.hpp"
#include "core/TypeBuilder.hpp"
#include "graphics/HexColor.hpp"

#include <cmath>
#include <numbers>

namespace tarvex::game {

namespace {

constexpr float WOBBLE_STEP_DEGREES = 2;
constexpr float DEGREES_TO_RADIANS = std::numbers::pi_v<float> / 180.0F;

} // namespace

const Type& BaseParticle::staticType() {
    using P = BaseParticle;
    static const Type& type = TypeBuilder<P>("BaseParticle")
                                  .field("x_pos", &P::x_pos)
                                  .field("y_pos", &P::y_pos)
                                  .field("x_velocity", &P::x_velocity)
                                  .field("y_velocity", &P::y_velocity)
                                  .field("x_acceleration", &P::x_acceleration)
                                  .field("y_acceleration", &P::y_acceleration)
                                  .field("x_max_velocity", &P::x_max_velocity)
                                  .field("y_max_velocity", &P::y_max_velocity)
                                  .field("x_drag", &P::x_drag)
                                  .field("y_drag", &P::y_drag)
                                  .field("colorRed", &P::colorRed)
                                  .field("colorGreen", &P::colorGreen)
                                  .field("colorBlue", &P::colorBlue)
                                  .field("lifespan", &P::lifespan)
                                  .field("width", &P::width)
                                  .field("height", &P::height)
                                  .field("_alpha", &P::_alpha)
                                  .field("_alphaDecay", &P::_alphaDecay)
                                  .field("_toDelete", &P::_toDelete)
                                  .build();
    return type;
}

void BaseParticle::setColorHex(const std::string& text) {
    graphics::parseHexColor(text, colorRed, colorGreen, colorBlue);
}

float BaseParticle::_clampVelocity(float v, float max) const {
    if (max == 0 || std::fabs(v) <= max) {
        return v;
    }
    return v >= 0 ? max : -max;
}

void BaseParticle::update(float delta) {
    x_velocity += x_acceleration / 1000 * delta;
    y_velocity += y_acceleration / 1000 * delta;
    x_velocity = _clampVelocity(x_velocity, x_max_velocity);
    y_velocity = _clampVelocity(y_velocity, y_max_velocity);
    if (x_acceleration == 0 && x_drag != 0) {
        // Drag brings the particle to rest and never pushes it back.
        const float drag = x_drag / 1000 * delta;
        if (x_velocity - drag > 0) {
            x_velocity -= drag;
        } else if (x_velocity + drag >= 0) {
            x_velocity = 0;
        } else {
            x_velocity += drag;
        }
    }
    x_pos += x_velocity / 1000 * delta;
    y_pos += y_velocity / 1000 * delta;
}

bool BaseParticle::_fade() {
    _alpha -= FADE_PER_UPDATE;
    return _alpha <= 0;
}

void BaseParticle::_reset() {
    x_pos = 0;
    y_pos = 0;
    x_velocity = 0;
    y_velocity = 0;
    x_acceleration = 0;
    y_acceleration = 0;
    x_max_velocity = 0;
    y_max_velocity = 0;
    x_drag = 0;
    y_drag = 0;
    colorRed = 0;
    colorGreen = 0;
    colorBlue = 0;
    lifespan = 0;
    width = 1;
    height = 1;
    _alpha = 1.0F;
    _alphaDecay = 0;
    _toDelete = false;
}

const Type& BaseWobblyParticle::staticType() {
    using P = BaseWobblyParticle;
    static const Type& type = TypeBuilder<P>("BaseWobblyParticle")
                                  .field("_waveOffset", &P::_waveOffset)
                                  .field("_startX", &P::_startX)
                                  .field("_wobbleDistance", &P::_wobbleDistance)
                                  .build();
    return type;
}

void BaseWobblyParticle::onEmit() {
    _startX = x_pos;
    _waveOffset = Random::real(0, 180);
}

void BaseWobblyParticle::update(float delta) {
    BaseParticle::update(delta);
    // The phase moves per update, not per millisecond: the sway is tied to the frame rate.
    _waveOffset += WOBBLE_STEP_DEGREES;
    x_pos =
        _startX + static_cast<float>(_wobbleDistance) * std::sin(_waveOffset * DEGREES_TO_RADIANS);
}

void BaseWobblyParticle::_reset() {
    BaseParticle::_reset();
    _waveOffset = 0;
    _startX = 0;
    _wobbleDistance = 2;
}

const Type& WaterSplashParticle::staticType() {
    static const Type& type = TypeBuilder<WaterSplashParticle>("WaterSplashParticle").build();
    return type;
}

void WaterSplashParticle::onEmit() {
    colorRed = 255;
    colorGreen = 255;
    colorBlue = 255;
    _alpha = 1 - Random::real(0, 0.5F);
    x_velocity = Random::real(0, 20) - 10;
    x_acceleration = 0;
    y_velocity = Random::real(0, 20) - 50;
    y_acceleration = 100 + Random::real(0, 20);
}

void WaterSplashParticle::update(float delta) {
    BaseParticle::update(delta);
    if (_fade() || y_pos >= SEA_SURFACE_Y) {
        destroy();
    }
}

const Type& BubbleParticle::staticType() {
    static const Type& type = TypeBuilder<BubbleParticle>("BubbleParticle").build();
    return type;
}

void BubbleParticle::onEmit() {
    BaseWobblyParticle::onEmit();
    colorRed = 133;
    colorGreen = 176;
    colorBlue = 203;
    _alpha = 1.0F;
    x_velocity = 0;
    y_velocity = -10;
    setWobbleDistance(2);
}

void BubbleParticle::update(float delta) {
    BaseWobblyParticle::update(delta);
    if (_fade() || y_pos <= SEA_SURFACE_Y) {
        destroy();
    }
}

const Type& FireParticle::staticType() {
    static const Type& type = TypeBuilder<FireParticle>("FireParticle").build();
    return type;
}

void FireParticle::onEmit() {
    BaseWobblyParticle::onEmit();
    setWobbleDistance(3);
    const float r = Random::real(0, 1);
    if (r < 0.5F) {
        setColorHex("#FFFF00");
    } else if (r < 0.75F) {
        setColorHex("#FF8040");
    } else {
        setColorHex("#FF0000");
    }
    _alpha = 0.5F;
    y_velocity = -15;
}

void FireParticle::update(float delta) {
    BaseWobblyParticle::update(delta);
    if (_fade()) {
        destroy();
    }
}

const Type& SmokeParticle::staticType() {
    static const Type& type = TypeBuilder<SmokeParticle>("SmokeParticle").build();
    return type;
}

void SmokeParticle::onEmit() {
    BaseWobblyParticle::onEmit();
    setWobbleDistance(3);
    setColorHex("#484848");
    _alpha = 1.0F;
    y_velocity = -15;
}

void SmokeParticle::update(float delta) {
    BaseWobblyParticle::update(delta);
    if (_fade()) {
        destroy();
    }
}

} // namespace tarvex::game
