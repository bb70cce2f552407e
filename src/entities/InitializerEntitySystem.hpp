// Systems that act once on each entity as it enters their active list (giving a new body its
// sprite, a new emitter its particle list) and never run per step.
//
//     class SpriteLoaderSystem : public InitializerEntityProcessingSystem {
//         void processEntity(Entity& entity) override { /* once per new entity */ }
//     };
#pragma once

#include "entities/EntitySystem.hpp"

namespace tarvex {

// Override added() to act on new entities.
class InitializerEntitySystem : public EntitySystem {
    TARVEX_OBJECT(InitializerEntitySystem, EntitySystem)
public:
    [[nodiscard]] bool checkProcessing() override { return false; }
    void processEntities(const Bag<Entity>& /*entities*/) override {}
};

// Calls processEntity() for each entity when it enters the active list.
class InitializerEntityProcessingSystem : public EntitySystem {
    TARVEX_OBJECT(InitializerEntityProcessingSystem, EntitySystem)
public:
    virtual void processEntity(Entity& entity) = 0;

    [[nodiscard]] bool checkProcessing() override { return false; }
    void process() override {}
    void processEntities(const Bag<Entity>& /*entities*/) override {}
    void added(Entity& entity) override { processEntity(entity); }
};

} // namespace tarvex
