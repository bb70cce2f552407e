// Moves every body that has its sprite, each world step: accelerate, clamp each velocity to its
// axis limit, drag the horizontal velocity toward 0 while there is no horizontal
// acceleration, then move by the velocity. With a limit of 25 and drag 10, a body coasting at
// 25 px/s is at 15 px/s after a second and at rest (not moving back) after two more.
#pragma once

#include "entities/EntityProcessingSystem.hpp"

namespace tarvex::game {

class BodyMovementSystem : public EntityProcessingSystem {
    TARVEX_OBJECT(BodyMovementSystem, EntityProcessingSystem)
public:
    void processEntity(Entity& entity) override;

    // `v` limited to `max` in size, keeping its sign; a limit of 0 leaves it.
    [[nodiscard]] static float _clampVelocity(float v, float max);

private:
    Ref<ComponentType> _bodyLookup;
};

} // namespace tarvex::game
