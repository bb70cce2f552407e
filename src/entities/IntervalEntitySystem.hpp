// A system that runs at a fixed interval of world time rather than every step. Each step adds
// the world's delta; once the interval is reached the system runs and the excess carries over
// to the next interval. It runs at most once per step, however long the step.
//
//     class SpawnerSystem : public IntervalEntitySystem {
//     public:
//         SpawnerSystem() : IntervalEntitySystem(100.0F) {}
//         void processEntities(const Bag<Entity>&) override { ... }
//     };
#pragma once

#include "entities/EntitySystem.hpp"

namespace tarvex {

class IntervalEntitySystem : public EntitySystem {
    TARVEX_OBJECT(IntervalEntitySystem, EntitySystem)
public:
    explicit IntervalEntitySystem(float interval = 0) : _interval(interval) {}

    [[nodiscard]] bool checkProcessing() override;

    [[nodiscard]] float getInterval() const { return _interval; }
    void setInterval(float interval) { _interval = interval; }
    [[nodiscard]] float getTimeSinceLastExecution() const { return _timeSinceLastExecution; }

private:
    float _timeSinceLastExecution = 0; // ms
    float _interval;                   // ms
};

// The interval kind that calls processEntity() for each entity of its active list.
class IntervalEntityProcessingSystem : public IntervalEntitySystem {
    TARVEX_OBJECT(IntervalEntityProcessingSystem, IntervalEntitySystem)
public:
    using IntervalEntitySystem::IntervalEntitySystem;

    virtual void processEntity(Entity& entity) = 0;

    void processEntities(const Bag<Entity>& entities) override {
        _forEachEntity(entities, [this](Entity& entity) { processEntity(entity); });
    }
};

} // namespace tarvex
