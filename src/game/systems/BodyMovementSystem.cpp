#include "game/systems/BodyMovementSystem.hpp"

#include "core/TypeBuilder.hpp"
#include "entities/World.hpp"
#include "game/components/BodyComponent.hpp"
#include "game/systems/BodyMotion.hpp"

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
    return clampVelocity(v, max);
}

void BodyMovementSystem::processEntity(Entity& entity) {
    auto* body = entity.getComponentAs<BodyComponent>(_bodyLookup.get());
    if (body == nullptr || !body->getSprite()) {
        return;
    }
    advanceBody(*body, getWorld()->getDelta());
}

} // namespace tarvex::game
