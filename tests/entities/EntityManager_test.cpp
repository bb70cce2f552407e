#include "EntityTestTypes.hpp"
#include "entities/EntityManager.hpp"
#include "entities/SystemManager.hpp"

#include <gtest/gtest.h>

namespace tarvex {
namespace {

using testing::BodyComponent;
using testing::componentCalls;
using testing::FishComponent;
using testing::MineComponent;
using testing::SubmarineComponent;

class EntityManagerTest : public ::testing::Test {
protected:
    void SetUp() override { testing::registerEntityTestTypes(); }

    template <class T> static const ComponentType* typeOf() {
        return ComponentTypeManager::getTypeFor<T>().get();
    }

    World world;
    EntityManager& entities = *world.getEntityManager();
};

TEST_F(EntityManagerTest, FirstEntityHasIdOneAndUniqueIdZero) {
    auto first = world.createEntity();
    auto second = world.createEntity();
    EXPECT_EQ(first->getId(), 1);
    EXPECT_EQ(first->getUniqueId(), 0);
    EXPECT_EQ(second->getId(), 2);
    EXPECT_EQ(second->getUniqueId(), 1);
    EXPECT_TRUE(first->isActive());
    EXPECT_EQ(world.getEntity(2), second);
    EXPECT_EQ(world.getEntity(3), nullptr);
    EXPECT_EQ(world.countEntities(), 2);
}

TEST_F(EntityManagerTest, RemovedIdIsReusedAtOnceWithANewUniqueId) {
    auto first = world.createEntity();
    Entity* object = first.get();
    entities.remove(first.get());
    EXPECT_FALSE(first->isActive());
    EXPECT_EQ(world.getEntity(1), nullptr);

    auto again = world.createEntity();
    EXPECT_EQ(again.get(), object) << "the pooled object comes back";
    EXPECT_EQ(again->getId(), 1);
    EXPECT_EQ(again->getUniqueId(), 1);
}

TEST_F(EntityManagerTest, PoolHandsOutLastRemovedFirst) {
    auto x = world.createEntity();
    auto y = world.createEntity();
    auto z = world.createEntity();
    const std::int32_t xId = x->getId();
    const std::int32_t yId = y->getId();
    entities.remove(x.get());
    entities.remove(y.get());
    EXPECT_EQ(world.createEntity()->getId(), yId);
    EXPECT_EQ(world.createEntity()->getId(), xId);
    EXPECT_EQ(world.createEntity()->getId(), 4) << "a new id once the pool is empty";
}

TEST_F(EntityManagerTest, CountersTrackCreationAndRemoval) {
    auto a = world.createEntity();
    auto b = world.createEntity();
    entities.remove(a.get());
    (void)world.createEntity();
    EXPECT_EQ(entities.getEntityCount(), 2);
    EXPECT_EQ(entities.getTotalCreated(), 3);
    EXPECT_EQ(entities.getTotalRemoved(), 1);
}

TEST_F(EntityManagerTest, RemovingTwiceNeverPoolsTheEntityTwice) {
    auto a = world.createEntity();
    auto b = world.createEntity();
    entities.remove(a.get());
    entities.remove(a.get());
    EXPECT_EQ(entities.getEntityCount(), 1);
    EXPECT_EQ(entities.getTotalRemoved(), 1);

    auto c = world.createEntity();
    auto d = world.createEntity();
    EXPECT_NE(c.get(), d.get()) << "one object would have been handed out twice";
    EXPECT_EQ(c->getId(), 1);
    EXPECT_EQ(d->getId(), 3);
}

TEST_F(EntityManagerTest, RemovedEntityLeavesNoComponentBehindForItsSuccessor) {
    auto entity = world.createEntity();
    entity->addComponent(std::make_shared<BodyComponent>())
        .addComponent(std::make_shared<SubmarineComponent>())
        .addComponent(std::make_shared<FishComponent>())
        .addComponent(std::make_shared<MineComponent>());
    entities.remove(entity.get());

    auto successor = world.createEntity();
    ASSERT_EQ(successor->getId(), entity->getId());
    successor->addComponent(std::make_shared<FishComponent>());
    EXPECT_EQ(successor->getComponent(typeOf<BodyComponent>()), nullptr);
    EXPECT_EQ(successor->getComponent(typeOf<SubmarineComponent>()), nullptr);
    EXPECT_EQ(successor->getComponent(typeOf<MineComponent>()), nullptr);
    EXPECT_NE(successor->getComponent(typeOf<FishComponent>()), nullptr);
    EXPECT_EQ(successor->getTypeBits(), typeOf<FishComponent>()->getBit());
    EXPECT_EQ(successor->getComponents().getSize(), 1);
    EXPECT_EQ(world.countEntitiesWithComponent(typeOf<BodyComponent>()), 0);
    EXPECT_EQ(world.countEntitiesWithComponent(typeOf<FishComponent>()), 1);
}

TEST_F(EntityManagerTest, RemovalDeletesEachComponentBeforeDetachingIt) {
    auto entity = world.createEntity();
    auto body = std::make_shared<BodyComponent>();
    auto mine = std::make_shared<MineComponent>();
    entity->addComponent(body).addComponent(mine);
    entities.remove(entity.get());

    EXPECT_EQ(componentCalls(), (std::vector<std::string>{"mine.onDelete", "mine.onRemove",
                                                          "body.onDelete", "body.onRemove"}));
    EXPECT_TRUE(body->attachedAtDelete);
    EXPECT_TRUE(mine->attachedAtDelete);
    EXPECT_TRUE(entity->getComponents().isEmpty());
    EXPECT_EQ(entity->getTypeBits(), 0);
}

TEST_F(EntityManagerTest, EntityListsFollowAttachmentAndRemoval) {
    auto a = world.createEntity();
    auto b = world.createEntity();
    auto c = world.createEntity();
    EXPECT_EQ(entities.getEntitiesWithComponent(typeOf<MineComponent>()), nullptr)
        << "no list before the first mine";
    for (const auto& entity : {a, b, c}) {
        entity->addComponent(std::make_shared<MineComponent>());
    }
    EXPECT_EQ(testing::idsOf(entities.getEntitiesWithComponent(typeOf<MineComponent>())),
              (std::vector<std::int32_t>{1, 2, 3}));

    a->removeComponentByType(typeOf<MineComponent>());
    EXPECT_EQ(testing::idsOf(entities.getEntitiesWithComponent(typeOf<MineComponent>())),
              (std::vector<std::int32_t>{3, 2}))
        << "the last entity moves into the gap";
    entities.remove(c.get());
    entities.remove(b.get());
    EXPECT_EQ(world.countEntitiesWithComponent(typeOf<MineComponent>()), 0);

    // The positions stay right through reuse.
    auto again = world.createEntity();
    again->addComponent(std::make_shared<MineComponent>());
    again->removeComponentByType(typeOf<MineComponent>());
    EXPECT_EQ(world.countEntitiesWithComponent(typeOf<MineComponent>()), 0);
}

} // namespace
} // namespace tarvex
