#include "game/systems/TextBodyMovementSystem.hpp"

#include "core/TypeBuilder.hpp"

namespace tarvex::game {

const Type& TextBodyMovementSystem::staticType() {
    static const Type& type = TypeBuilder<TextBodyMovementSystem>("TextBodyMovementSystem")
                                  .meta("component_types", "TextBodyComponent")
                                  .build();
    return type;
}

} // namespace tarvex::game
