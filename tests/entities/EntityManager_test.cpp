#include "EntityTestTypes.hpp"

#include <gtest/gtest.h>

namespace tarvex {
namespace {

using testing::BodyComponent;
using testing::FishComponent;
using testing::MineComponent;
using testing::SubmarineComponent;
using testing::typeOf;

using EntityManagerTest = testing::WorldFixture;

TEST_F(EntityManagerTest, IdsAreReusedLastInFirstOutWithNewUniqueIds) {
    auto x = world.createEntity();
    auto y = world.createEntity();
    EXPECT_EQ(x->getId(), 1);
    EXPECT_EQ(x->getUniqueId(), 0);
    EXPECT_EQ(y->getId(), 2);
    entities.remove(x.get());
    entities.remove(y.get());
    EXPECT_EQ(world.getEntity(1), nullptr);

    auto first = world.createEntity();
    auto second = world.createEntity();
    EXPECT_EQ(first.get(), y.get()) << "the object comes back from the pool";
    EXPECT_EQ(first->getId(), 2);
    EXPECT_EQ(first->getUniqueId(), 2);
    EXPECT_EQ(second->getId(), 1);
    EXPECT_EQ(world.createEntity()->getId(), 3) << "a new id once the pool is empty";
    EXPECT_EQ(entities.getEntityCount(), 3);
    EXPECT_EQ(entities.getTotalCreated(), 5);
    EXPECT_EQ(entities.getTotalRemoved(), 2);
}

TEST_F(EntityManagerTest, RemovingTwiceNeverPoolsTheEntityTwice) {
    auto a = world.createEntity();
    entities.remove(a.get());
    entities.remove(a.get());
    EXPECT_EQ(entities.getTotalRemoved(), 1);
    auto c = world.createEntity();
    auto d = world.createEntity();
    EXPECT_NE(c.get(), d.get()) << "one object would have been handed out twice";
}

TEST_F(EntityManagerTest, RemovedEntityLeavesNoComponentBehindForItsSuccessor) {
    auto entity = makeBody<SubmarineComponent, FishComponent, MineComponent>();
    entities.remove(entity.get());

    auto successor = world.createEntity();
    ASSERT_EQ(successor.get(), entity.get());
    successor->addComponent(std::make_shared<FishComponent>());
    EXPECT_EQ(successor->getComponent(typeOf<BodyComponent>()), nullptr);
    EXPECT_EQ(successor->getComponent(typeOf<SubmarineComponent>()), nullptr);
    EXPECT_EQ(successor->getComponent(typeOf<MineComponent>()), nullptr);
    EXPECT_EQ(successor->getTypeBits(), typeOf<FishComponent>()->getBit());
    EXPECT_EQ(successor->getComponents().getSize(), 1);
    EXPECT_EQ(world.countEntitiesWithComponent(typeOf<BodyComponent>()), 0);
}

TEST_F(EntityManagerTest, RemovalDeletesEachComponentBeforeDetachingIt) {
    auto body = std::make_shared<BodyComponent>();
    auto mine = std::make_shared<MineComponent>();
    auto entity = world.createEntity();
    entity->addComponent(body).addComponent(mine);
    entities.remove(entity.get());
    EXPECT_EQ(testing::componentCalls(),
              (std::vector<std::string>{"mine.onDelete", "mine.onRemove", "body.onDelete",
                                        "body.onRemove"}));
    EXPECT_TRUE(body->attachedAtDelete);
    EXPECT_TRUE(mine->attachedAtDelete);
}

TEST_F(EntityManagerTest, EntityListsFollowAttachmentAndRemoval) {
    EXPECT_EQ(entities.getEntitiesWithComponent(typeOf<MineComponent>()), nullptr);
    auto a = makeBody<MineComponent>();
    auto b = makeBody<MineComponent>();
    auto c = makeBody<MineComponent>();
    a->removeComponentByType(typeOf<MineComponent>());
    EXPECT_EQ(testing::idsOf(entities.getEntitiesWithComponent(typeOf<MineComponent>())),
              (std::vector<std::int32_t>{3, 2}))
        << "the last entity moves into the gap";
    entities.remove(c.get());
    entities.remove(b.get());
    EXPECT_EQ(world.countEntitiesWithComponent(typeOf<MineComponent>()), 0);
    EXPECT_EQ(world.countEntitiesWithComponent(typeOf<BodyComponent>()), 1);
}

} // namespace
} // namespace tarvex
