#include "game/systems/PlaneSpawnerSystem.hpp"

#include "core/TypeBuilder.hpp"

namespace tarvex::game {

const Type& PlaneSpawnerSystem::staticType() {
    static const Type& type = TypeBuilder<PlaneSpawnerSystem>("PlaneSpawnerSystem").build();
    return type;
}

} // namespace tarvex::game
