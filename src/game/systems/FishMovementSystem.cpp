#include "game/systems/FishMovementSystem.hpp"

#include "core/TypeBuilder.hpp"

namespace tarvex::game {

const Type& FishMovementSystem::staticType() {
    static const Type& type = TypeBuilder<FishMovementSystem>("FishMovementSystem")
                                  .meta("component_types", "FishComponent")
                                  .build();
    return type;
}

} // namespace tarvex::game
