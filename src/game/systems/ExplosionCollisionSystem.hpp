// Tests each explosion piece against submarines, missiles, fish and the boat, and scores hits. Its
// behaviour is still to come: for now it only takes its place in the gameplay screen's system
// order.
#pragma once

#include "entities/EntityProcessingSystem.hpp"

namespace tarvex::game {

class ExplosionCollisionSystem : public EntityProcessingSystem {
    TARVEX_OBJECT(ExplosionCollisionSystem, EntityProcessingSystem)
public:
    void processEntity(Entity& /*entity*/) override {}
};

} // namespace tarvex::game
