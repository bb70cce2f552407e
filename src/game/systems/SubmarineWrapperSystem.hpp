// Brings submarines that leave the screen back on their own side. Its behaviour is still to come:
// for now it only takes its place in the gameplay screen's system order.
#pragma once

#include "entities/EntityProcessingSystem.hpp"

namespace tarvex::game {

class SubmarineWrapperSystem : public EntityProcessingSystem {
    TARVEX_OBJECT(SubmarineWrapperSystem, EntityProcessingSystem)
public:
    void processEntity(Entity& /*entity*/) override {}
};

} // namespace tarvex::game
