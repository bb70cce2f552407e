#include "game/systems/PlayerDestroyedSystem.hpp"

#include "core/TypeBuilder.hpp"

namespace tarvex::game {

const Type& PlayerDestroyedSystem::staticType() {
    static const Type& type = TypeBuilder<PlayerDestroyedSystem>("PlayerDestroyedSystem")
                                  .meta("component_types", "PlayerComponent, BodyComponent")
                                  .build();
    return type;
}

} // namespace tarvex::game
