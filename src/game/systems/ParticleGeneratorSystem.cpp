#include "game/systems/ParticleGeneratorSystem.hpp"

#include "core/TypeBuilder.hpp"

namespace tarvex::game {

const Type& ParticleGeneratorSystem::staticType() {
    static const Type& type = TypeBuilder<ParticleGeneratorSystem>("ParticleGeneratorSystem")
                                  .meta("component_types", "ParticleGeneratorComponent")
                                  .build();
    return type;
}

} // namespace tarvex::game
