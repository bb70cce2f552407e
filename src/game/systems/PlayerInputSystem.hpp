// Steers the boat, drops and detonates depth charges and sends sonar pulses from the keyboard. Its
// behaviour is still to come: for now it only takes its place in the gameplay screen's system
// order.
#pragma once

#include "entities/EntityProcessingSystem.hpp"

namespace tarvex::game {

class PlayerInputSystem : public EntityProcessingSystem {
    TARVEX_OBJECT(PlayerInputSystem, EntityProcessingSystem)
public:
    void processEntity(Entity& /*entity*/) override {}
};

} // namespace tarvex::game
