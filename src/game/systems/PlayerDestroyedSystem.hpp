// Breaks the boat into fragments once its health is gone. Its behaviour is still to come: for now
// it only takes its place in the gameplay screen's system order.
#pragma once

#include "entities/EntityProcessingSystem.hpp"

namespace tarvex::game {

class PlayerDestroyedSystem : public EntityProcessingSystem {
    TARVEX_OBJECT(PlayerDestroyedSystem, EntityProcessingSystem)
public:
    void processEntity(Entity& /*entity*/) override {}
};

} // namespace tarvex::game
