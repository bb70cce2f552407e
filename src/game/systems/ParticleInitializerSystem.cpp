#include "game/systems/ParticleInitializerSystem.hpp"

#include "core/TypeBuilder.hpp"

namespace tarvex::game {

const Type& ParticleInitializerSystem::staticType() {
    static const Type& type = TypeBuilder<ParticleInitializerSystem>("ParticleInitializerSystem")
                                  .meta("component_types", "ParticleGeneratorComponent")
                                  .build();
    return type;
}

} // namespace tarvex::game
