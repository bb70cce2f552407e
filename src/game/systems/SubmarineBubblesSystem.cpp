#include "game/systems/SubmarineBubblesSystem.hpp"

#include "core/TypeBuilder.hpp"

namespace tarvex::game {

const Type& SubmarineBubblesSystem::staticType() {
    static const Type& type =
        TypeBuilder<SubmarineBubblesSystem>("SubmarineBubblesSystem")
            .meta("component_types", "PropellerComponent, ParticleGeneratorComponent")
            .build();
    return type;
}

} // namespace tarvex::game
