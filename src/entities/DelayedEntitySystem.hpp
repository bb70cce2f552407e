// A system that runs once, a given time after startDelayedRun(). Each step adds the world's
// delta, truncated to whole milliseconds, to the accumulated time; in the step where it
// reaches the delay the system processes its active list and stops until started again.
//
//     system->startDelayedRun(500); // processes its entities about 500 ms from now
#pragma once

#include "entities/EntitySystem.hpp"

#include <cstdint>

namespace tarvex {

class DelayedEntitySystem : public EntitySystem {
    TARVEX_OBJECT(DelayedEntitySystem, EntitySystem)
public:
    [[nodiscard]] bool checkProcessing() override;
    // Hands the entities and the accumulated time to _processEntities, then stops.
    void processEntities(const Bag<Entity>& entities) override;
    virtual void _processEntities(const Bag<Entity>& entities, float accumulatedDelta) = 0;

    virtual void startDelayedRun(std::int32_t delay);
    [[nodiscard]] virtual std::int32_t getInitialTimeDelay() const { return _delay; }
    // Milliseconds left while running, else 0.
    [[nodiscard]] virtual std::int32_t getRemainingTimeUntilProcessing() const;
    [[nodiscard]] virtual bool isRunning() const { return _running; }
    virtual void stop();

private:
    std::int32_t _delay = 0; // ms
    bool _running = false;
    std::int32_t _acc = 0; // ms accumulated
};

// The delayed kind that calls processEntity() for each entity when the run completes.
class DelayedEntityProcessingSystem : public DelayedEntitySystem {
    TARVEX_OBJECT(DelayedEntityProcessingSystem, DelayedEntitySystem)
public:
    virtual void processEntity(Entity& entity) = 0;

    void _processEntities(const Bag<Entity>& entities, float accumulatedDelta) override {
        _accumulatedDelta = accumulatedDelta;
        _forEachEntity(entities, [this](Entity& entity) { processEntity(entity); });
    }
    // The accumulated time of the run being processed, in ms.
    [[nodiscard]] float getAccumulatedDelta() const { return _accumulatedDelta; }

private:
    float _accumulatedDelta = 0;
};

} // namespace tarvex
