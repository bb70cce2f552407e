// Systems that see the entities being deleted through the world, before their components are
// detached: the place to release what an entity holds outside the world (a sprite in a render
// group, a label). The world runs every enabled sweeper over its deletion queue at the start
// of a step, before removing the entities; a sweeper also sits in the normal processing order,
// where it sees the deletions queued so far in the current step, so handling an entity twice
// must be harmless. Entities removed at once through the entity service bypass the sweepers.
//
//     class SpriteSweeperSystem : public SweeperEntityProcessingSystem {
//         void processEntity(Entity& entity) override { /* drop the sprite, once */ }
//     };
#pragma once

#include "entities/EntitySystem.hpp"

namespace tarvex {

class SweeperEntitySystem : public EntitySystem {
    TARVEX_OBJECT(SweeperEntitySystem, EntitySystem)
public:
    [[nodiscard]] bool isSweeper() const override { return true; }
    [[nodiscard]] bool checkProcessing() override { return false; }
    void processEntities(const Bag<Entity>& /*entities*/) override {}
};

// The sweeper kind that calls processEntity() for every entity queued for deletion, whatever
// components it holds. It runs whenever it is asked to, enabled or not.
class SweeperEntityProcessingSystem : public SweeperEntitySystem {
    TARVEX_OBJECT(SweeperEntityProcessingSystem, SweeperEntitySystem)
public:
    virtual void processEntity(Entity& entity) = 0;

    // before, processEntities(the world's deletion queue), after.
    void process() override;
    void processEntities(const Bag<Entity>& entities) override {
        _forEachEntity(entities, [this](Entity& entity) { processEntity(entity); });
    }
};

} // namespace tarvex
