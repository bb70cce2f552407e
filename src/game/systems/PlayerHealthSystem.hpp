// Turns the boat's smoke and fire on as it loses health. Its behaviour is still to come: for now
// it only takes its place in the gameplay screen's system order.
#pragma once

#include "entities/EntityProcessingSystem.hpp"

namespace tarvex::game {

class PlayerHealthSystem : public EntityProcessingSystem {
    TARVEX_OBJECT(PlayerHealthSystem, EntityProcessingSystem)
public:
    void processEntity(Entity& /*entity*/) override {}
};

} // namespace tarvex::game
