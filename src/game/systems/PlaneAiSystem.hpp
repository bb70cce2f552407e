// Flies the planes and drops their mines. Its behaviour is still to come: for now it only takes
// its place in the gameplay screen's system order.
#pragma once

#include "entities/EntityProcessingSystem.hpp"

namespace tarvex::game {

class PlaneAiSystem : public EntityProcessingSystem {
    TARVEX_OBJECT(PlaneAiSystem, EntityProcessingSystem)
public:
    void processEntity(Entity& /*entity*/) override {}
};

} // namespace tarvex::game
