// Counts down the damage immunity of recently damaged entities, by the 33 ms interval each time
// it elapses (not by the real time passed), and ends it once the timer runs out.
#pragma once

#include "entities/IntervalEntitySystem.hpp"

namespace tarvex::game {

class DamageTimerSystem : public IntervalEntityProcessingSystem {
    TARVEX_OBJECT(DamageTimerSystem, IntervalEntityProcessingSystem)
public:
    static constexpr float INTERVAL = 33;

    DamageTimerSystem() : IntervalEntityProcessingSystem(INTERVAL) {}
    void processEntity(Entity& entity) override;

private:
    Ref<ComponentType> _damagedLookup;
};

} // namespace tarvex::game
