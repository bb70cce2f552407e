// Explodes missiles that reach the surface, damaging the boat when it is near. Its behaviour is
// still to come: for now it only takes its place in the gameplay screen's system order.
#pragma once

#include "entities/EntityProcessingSystem.hpp"

namespace tarvex::game {

class MissileCollisionSystem : public EntityProcessingSystem {
    TARVEX_OBJECT(MissileCollisionSystem, EntityProcessingSystem)
public:
    void processEntity(Entity& /*entity*/) override {}
};

} // namespace tarvex::game
