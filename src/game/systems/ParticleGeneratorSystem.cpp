#include "game/systems/ParticleGeneratorSystem.hpp"

#include "core/DebugLog.hpp"
#include "core/Random.hpp"
#include "core/TypeBuilder.hpp"
#include "entities/World.hpp"
#include "game/components/ParticleGeneratorComponent.hpp"
#include "game/particles/ParticleList.hpp"

namespace tarvex::game {

namespace {

constexpr float BURST = -1.0F;

ParticleList* particlesOf(const ParticleGeneratorComponent& generator) {
    return dynamic_cast<ParticleList*>(generator._particles.get());
}

} // namespace

const Type& ParticleGeneratorSystem::staticType() {
    using S = ParticleGeneratorSystem;
    static const Type& type = TypeBuilder<S>("ParticleGeneratorSystem")
                                  .meta("component_types", "ParticleGeneratorComponent")
                                  .field("_generatorLookup", &S::_generatorLookup,
                                         {{"component_type", "ParticleGeneratorComponent"}})
                                  .field("_renderer", &S::_renderer, {{"autoload_service", "1"}})
                                  .build();
    return type;
}

void ParticleGeneratorSystem::initialize() {
    EntityProcessingSystem::initialize();
    autoloadServices(true);
}

bool ParticleGeneratorSystem::spawnParticle(ParticleGeneratorComponent& generator) {
    ParticleList* particles = particlesOf(generator);
    if (particles == nullptr) {
        return false;
    }
    BaseParticle* particle = particles->spawn(generator._particle_type);
    if (particle == nullptr) {
        return false;
    }
    particle->x_pos =
        generator.x_pos +
        static_cast<float>(Random::integer(0, static_cast<std::int32_t>(generator.width)));
    particle->y_pos =
        generator.y_pos +
        static_cast<float>(Random::integer(0, static_cast<std::int32_t>(generator.height)));
    particle->onEmit();
    return true;
}

void ParticleGeneratorSystem::processEntity(Entity& entity) {
    auto* generator = entity.getComponentAs<ParticleGeneratorComponent>(_generatorLookup.get());
    if (generator == nullptr) {
        debugLog("Busted");
        debugLog("  no particle generator on " + entity.ToString());
        return;
    }
    ParticleList* particles = particlesOf(*generator);
    if (particles == nullptr || generator->_particle_type.empty()) {
        return;
    }
    if (generator->spawn_frequency == BURST && generator->_generated == 0) {
        for (std::int32_t i = 0; i < generator->max_particles; ++i) {
            if (!spawnParticle(*generator)) {
                break;
            }
        }
        generator->_generated = particles->size();
    }
    if (generator->spawn_frequency > 0 && Random::real(0, 1) > generator->spawn_frequency) {
        spawnParticle(*generator);
    }
    particles->update(getWorld()->getDelta());
}

} // namespace tarvex::game
