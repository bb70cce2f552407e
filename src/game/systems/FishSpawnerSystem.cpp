#include "game/systems/FishSpawnerSystem.hpp"

#include "core/TypeBuilder.hpp"

namespace tarvex::game {

const Type& FishSpawnerSystem::staticType() {
    static const Type& type = TypeBuilder<FishSpawnerSystem>("FishSpawnerSystem").build();
    return type;
}

} // namespace tarvex::game
