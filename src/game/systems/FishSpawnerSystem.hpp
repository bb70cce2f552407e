// Creates the level's fish when play begins. Its behaviour is still to come: for now it only takes
// its place in the gameplay screen's system order.
#pragma once

#include "entities/IntervalEntitySystem.hpp"

namespace tarvex::game {

class FishSpawnerSystem : public IntervalEntitySystem {
    TARVEX_OBJECT(FishSpawnerSystem, IntervalEntitySystem)
public:
    FishSpawnerSystem() : IntervalEntitySystem(100.0F) {}
    void processEntities(const Bag<Entity>& /*entities*/) override {}
};

} // namespace tarvex::game
