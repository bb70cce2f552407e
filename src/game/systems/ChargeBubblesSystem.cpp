#include "game/systems/ChargeBubblesSystem.hpp"

#include "core/TypeBuilder.hpp"

namespace tarvex::game {

const Type& ChargeBubblesSystem::staticType() {
    static const Type& type =
        TypeBuilder<ChargeBubblesSystem>("ChargeBubblesSystem")
            .meta("component_types",
                  "DepthChargeComponent, BodyComponent, ParticleGeneratorComponent")
            .build();
    return type;
}

} // namespace tarvex::game
