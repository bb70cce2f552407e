#include "game/systems/MissileCollisionSystem.hpp"

#include "core/TypeBuilder.hpp"

namespace tarvex::game {

const Type& MissileCollisionSystem::staticType() {
    static const Type& type = TypeBuilder<MissileCollisionSystem>("MissileCollisionSystem")
                                  .meta("component_types", "MissileComponent")
                                  .build();
    return type;
}

} // namespace tarvex::game
