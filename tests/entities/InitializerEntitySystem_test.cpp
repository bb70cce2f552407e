#include "EntityTestTypes.hpp"

#include <gtest/gtest.h>

namespace tarvex {
namespace {

using InitializerEntitySystemTest = testing::WorldFixture;

TEST_F(InitializerEntitySystemTest, ProcessesEachEntityOnceWhenItJoins) {
    auto system = addSystem<testing::BodyInitializerSystem>();
    auto first = makeBody();
    world.execute(16);
    makeBody();
    first->refresh();
    world.execute(16);
    world.execute(16);
    EXPECT_EQ(system->initialized, (std::vector<std::int32_t>{1, 2})) << "never again per step";

    // Leaving and joining again counts as a new arrival.
    first->removeComponentByType(testing::typeOf<testing::BodyComponent>());
    first->refresh();
    world.execute(16);
    first->addComponent(std::make_shared<testing::BodyComponent>());
    first->refresh();
    world.execute(16);
    EXPECT_EQ(system->initialized, (std::vector<std::int32_t>{1, 2, 1}));
}

} // namespace
} // namespace tarvex
