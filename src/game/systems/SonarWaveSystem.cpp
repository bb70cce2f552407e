#include "game/systems/SonarWaveSystem.hpp"

#include "core/TypeBuilder.hpp"

namespace tarvex::game {

const Type& SonarWaveSystem::staticType() {
    static const Type& type = TypeBuilder<SonarWaveSystem>("SonarWaveSystem")
                                  .meta("component_types", "SonarWaveComponent")
                                  .build();
    return type;
}

} // namespace tarvex::game
