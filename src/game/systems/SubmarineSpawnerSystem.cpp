#include "game/systems/SubmarineSpawnerSystem.hpp"

#include "core/TypeBuilder.hpp"

namespace tarvex::game {

const Type& SubmarineSpawnerSystem::staticType() {
    static const Type& type = TypeBuilder<SubmarineSpawnerSystem>("SubmarineSpawnerSystem").build();
    return type;
}

} // namespace tarvex::game
