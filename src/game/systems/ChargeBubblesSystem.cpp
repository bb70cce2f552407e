#include "game/systems/ChargeBubblesSystem.hpp"

#include "core/TypeBuilder.hpp"
#include "game/components/BodyComponent.hpp"
#include "game/components/ParticleGeneratorComponent.hpp"

namespace tarvex::game {

const Type& ChargeBubblesSystem::staticType() {
    static const Type& type =
        TypeBuilder<ChargeBubblesSystem>("ChargeBubblesSystem")
            .meta("component_types",
                  "DepthChargeComponent, BodyComponent, ParticleGeneratorComponent")
            .field("_generatorLookup", &ChargeBubblesSystem::_generatorLookup,
                   {{"component_type", "ParticleGeneratorComponent"}})
            .field("_bodyLookup", &ChargeBubblesSystem::_bodyLookup,
                   {{"component_type", "BodyComponent"}})
            .build();
    return type;
}

void ChargeBubblesSystem::processEntity(Entity& entity) {
    auto* generator = entity.getComponentAs<ParticleGeneratorComponent>(_generatorLookup.get());
    auto* body = entity.getComponentAs<BodyComponent>(_bodyLookup.get());
    if (generator == nullptr || body == nullptr) {
        return;
    }
    generator->x_pos = body->x_pos;
    generator->y_pos = body->y_pos;
}

} // namespace tarvex::game
