#include "game/systems/ExplosionCollisionSystem.hpp"

#include "core/TypeBuilder.hpp"

namespace tarvex::game {

const Type& ExplosionCollisionSystem::staticType() {
    static const Type& type = TypeBuilder<ExplosionCollisionSystem>("ExplosionCollisionSystem")
                                  .meta("component_types", "ExplosionComponent")
                                  .build();
    return type;
}

} // namespace tarvex::game
