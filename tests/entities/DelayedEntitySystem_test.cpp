#include "EntityTestTypes.hpp"
#include "entities/SystemManager.hpp"

#include <gtest/gtest.h>
#include <limits>

namespace tarvex {
namespace {

using testing::BodyComponent;
using testing::DelayedBodySystem;

class DelayedEntitySystemTest : public ::testing::Test {
protected:
    void SetUp() override {
        testing::registerEntityTestTypes();
        world.getSystemManager()->addSystem(system);
        auto entity = world.createEntity();
        entity->addComponent(std::make_shared<BodyComponent>());
        entity->refresh();
        world.execute(16); // not started: nothing runs, the entity joins
    }

    World world;
    Ref<DelayedBodySystem> system = std::make_shared<DelayedBodySystem>();
};

TEST_F(DelayedEntitySystemTest, RunsOnceInTheStepThatReachesTheDelay) {
    EXPECT_TRUE(system->processed.empty());
    system->startDelayedRun(50);
    std::vector<std::int32_t> remaining;
    for (int step = 1; step <= 3; ++step) {
        world.execute(16.7F);
        remaining.push_back(system->getRemainingTimeUntilProcessing());
    }
    EXPECT_EQ(remaining, (std::vector<std::int32_t>{34, 18, 2})) << "whole ms: 16, 32, 48";
    EXPECT_TRUE(system->processed.empty());

    world.execute(16.7F);
    EXPECT_EQ(system->processed, std::vector<std::int32_t>{1});
    EXPECT_EQ(system->accumulated, std::vector<float>{64});
    EXPECT_FALSE(system->isRunning());
    EXPECT_EQ(system->getRemainingTimeUntilProcessing(), 0);
    EXPECT_EQ(system->getInitialTimeDelay(), 50);

    for (int step = 0; step < 10; ++step) {
        world.execute(16.7F);
    }
    EXPECT_EQ(system->processed.size(), 1U) << "one run per start";
}

TEST_F(DelayedEntitySystemTest, StopCancelsARun) {
    system->startDelayedRun(20);
    world.execute(10);
    system->stop();
    world.execute(50);
    EXPECT_TRUE(system->processed.empty());
}

TEST_F(DelayedEntitySystemTest, HugeStepsDoNotOverflowTheAccumulator) {
    system->startDelayedRun(std::numeric_limits<std::int32_t>::max());
    world.execute(3.0e9F);
    world.execute(3.0e9F);
    EXPECT_EQ(system->processed, std::vector<std::int32_t>{1});
    EXPECT_EQ(system->accumulated.size(), 1U);
}

} // namespace
} // namespace tarvex
