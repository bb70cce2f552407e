#include "game/systems/ParticleSweeperSystem.hpp"

#include "core/TypeBuilder.hpp"

namespace tarvex::game {

const Type& ParticleSweeperSystem::staticType() {
    static const Type& type = TypeBuilder<ParticleSweeperSystem>("ParticleSweeperSystem")
                                  .meta("component_types", "ParticleGeneratorComponent")
                                  .build();
    return type;
}

} // namespace tarvex::game
