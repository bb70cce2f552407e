// Spawns, moves and retires the particles of every emitter, every frame:
// - a burst (`spawn_frequency` -1) makes `max_particles` particles at once, the first time;
// - a stream (`spawn_frequency` above 0) spawns one particle on a frame whose random draw in
//   [0, 1) is above the frequency, so 0.95 spawns on about one frame in twenty and 1 never;
// - then every particle is updated and those that are done are dropped.
// A new particle appears at a random whole offset within the emitter's width and height.
#pragma once

#include "entities/EntityProcessingSystem.hpp"
#include "graphics/SpriteRenderingService.hpp"

namespace tarvex::game {

class ParticleGeneratorComponent;

class ParticleGeneratorSystem : public EntityProcessingSystem {
    TARVEX_OBJECT(ParticleGeneratorSystem, EntityProcessingSystem)
public:
    // The lookup, then the services.
    void initialize() override;
    void processEntity(Entity& entity) override;

    // One particle of the emitter's class at a random place in its area; false when the emitter
    // has no list or its class is not a particle class.
    static bool spawnParticle(ParticleGeneratorComponent& generator);

private:
    Ref<ComponentType> _generatorLookup;
    Ref<graphics::SpriteRenderingService> _renderer;
};

} // namespace tarvex::game
