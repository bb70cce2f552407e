#include "EntityTestTypes.hpp"
#include "entities/GroupManager.hpp"
#include "entities/TagManager.hpp"

#include <gtest/gtest.h>

namespace tarvex {
namespace {

using testing::BodyComponent;
using testing::BodySweeperSystem;
using testing::BodySystem;

class WorldTest : public testing::WorldFixture {
protected:
    void SetUp() override {
        WorldFixture::SetUp();
        bodies = addSystem<BodySystem>();
        sweeper = addSystem<BodySweeperSystem>();
    }

    Ref<BodySystem> bodies;
    Ref<BodySweeperSystem> sweeper;
};

TEST_F(WorldTest, SystemsSeeAChangeOnlyFromTheStepAfterRefresh) {
    auto entity = world.createEntity();
    entity->addComponent(std::make_shared<BodyComponent>());
    world.execute(16);
    entity->refresh();
    EXPECT_TRUE(bodies->getActives().isEmpty()) << "refresh is queued";
    world.execute(33);
    EXPECT_EQ(bodies->log, (std::vector<std::string>{"run", "added 1", "run", "process 1"}));
    EXPECT_FLOAT_EQ(world.getDelta(), 33);
}

TEST_F(WorldTest, DeletedEntityStaysUntilNextStep) {
    auto entity = makeBody();
    entity->setTag("player");
    entity->setGroup("boats");
    world.execute(16);
    world.deleteEntity(entity.get());
    world.deleteEntity(entity.get());
    EXPECT_TRUE(entity->isActive());
    EXPECT_EQ(world.getTagManager()->getEntity("player"), entity.get());
    EXPECT_EQ(world.getDeletedEntities().getSize(), 1) << "queued once";

    world.execute(16);
    EXPECT_FALSE(entity->isActive());
    EXPECT_EQ(world.getTagManager()->getEntity("player"), nullptr);
    EXPECT_TRUE(world.getGroupManager()->getEntities("boats")->isEmpty());
    EXPECT_EQ(entities.getTotalRemoved(), 1);
    EXPECT_EQ(bodies->count("removed 1"), 1);
    EXPECT_EQ(sweeper->sweptWithBody, 1) << "swept before the components went";
}

TEST_F(WorldTest, RefreshesApplyBeforeDeletionsInAStep) {
    auto entity = makeBody();
    world.deleteEntity(entity.get());
    world.execute(16);
    EXPECT_EQ(bodies->log, (std::vector<std::string>{"added 1", "removed 1", "run"}));
}

TEST_F(WorldTest, ImmediateRemovalOfAQueuedEntityIsNotRepeated) {
    auto doomed = makeBody();
    world.execute(16);
    world.deleteEntity(doomed.get());
    entities.remove(doomed.get());
    world.deleteEntity(doomed.get()); // gone: ignored

    // The pooled object comes back as a new entity before the queue is processed.
    auto newcomer = makeBody();
    ASSERT_EQ(newcomer.get(), doomed.get());
    world.execute(16);
    EXPECT_TRUE(newcomer->isActive()) << "the queue must not delete the newcomer";
    EXPECT_EQ(entities.getTotalRemoved(), 1);
    EXPECT_TRUE(sweeper->swept.empty()) << "immediate removal bypasses the sweepers";
    EXPECT_NE(world.createEntity().get(), newcomer.get()) << "pooled at most once";
}

TEST_F(WorldTest, DeletionQueuedWhileRemovingWaitsForTheSweepers) {
    auto first = makeBody();
    auto second = makeBody();
    world.execute(16);
    bodies->onRemoved = [this, &second](Entity& entity) {
        if (entity.getId() == 1) {
            world.deleteEntity(second.get());
        }
    };
    world.deleteEntity(first.get());
    world.execute(16);
    EXPECT_FALSE(first->isActive());
    EXPECT_TRUE(second->isActive()) << "queued during the removals: it goes next step";
    world.execute(16);
    EXPECT_FALSE(second->isActive());
    EXPECT_EQ(sweeper->swept, (std::vector<std::int32_t>{1, 2, 2}));
    EXPECT_EQ(sweeper->sweptWithBody, 3);
}

} // namespace
} // namespace tarvex
