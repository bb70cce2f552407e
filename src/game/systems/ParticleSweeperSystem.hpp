// Takes the particles' render request away when an emitter is deleted. Its behaviour is still to
// come: for now it only takes its place in the gameplay screen's system order.
#pragma once

#include "entities/SweeperEntitySystem.hpp"

namespace tarvex::game {

class ParticleSweeperSystem : public SweeperEntityProcessingSystem {
    TARVEX_OBJECT(ParticleSweeperSystem, SweeperEntityProcessingSystem)
public:
    void processEntity(Entity& /*entity*/) override {}
};

} // namespace tarvex::game
