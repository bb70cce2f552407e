// Keeps each depth charge's bubble emitter on the charge. Its behaviour is still to come: for now
// it only takes its place in the gameplay screen's system order.
#pragma once

#include "entities/EntityProcessingSystem.hpp"

namespace tarvex::game {

class ChargeBubblesSystem : public EntityProcessingSystem {
    TARVEX_OBJECT(ChargeBubblesSystem, EntityProcessingSystem)
public:
    void processEntity(Entity& /*entity*/) override {}
};

} // namespace tarvex::game
