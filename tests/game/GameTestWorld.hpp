// A world with the game's classes registered, for tests of single game systems: entities get
// bodies whose sprite is already there (as the resource loader would have made it).
#pragma once

#include "entities/SystemManager.hpp"
#include "entities/World.hpp"
#include "game/GameTypes.hpp"
#include "game/components/BodyComponent.hpp"

#include <gtest/gtest.h>

namespace tarvex::game::testing {

class GameWorldTest : public ::testing::Test {
protected:
    GameWorldTest() { registerGameTypes(); }

    template <class System> Ref<System> addSystem() {
        auto system = std::make_shared<System>();
        world.getSystemManager()->setSystem(system);
        system->initialize();
        return system;
    }

    // An entity with a body that has a sprite, refreshed.
    Ref<BodyComponent> addBody(Ref<Entity>* entityOut = nullptr) {
        auto entity = world.createEntity();
        auto body = std::make_shared<BodyComponent>();
        body->_setSprite(graphics::ImageSprite::Create(nullptr, 0, 0));
        entity->addComponent(body);
        entity->refresh();
        if (entityOut != nullptr) {
            *entityOut = entity;
        }
        return body;
    }

    World world;
};

} // namespace tarvex::game::testing
