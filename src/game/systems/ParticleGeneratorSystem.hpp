// Spawns, moves and retires the particles of every emitter. Its behaviour is still to come: for
// now it only takes its place in the gameplay screen's system order.
#pragma once

#include "entities/EntityProcessingSystem.hpp"

namespace tarvex::game {

class ParticleGeneratorSystem : public EntityProcessingSystem {
    TARVEX_OBJECT(ParticleGeneratorSystem, EntityProcessingSystem)
public:
    void processEntity(Entity& /*entity*/) override {}
};

} // namespace tarvex::game
