#include "game/systems/PlayerInputSystem.hpp"

#include "core/TypeBuilder.hpp"

namespace tarvex::game {

const Type& PlayerInputSystem::staticType() {
    static const Type& type = TypeBuilder<PlayerInputSystem>("PlayerInputSystem")
                                  .meta("component_types", "PlayerComponent, BodyComponent")
                                  .build();
    return type;
}

} // namespace tarvex::game
