#include "game/systems/PlayerHealthSystem.hpp"

#include "core/TypeBuilder.hpp"

namespace tarvex::game {

const Type& PlayerHealthSystem::staticType() {
    static const Type& type = TypeBuilder<PlayerHealthSystem>("PlayerHealthSystem")
                                  .meta("component_types", "SmokeComponent")
                                  .build();
    return type;
}

} // namespace tarvex::game
