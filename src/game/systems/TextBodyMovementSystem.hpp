// Moves labelled text bodies by their velocity and acceleration. Its behaviour is still to come:
// for now it only takes its place in the gameplay screen's system order.
#pragma once

#include "entities/EntityProcessingSystem.hpp"

namespace tarvex::game {

class TextBodyMovementSystem : public EntityProcessingSystem {
    TARVEX_OBJECT(TextBodyMovementSystem, EntityProcessingSystem)
public:
    void processEntity(Entity& /*entity*/) override {}
};

} // namespace tarvex::game
