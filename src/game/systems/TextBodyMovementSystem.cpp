#include "game/systems/TextBodyMovementSystem.hpp"

#include "core/TypeBuilder.hpp"
#include "entities/World.hpp"
#include "game/components/TextBodyComponent.hpp"
#include "game/systems/BodyMovementSystem.hpp"

namespace tarvex::game {

const Type& TextBodyMovementSystem::staticType() {
    static const Type& type = TypeBuilder<TextBodyMovementSystem>("TextBodyMovementSystem")
                                  .meta("component_types", "TextBodyComponent")
                                  .field("_bodyLookup", &TextBodyMovementSystem::_bodyLookup,
                                         {{"component_type", "TextBodyComponent"}})
                                  .build();
    return type;
}

void TextBodyMovementSystem::processEntity(Entity& entity) {
    auto* body = entity.getComponentAs<TextBodyComponent>(_bodyLookup.get());
    if (body == nullptr || !body->getLabel()) {
        return;
    }
    const float dt = getWorld()->getDelta();
    body->x_velocity += body->x_acceleration / 1000 * dt;
    body->y_velocity += body->y_acceleration / 1000 * dt;
    body->x_velocity = BodyMovementSystem::_clampVelocity(body->x_velocity, body->x_max_velocity);
    body->y_velocity = BodyMovementSystem::_clampVelocity(body->y_velocity, body->y_max_velocity);
    if (body->x_acceleration == 0 && body->x_drag != 0) {
        // Drag slows the label down to rest and never pushes it the other way.
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
