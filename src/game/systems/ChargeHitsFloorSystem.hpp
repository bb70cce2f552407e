// Detonates a depth charge that reaches the sea floor. Its behaviour is still to come: for now it
// only takes its place in the gameplay screen's system order.
#pragma once

#include "entities/EntityProcessingSystem.hpp"

namespace tarvex::game {

class ChargeHitsFloorSystem : public EntityProcessingSystem {
    TARVEX_OBJECT(ChargeHitsFloorSystem, EntityProcessingSystem)
public:
    void processEntity(Entity& /*entity*/) override {}
};

} // namespace tarvex::game
