#include "EntityTestTypes.hpp"
#include "entities/EntityManager.hpp"
#include "entities/SystemManager.hpp"

#include <gtest/gtest.h>

namespace tarvex {
namespace {

using testing::BodyComponent;
using testing::BodySweeperSystem;
using testing::BodySystem;

class SweeperEntitySystemTest : public ::testing::Test {
protected:
    void SetUp() override {
        testing::registerEntityTestTypes();
        world.getSystemManager()->addSystem(bodies);
        world.getSystemManager()->addSystem(sweeper);
    }

    Ref<Entity> makeBody() {
        auto entity = world.createEntity();
        entity->addComponent(std::make_shared<BodyComponent>());
        entity->refresh();
        return entity;
    }

    World world;
    Ref<BodySystem> bodies = std::make_shared<BodySystem>();
    Ref<BodySweeperSystem> sweeper = std::make_shared<BodySweeperSystem>();
};

TEST_F(SweeperEntitySystemTest, DeletionQueuedBeforeTheStepIsSweptOnce) {
    auto entity = makeBody();
    world.execute(16);
    world.deleteEntity(entity.get());
    world.execute(16);
    world.execute(16);
    EXPECT_EQ(sweeper->swept, std::vector<std::int32_t>{1});
    EXPECT_EQ(sweeper->sweptWithBody, 1) << "before the components are detached";
}

TEST_F(SweeperEntitySystemTest, DeletionQueuedDuringTheStepIsSweptAgainAtTheNextStart) {
    auto entity = makeBody();
    world.execute(16);
    // The body system runs before the sweeper, so the sweeper's own turn sees the queue.
    bodies->onProcess = [this](Entity& e) { world.deleteEntity(&e); };
    world.execute(16);
    EXPECT_EQ(sweeper->swept, std::vector<std::int32_t>{1}) << "in the same step's processing";
    bodies->onProcess = nullptr;
    world.execute(16);
    EXPECT_EQ(sweeper->swept, (std::vector<std::int32_t>{1, 1}));
    EXPECT_FALSE(entity->isActive());
}

TEST_F(SweeperEntitySystemTest, SweeperSeesEveryDeletionWhateverItsComponents) {
    auto plain = world.createEntity();
    plain->refresh();
    world.execute(16);
    world.deleteEntity(plain.get());
    world.execute(16);
    EXPECT_EQ(sweeper->swept, std::vector<std::int32_t>{1});
    EXPECT_EQ(sweeper->sweptWithBody, 0);
}

TEST_F(SweeperEntitySystemTest, DisabledSweeperIsSkippedAtTheStartOnly) {
    auto entity = makeBody();
    world.execute(16);
    sweeper->disableSystem();
    world.deleteEntity(entity.get());
    world.execute(16);
    EXPECT_TRUE(sweeper->swept.empty()) << "processSweepers honours the flag";

    auto other = makeBody();
    world.execute(16);
    bodies->onProcess = [this](Entity& e) { world.deleteEntity(&e); };
    world.execute(16);
    EXPECT_FALSE(sweeper->swept.empty()) << "the main pass does not look at the flag";
}

TEST_F(SweeperEntitySystemTest, ImmediateRemovalWhileSweepingNeitherSkipsNorRepeats) {
    auto a = makeBody();
    auto b = makeBody();
    auto c = makeBody();
    world.execute(16);
    sweeper->onSweep = [this, &b](Entity& entity) {
        if (entity.getId() == 1) {
            world.getEntityManager()->remove(b.get()); // queued, now removed at once
        }
    };
    world.deleteEntity(a.get());
    world.deleteEntity(b.get());
    world.deleteEntity(c.get());
    world.execute(16);
    EXPECT_EQ(sweeper->swept, (std::vector<std::int32_t>{1, 3}));
    EXPECT_EQ(world.countEntities(), 0);
    EXPECT_EQ(world.getEntityManager()->getTotalRemoved(), 3);
}

} // namespace
} // namespace tarvex
