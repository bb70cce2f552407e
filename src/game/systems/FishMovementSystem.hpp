// Swims the fish to and fro below the surface. Its behaviour is still to come: for now it only
// takes its place in the gameplay screen's system order.
#pragma once

#include "entities/EntityProcessingSystem.hpp"

namespace tarvex::game {

class FishMovementSystem : public EntityProcessingSystem {
    TARVEX_OBJECT(FishMovementSystem, EntityProcessingSystem)
public:
    void processEntity(Entity& /*entity*/) override {}
};

} // namespace tarvex::game
