// Counts down the damage immunity of recently damaged entities every 33 ms. Its behaviour is still
// to come: for now it only takes its place in the gameplay screen's system order.
#pragma once

#include "entities/IntervalEntitySystem.hpp"

namespace tarvex::game {

class DamageTimerSystem : public IntervalEntityProcessingSystem {
    TARVEX_OBJECT(DamageTimerSystem, IntervalEntityProcessingSystem)
public:
    DamageTimerSystem() : IntervalEntityProcessingSystem(33.0F) {}
    void processEntity(Entity& /*entity*/) override {}
};

} // namespace tarvex::game
