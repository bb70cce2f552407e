// Lets the pieces of the destroyed boat fall and explode. Its behaviour is still to come: for now
// it only takes its place in the gameplay screen's system order.
#pragma once

#include "entities/EntityProcessingSystem.hpp"

namespace tarvex::game {

class PlayerFragmentSystem : public EntityProcessingSystem {
    TARVEX_OBJECT(PlayerFragmentSystem, EntityProcessingSystem)
public:
    void processEntity(Entity& /*entity*/) override {}
};

} // namespace tarvex::game
