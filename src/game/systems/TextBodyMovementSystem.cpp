#include "game/systems/TextBodyMovementSystem.hpp"

#include "core/TypeBuilder.hpp"
#include "entities/World.hpp"
#include "game/components/TextBodyComponent.hpp"
#include "game/systems/BodyMotion.hpp"

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
    advanceBody(*body, getWorld()->getDelta());
}

} // namespace tarvex::game
