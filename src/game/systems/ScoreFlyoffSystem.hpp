// Fades score fly-offs out and deletes them. Its behaviour is still to come: for now it only takes
// its place in the gameplay screen's system order.
#pragma once

#include "entities/EntityProcessingSystem.hpp"

namespace tarvex::game {

class ScoreFlyoffSystem : public EntityProcessingSystem {
    TARVEX_OBJECT(ScoreFlyoffSystem, EntityProcessingSystem)
public:
    void processEntity(Entity& /*entity*/) override {}
};

} // namespace tarvex::game
