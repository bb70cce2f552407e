// Brings new submarines in every 100 ms of play while fewer than the level needs are about. Its
// behaviour is still to come: for now it only takes its place in the gameplay screen's system
// order.
#pragma once

#include "entities/IntervalEntitySystem.hpp"

namespace tarvex::game {

class SubmarineSpawnerSystem : public IntervalEntitySystem {
    TARVEX_OBJECT(SubmarineSpawnerSystem, IntervalEntitySystem)
public:
    SubmarineSpawnerSystem() : IntervalEntitySystem(100.0F) {}
    void processEntities(const Bag<Entity>& /*entities*/) override {}
};

} // namespace tarvex::game
