#include "GameTestWorld.hpp"
#include "game/components/TimedComponents.hpp"
#include "game/systems/EntityLifespanSystem.hpp"
#include "support/DebugLogCapture.hpp"

#include <algorithm>

namespace tarvex::game {
namespace {

using EntityLifespanSystemTest = testing::GameWorldTest;

TEST_F(EntityLifespanSystemTest, ExpiresInTheFifthStepAndGoesWhenTheSixthBegins) {
    addSystem<EntityLifespanSystem>();
    auto entity = world.createEntity();
    entity->addComponent(LifespanComponent::Create(500));
    entity->refresh();
    world.execute(100); // joins the system and ages to 100 ms
    tarvex::testing::DebugLogCapture log;
    for (int step = 2; step <= 4; ++step) {
        world.execute(100);
    }
    EXPECT_FALSE(log.contains("LIFESPAN EXPIRED!")) << "400 ms old";
    world.execute(100);
    EXPECT_EQ(std::count(log.lines().begin(), log.lines().end(), "LIFESPAN EXPIRED!"), 1);
    EXPECT_TRUE(entity->isActive()) << "deletion waits for the next step";
    world.execute(100);
    EXPECT_FALSE(entity->isActive());
    EXPECT_EQ(world.countEntities(), 0);
}

} // namespace
} // namespace tarvex::game
