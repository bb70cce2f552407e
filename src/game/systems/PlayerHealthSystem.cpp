#include "game/systems/PlayerHealthSystem.hpp"

#include "core/TypeBuilder.hpp"
#include "entities/TagManager.hpp"
#include "entities/World.hpp"
#include "game/components/BodyComponent.hpp"
#include "game/components/ParticleGeneratorComponent.hpp"
#include "game/components/PlayerComponents.hpp"

namespace tarvex::game {

const Type& PlayerHealthSystem::staticType() {
    static const Type& type = TypeBuilder<PlayerHealthSystem>("PlayerHealthSystem")
                                  .meta("component_types", "SmokeComponent")
                                  .field("_generatorLookup", &PlayerHealthSystem::_generatorLookup,
                                         {{"component_type", "ParticleGeneratorComponent"}})
                                  .field("_bodyLookup", &PlayerHealthSystem::_bodyLookup,
                                         {{"component_type", "BodyComponent"}})
                                  .field("_healthLookup", &PlayerHealthSystem::_healthLookup,
                                         {{"component_type", "HealthComponent"}})
                                  .build();
    return type;
}

void PlayerHealthSystem::processEntity(Entity& entity) {
    auto* generator = entity.getComponentAs<ParticleGeneratorComponent>(_generatorLookup.get());
    if (generator == nullptr) {
        return;
    }
    Entity* player = getWorld()->getTagManager()->getEntity("player");
    if (player == nullptr) {
        generator->spawn_frequency = 0;
        return;
    }
    if (const auto* body = player->getComponentAs<BodyComponent>(_bodyLookup.get())) {
        generator->x_pos = body->x_pos;
        generator->y_pos = body->y_pos;
    }
    const auto* health = player->getComponentAs<HealthComponent>(_healthLookup.get());
    if (health == nullptr) {
        return;
    }
    if (generator->_particle_type == "FireParticle") {
        generator->spawn_frequency =
            health->current_health > FIRE_BELOW
                ? 0
                : FULL_FREQUENCY - (FIRE_BELOW - health->current_health) * FREQUENCY_PER_POINT;
    } else if (generator->_particle_type == "SmokeParticle") {
        generator->spawn_frequency =
            health->current_health >= health->max_health
                ? 0
                : FULL_FREQUENCY -
                      (health->max_health - health->current_health) * FREQUENCY_PER_POINT;
    }
}

} // namespace tarvex::game
