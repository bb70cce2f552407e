#include "game/systems/SinkingSubmarineSystem.hpp"

#include "core/Random.hpp"
#include "core/TypeBuilder.hpp"
#include "game/components/BodyComponent.hpp"
#include "game/components/ParticleGeneratorComponent.hpp"
#include "game/systems/ExplosionPieces.hpp"
#include "game/systems/WreckLanding.hpp"

namespace tarvex::game {

namespace {

constexpr float WRECK_FLASH_CHANCE = 0.975F; // a draw above this flashes: one in forty per step

} // namespace

const Type& SinkingSubmarineSystem::staticType() {
    static const Type& type =
        TypeBuilder<SinkingSubmarineSystem>("SinkingSubmarineSystem")
            .meta("component_types", "SubmarineComponent, DestroyedComponent")
            .field("_audioDb", &SinkingSubmarineSystem::_audioDb, {{"autoload_service", "1"}})
            .field("_resourceDb", &SinkingSubmarineSystem::_resourceDb, {{"autoload_service", "1"}})
            .field("_renderer", &SinkingSubmarineSystem::_renderer, {{"autoload_service", "1"}})
            .field("_effectsDb", &SinkingSubmarineSystem::_effectsDb, {{"autoload_service", "1"}})
            .field("_submarineLookup", &SinkingSubmarineSystem::_submarineLookup,
                   {{"component_type", "SubmarineComponent"}})
            .field("_bodyLookup", &SinkingSubmarineSystem::_bodyLookup,
                   {{"component_type", "BodyComponent"}})
            .field("_explosionLookup", &SinkingSubmarineSystem::_explosionLookup,
                   {{"component_type", "ExplosionComponent"}})
            .field("_destroyedLookup", &SinkingSubmarineSystem::_destroyedLookup,
                   {{"component_type", "DestroyedComponent"}})
            .build();
    return type;
}

void SinkingSubmarineSystem::initialize() {
    EntityProcessingSystem::initialize();
    autoloadServices(true);
}

void SinkingSubmarineSystem::processEntity(Entity& entity) {
    auto* body = entity.getComponentAs<BodyComponent>(_bodyLookup.get());
    if (body == nullptr) {
        return;
    }
    if (landWreck(*body, SEA_FLOOR, _audioDb.get(), _effectsDb.get())) {
        // The wreck bubbles where it lies.
        auto bubbles = std::make_shared<ParticleGeneratorComponent>();
        bubbles->spawn_frequency = 0.7F;
        bubbles->x_pos = body->x_pos;
        bubbles->y_pos = body->y_pos;
        bubbles->width = static_cast<float>(body->getWidth());
        bubbles->height = static_cast<float>(body->getHeight());
        bubbles->particle_lifespan = 2.0F;
        bubbles->max_particles = 10;
        bubbles->_particle_type = "BubbleParticle";
        entity.addComponent(bubbles);
        entity.refresh();
    }
    if (body->y_velocity > 0 && Random::real(0, 1) > WRECK_FLASH_CHANCE) {
        const float x = body->x_pos + static_cast<float>(Random::integer(0, body->getWidth()));
        const float y = body->y_pos + static_cast<float>(Random::integer(0, body->getHeight() - 4));
        spawnExplosion(x, y);
    }
}

Ref<Entity> SinkingSubmarineSystem::spawnExplosion(float x, float y) {
    return spawnExplosionPiece(x, y, randomExplosionAnimation(), false);
}

} // namespace tarvex::game
