// Sends mine-laying planes across the sky during play. Its behaviour is still to come: for now it
// only takes its place in the gameplay screen's system order.
#pragma once

#include "entities/IntervalEntitySystem.hpp"

namespace tarvex::game {

class PlaneSpawnerSystem : public IntervalEntitySystem {
    TARVEX_OBJECT(PlaneSpawnerSystem, IntervalEntitySystem)
public:
    PlaneSpawnerSystem() : IntervalEntitySystem(100.0F) {}
    void processEntities(const Bag<Entity>& /*entities*/) override {}
};

} // namespace tarvex::game
