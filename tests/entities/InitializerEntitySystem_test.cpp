#include "EntityTestTypes.hpp"
#include "entities/SystemManager.hpp"

#include <gtest/gtest.h>

namespace tarvex {
namespace {

using testing::BodyComponent;
using testing::BodyInitializerSystem;

TEST(InitializerEntitySystem, ProcessesEachEntityOnceWhenItJoins) {
    testing::registerEntityTestTypes();
    World world;
    auto system = std::make_shared<BodyInitializerSystem>();
    world.getSystemManager()->addSystem(system);
    auto first = world.createEntity();
    first->addComponent(std::make_shared<BodyComponent>());
    first->refresh();
    world.execute(16);
    EXPECT_EQ(system->initialized, std::vector<std::int32_t>{1});

    auto second = world.createEntity();
    second->addComponent(std::make_shared<BodyComponent>());
    second->refresh();
    first->refresh();
    world.execute(16);
    world.execute(16);
    EXPECT_EQ(system->initialized, (std::vector<std::int32_t>{1, 2})) << "never again per step";

    // Leaving and joining again counts as a new arrival.
    first->removeComponentByType(ComponentTypeManager::getTypeFor<BodyComponent>().get());
    first->refresh();
    world.execute(16);
    first->addComponent(std::make_shared<BodyComponent>());
    first->refresh();
    world.execute(16);
    EXPECT_EQ(system->initialized, (std::vector<std::int32_t>{1, 2, 1}));
}

} // namespace
} // namespace tarvex
