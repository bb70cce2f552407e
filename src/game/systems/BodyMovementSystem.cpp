#include "game/systems/BodyMovementSystem.hpp"

#include "core/TypeBuilder.hpp"
#include "entities/World.hpp"
#include "game/components/BodyComponent.hpp"

#include <cmath>

namespace tarvex::game {

const Type& BodyMovementSystem::staticType() {
    static const Type& type = TypeBuilder<BodyMovementSystem>("BodyMovementSystem")
                                  .meta("component_types", "BodyComponent")
                                  .field("_bodyLookup", &BodyMovementSystem::_bodyLookup,
                                         {{"component_type", "BodyComponent"}})
                                  .build();
    return type;
}

float BodyMovementSystem::_clampVelocity(float v, float max) {
    if (max == 0 || std::fabs(v) <= max) {
        return v;
    }
    return v >= 0 ? max : -max;
}

void BodyMovementSystem::processEntity(Entity& entity) {
    auto* body = entity.getComponentAs<BodyComponent>(_bodyLookup.get());
    if (body == nullptr || !body->getSprite()) {
        return;
    }
    const float dt = getWorld()->getDelta();
    body->x_velocity += body->x_acceleration / 1000 * dt;
    body->y_velocity += body->y_acceleration / 1000 * dt;
    body->x_velocity = _clampVelocity(body->x_velocity, body->x_max_velocity);
    body->y_velocity = _clampVelocity(body->y_velocity, body->y_max_velocity);
    if (body->x_acceleration == 0 && body->x_drag != 0) {
        // Drag slows the body down to rest and never pushes it the other way.
        const float drag = body->x_drag / 1000 * dt;
        if (body->x_velocity - drag > 0) {
            body->x_velocity -= drag;
        } else if (body->x_velocity + drag >= 0) {
            body->x_velocity = 0;
        } else {
            body->x_velocity += drag;
        }
    }
    body->move(body->x_velocity / 1000 * dt, body->y_velocity / 1000 * dt);
}

} // namespace tarvex::game
