#include "EntityTestTypes.hpp"

#include <gtest/gtest.h>

namespace tarvex {
namespace {

class IntervalEntitySystemTest : public testing::WorldFixture {
protected:
    void SetUp() override {
        WorldFixture::SetUp();
        system = addSystem<testing::IntervalBodySystem>();
        makeBody();
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

    Ref<testing::IntervalBodySystem> system;
};

TEST_F(IntervalEntitySystemTest, ExcessCarriesOverToTheNextRun) {
    // 63 steps of 16 ms make 1008 ms; the 8 ms left count toward the next second.
    EXPECT_EQ(runSteps(125, 16), (std::vector<int>{63, 125}));
    EXPECT_FLOAT_EQ(system->getTimeSinceLastExecution(), 0);
}

TEST_F(IntervalEntitySystemTest, LongStepRunsOnlyOnce) {
    EXPECT_EQ(runSteps(1, 3500), std::vector<int>{1});
    EXPECT_EQ(runSteps(3, 1), (std::vector<int>{1, 2})) << "the backlog drains a run per step";
}

} // namespace
} // namespace tarvex
