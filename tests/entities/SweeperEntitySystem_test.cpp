#include "EntityTestTypes.hpp"

#include <gtest/gtest.h>

namespace tarvex {
namespace {

class SweeperEntitySystemTest : public testing::WorldFixture {
protected:
    void SetUp() override {
        WorldFixture::SetUp();
        bodies = addSystem<testing::BodySystem>();
        sweeper = addSystem<testing::BodySweeperSystem>();
    }

    Ref<testing::BodySystem> bodies;
    Ref<testing::BodySweeperSystem> sweeper;
};

TEST_F(SweeperEntitySystemTest, DeletionQueuedDuringAStepIsSweptThenAndAtTheNextStart) {
    auto entity = makeBody();
    auto plain = world.createEntity(); // no body: swept all the same
    world.execute(16);
    bodies->onProcess = [this, &plain](Entity& e) {
        world.deleteEntity(&e);
        world.deleteEntity(plain.get());
    };
    world.execute(16);
    EXPECT_EQ(sweeper->swept, (std::vector<std::int32_t>{1, 2})) << "its own turn this step";
    bodies->onProcess = nullptr;
    world.execute(16);
    world.execute(16);
    EXPECT_EQ(sweeper->swept, (std::vector<std::int32_t>{1, 2, 1, 2}));
    EXPECT_EQ(sweeper->sweptWithBody, 2);
    EXPECT_FALSE(entity->isActive());
}

TEST_F(SweeperEntitySystemTest, DisabledSweeperIsSkippedAtTheStartOnly) {
    auto entity = makeBody();
    world.execute(16);
    sweeper->disableSystem();
    world.deleteEntity(entity.get());
    world.execute(16);
    EXPECT_TRUE(sweeper->swept.empty());

    makeBody();
    world.execute(16);
    bodies->onProcess = [this](Entity& e) { world.deleteEntity(&e); };
    world.execute(16);
    EXPECT_EQ(sweeper->swept.size(), 1U) << "the main pass does not look at the flag";
}

TEST_F(SweeperEntitySystemTest, ImmediateRemovalWhileSweepingNeitherSkipsNorRepeats) {
    auto a = makeBody();
    auto b = makeBody();
    auto c = makeBody();
    world.execute(16);
    sweeper->onSweep = [this, &b](Entity& entity) {
        if (entity.getId() == 1) {
            entities.remove(b.get()); // queued, now removed at once
        }
    };
    for (const auto& entity : {a, b, c}) {
        world.deleteEntity(entity.get());
    }
    world.execute(16);
    EXPECT_EQ(sweeper->swept, (std::vector<std::int32_t>{1, 3}));
    EXPECT_EQ(world.countEntities(), 0);
    EXPECT_EQ(entities.getTotalRemoved(), 3);
}

} // namespace
} // namespace tarvex
