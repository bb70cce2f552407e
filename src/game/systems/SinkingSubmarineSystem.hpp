// Takes destroyed submarines down to the sea floor, throwing off small explosions. Its behaviour
// is still to come: for now it only takes its place in the gameplay screen's system order.
#pragma once

#include "entities/EntityProcessingSystem.hpp"

namespace tarvex::game {

class SinkingSubmarineSystem : public EntityProcessingSystem {
    TARVEX_OBJECT(SinkingSubmarineSystem, EntityProcessingSystem)
public:
    void processEntity(Entity& /*entity*/) override {}
};

} // namespace tarvex::game
