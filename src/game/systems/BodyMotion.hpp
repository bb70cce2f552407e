// One step of the motion that sprite bodies and text bodies share, in pixels per second and
// per second squared over a step of `dt` ms: accelerate, clamp each velocity to its axis limit,
// drag the horizontal velocity toward 0 (never past it) while there is no horizontal
// acceleration, then move by the velocity.
//
//     advanceBody(*body, getWorld()->getDelta());
#pragma once

#include "game/components/BodyComponent.hpp"
#include "game/components/TextBodyComponent.hpp"

namespace tarvex::game {

// `v` limited to `max` in size, keeping its sign; a limit of 0 leaves it.
[[nodiscard]] float clampVelocity(float v, float max);

void advanceBody(BodyComponent& body, float dt);
void advanceBody(TextBodyComponent& body, float dt);

} // namespace tarvex::game
