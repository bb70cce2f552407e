// Sweeps sonar pulses down the screen, revealing the submarines they pass. Its behaviour is still
// to come: for now it only takes its place in the gameplay screen's system order.
#pragma once

#include "entities/EntityProcessingSystem.hpp"

namespace tarvex::game {

class SonarWaveSystem : public EntityProcessingSystem {
    TARVEX_OBJECT(SonarWaveSystem, EntityProcessingSystem)
public:
    void processEntity(Entity& /*entity*/) override {}
};

} // namespace tarvex::game
