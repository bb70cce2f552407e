// Takes the label of each text body being deleted out of the render group "sprites". Its behaviour
// is still to come: for now it only takes its place in the gameplay screen's system order.
#pragma once

#include "entities/SweeperEntitySystem.hpp"

namespace tarvex::game {

class LabelSweeperSystem : public SweeperEntityProcessingSystem {
    TARVEX_OBJECT(LabelSweeperSystem, SweeperEntityProcessingSystem)
public:
    void processEntity(Entity& /*entity*/) override {}
};

} // namespace tarvex::game
