#include "EntityTestTypes.hpp"
#include "entities/SystemManager.hpp"

#include <gtest/gtest.h>

namespace tarvex {
namespace {

using testing::BodyComponent;
using testing::IntervalBodySystem;

class IntervalEntitySystemTest : public ::testing::Test {
protected:
    void SetUp() override {
        testing::registerEntityTestTypes();
        world.getSystemManager()->addSystem(system);
        auto entity = world.createEntity();
        entity->addComponent(std::make_shared<BodyComponent>());
        entity->refresh();
    }

    // The 1-based numbers of the steps in which the system ran.
    std::vector<int> runSteps(int steps, float delta) {
        std::vector<int> runs;
        for (int step = 1; step <= steps; ++step) {
            const std::size_t before = system->processed.size();
            world.execute(delta);
            if (system->processed.size() != before) {
                runs.push_back(step);
            }
        }
        return runs;
    }

    World world;
    Ref<IntervalBodySystem> system = std::make_shared<IntervalBodySystem>();
};

TEST_F(IntervalEntitySystemTest, FirstRunComesWhenTheIntervalIsReached) {
    EXPECT_EQ(runSteps(63, 16), std::vector<int>{63});
    EXPECT_FLOAT_EQ(system->getTimeSinceLastExecution(), 8) << "the excess carries over";
}

TEST_F(IntervalEntitySystemTest, ExcessCarriesOverToTheNextRun) {
    // 63 steps of 16 ms leave 8 ms, so the second run needs only 62 more steps (992 ms).
    EXPECT_EQ(runSteps(125, 16), (std::vector<int>{63, 125}));
}

TEST_F(IntervalEntitySystemTest, LongStepRunsOnlyOnce) {
    EXPECT_EQ(runSteps(1, 3500), std::vector<int>{1});
    EXPECT_FLOAT_EQ(system->getTimeSinceLastExecution(), 2500);
    EXPECT_EQ(runSteps(2, 1), (std::vector<int>{1, 2})) << "the backlog drains a run per step";
}

} // namespace
} // namespace tarvex
