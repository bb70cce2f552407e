#include "game/systems/PlayerFragmentSystem.hpp"

#include "core/TypeBuilder.hpp"

namespace tarvex::game {

const Type& PlayerFragmentSystem::staticType() {
    static const Type& type = TypeBuilder<PlayerFragmentSystem>("PlayerFragmentSystem")
                                  .meta("component_types", "PlayerFragmentComponent")
                                  .build();
    return type;
}

} // namespace tarvex::game
