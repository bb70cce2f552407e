#include "EntityTestTypes.hpp"

#include <gtest/gtest.h>
#include <limits>

namespace tarvex {
namespace {

class DelayedEntitySystemTest : public testing::WorldFixture {
protected:
    void SetUp() override {
        WorldFixture::SetUp();
        system = addSystem<testing::DelayedBodySystem>();
        makeBody();
        world.execute(16); // not started: nothing runs
    }

    Ref<testing::DelayedBodySystem> system;
};

TEST_F(DelayedEntitySystemTest, RunsOnceInTheStepThatReachesTheDelay) {
    system->startDelayedRun(50);
    std::vector<std::int32_t> remaining;
    for (int step = 1; step <= 4; ++step) {
        world.execute(16.7F);
        remaining.push_back(system->getRemainingTimeUntilProcessing());
    }
    EXPECT_EQ(remaining, (std::vector<std::int32_t>{34, 18, 2, 0})) << "whole ms: 16, 32, 48";
    EXPECT_EQ(system->accumulated, std::vector<float>{64});
    EXPECT_FALSE(system->isRunning());
    for (int step = 0; step < 10; ++step) {
        world.execute(16.7F);
    }
    EXPECT_EQ(system->accumulated.size(), 1U) << "one run per start";
}

TEST_F(DelayedEntitySystemTest, StopCancelsAndHugeStepsDoNotOverflow) {
    system->startDelayedRun(20);
    world.execute(10);
    system->stop();
    world.execute(50);
    EXPECT_TRUE(system->accumulated.empty());

    system->startDelayedRun(std::numeric_limits<std::int32_t>::max());
    world.execute(3.0e9F);
    EXPECT_EQ(system->accumulated.size(), 1U);
}

} // namespace
} // namespace tarvex
