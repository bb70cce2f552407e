#include "game/systems/MineUpdaterSystem.hpp"

#include "core/TypeBuilder.hpp"

namespace tarvex::game {

const Type& MineUpdaterSystem::staticType() {
    static const Type& type = TypeBuilder<MineUpdaterSystem>("MineUpdaterSystem")
                                  .meta("component_types", "MineComponent")
                                  .build();
    return type;
}

} // namespace tarvex::game
