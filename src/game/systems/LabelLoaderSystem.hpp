// Gives each new text body its label in the render group "sprites". Its behaviour is still to
// come: for now it only takes its place in the gameplay screen's system order.
#pragma once

#include "entities/InitializerEntitySystem.hpp"

namespace tarvex::game {

class LabelLoaderSystem : public InitializerEntityProcessingSystem {
    TARVEX_OBJECT(LabelLoaderSystem, InitializerEntityProcessingSystem)
public:
    void processEntity(Entity& /*entity*/) override {}
};

} // namespace tarvex::game
