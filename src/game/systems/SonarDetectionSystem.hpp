// Fades revealed submarines back out. Its behaviour is still to come: for now it only takes its
// place in the gameplay screen's system order.
#pragma once

#include "entities/EntityProcessingSystem.hpp"

namespace tarvex::game {

class SonarDetectionSystem : public EntityProcessingSystem {
    TARVEX_OBJECT(SonarDetectionSystem, EntityProcessingSystem)
public:
    void processEntity(Entity& /*entity*/) override {}
};

} // namespace tarvex::game
