// Gives each new particle emitter its particle list and render request. Its behaviour is still to
// come: for now it only takes its place in the gameplay screen's system order.
#pragma once

#include "entities/InitializerEntitySystem.hpp"

namespace tarvex::game {

class ParticleInitializerSystem : public InitializerEntityProcessingSystem {
    TARVEX_OBJECT(ParticleInitializerSystem, InitializerEntityProcessingSystem)
public:
    void processEntity(Entity& /*entity*/) override {}
};

} // namespace tarvex::game
