// A system that calls processEntity() for every entity of its active list, every step.
#pragma once

#include "entities/EntitySystem.hpp"

namespace tarvex {

class EntityProcessingSystem : public EntitySystem {
    TARVEX_OBJECT(EntityProcessingSystem, EntitySystem)
public:
    virtual void processEntity(Entity& entity) = 0;

    void processEntities(const Bag<Entity>& entities) override {
        _forEachEntity(entities, [this](Entity& entity) { processEntity(entity); });
    }
    [[nodiscard]] bool checkProcessing() override { return true; }
};

} // namespace tarvex
