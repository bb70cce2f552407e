#include "EntityTestTypes.hpp"
#include "core/TypeBuilder.hpp"
#include "entities/EntityManager.hpp"
#include "entities/GroupManager.hpp"
#include "entities/SystemManager.hpp"
#include "entities/TagManager.hpp"

#include <gtest/gtest.h>

namespace tarvex {
namespace {

using testing::BodyComponent;
using testing::BodySweeperSystem;
using testing::BodySystem;

class ScoreManager : public BaseManager {
    TARVEX_OBJECT(ScoreManager, BaseManager)
};

const Type& ScoreManager::staticType() {
    static const Type& type = TypeBuilder<ScoreManager>("ScoreManager").build();
    return type;
}

class WorldTest : public ::testing::Test {
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

TEST_F(WorldTest, SystemsSeeANewEntityOnlyFromTheNextStep) {
    auto entity = world.createEntity();
    entity->addComponent(std::make_shared<BodyComponent>());
    world.execute(16);
    EXPECT_TRUE(bodies->getActives().isEmpty()) << "not refreshed yet";

    entity->refresh();
    EXPECT_TRUE(bodies->getActives().isEmpty()) << "refresh is queued";
    world.execute(16);
    EXPECT_EQ(bodies->log.events, (std::vector<std::string>{"added 1", "process 1"}));
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
    EXPECT_EQ(testing::idsOf(world.getGroupManager()->getEntities("boats")),
              std::vector<std::int32_t>{1});
    EXPECT_EQ(world.getDeletedEntities().getSize(), 1) << "queued once";

    world.execute(16);
    EXPECT_FALSE(entity->isActive());
    EXPECT_EQ(world.getTagManager()->getEntity("player"), nullptr);
    EXPECT_TRUE(world.getGroupManager()->getEntities("boats")->isEmpty());
    EXPECT_EQ(world.countEntities(), 0);
    EXPECT_EQ(world.getEntityManager()->getTotalRemoved(), 1) << "removed once";
    EXPECT_EQ(bodies->log.count("removed 1"), 1);
    EXPECT_EQ(bodies->processedIds(), std::vector<std::int32_t>{1});
}

TEST_F(WorldTest, RefreshesApplyBeforeDeletionsInAStep) {
    auto entity = world.createEntity();
    entity->addComponent(std::make_shared<BodyComponent>());
    entity->refresh();
    world.deleteEntity(entity.get());
    world.execute(16);
    EXPECT_EQ(bodies->log.events, (std::vector<std::string>{"added 1", "removed 1"}));
    EXPECT_EQ(sweeper->swept, std::vector<std::int32_t>{1});
}

TEST_F(WorldTest, SweepersSeeDeletionsBeforeComponentsGo) {
    auto entity = makeBody();
    world.execute(16);
    world.deleteEntity(entity.get());
    world.execute(16);
    EXPECT_EQ(sweeper->swept, std::vector<std::int32_t>{1}) << "once, in loopStart";
    EXPECT_EQ(sweeper->sweptWithBody, 1);
}

TEST_F(WorldTest, ImmediateRemovalOfAQueuedEntityIsNotRepeated) {
    auto doomed = makeBody();
    world.execute(16);
    world.deleteEntity(doomed.get());
    world.getEntityManager()->remove(doomed.get());
    EXPECT_EQ(world.getEntityManager()->getTotalRemoved(), 1);

    // The pooled object comes back as a new entity before the queue is processed.
    auto newcomer = makeBody();
    ASSERT_EQ(newcomer.get(), doomed.get());
    world.execute(16);
    EXPECT_TRUE(newcomer->isActive()) << "the queue must not delete the newcomer";
    EXPECT_EQ(world.getEntityManager()->getTotalRemoved(), 1);
    EXPECT_TRUE(sweeper->swept.empty()) << "immediate removal bypasses the sweepers";
    auto other = world.createEntity();
    EXPECT_NE(other.get(), newcomer.get()) << "the object sits in the pool at most once";
}

TEST_F(WorldTest, DeletingAnEntityThatIsGoneDoesNothing) {
    auto gone = makeBody();
    world.getEntityManager()->remove(gone.get());
    world.deleteEntity(gone.get());
    world.deleteEntity(nullptr);
    EXPECT_TRUE(world.getDeletedEntities().isEmpty());
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
    // The sweeper's own turn in this step already sees the queued entity.
    EXPECT_EQ(sweeper->swept, (std::vector<std::int32_t>{1, 2}));

    world.execute(16);
    EXPECT_FALSE(second->isActive());
    EXPECT_EQ(sweeper->swept, (std::vector<std::int32_t>{1, 2, 2}));
    EXPECT_EQ(sweeper->sweptWithBody, 3) << "swept before its components went";
}

TEST_F(WorldTest, ExecuteStoresTheDeltaBeforeTheSystemsRun) {
    float seen = -1;
    bodies->onProcess = [&seen, this](Entity&) { seen = world.getDelta(); };
    makeBody();
    world.execute(33.5F);
    EXPECT_FLOAT_EQ(seen, 33.5F);
    EXPECT_FLOAT_EQ(world.getDelta(), 33.5F);
}

TEST_F(WorldTest, ExtraManagersAreFoundByTheirClass) {
    auto scores = std::make_shared<ScoreManager>();
    EXPECT_EQ(world.getManager<ScoreManager>(), nullptr);
    world.setManager(scores);
    EXPECT_EQ(world.getManager<ScoreManager>(), scores.get());
    EXPECT_EQ(world.getManager(&BaseManager::staticType()), nullptr) << "exact class only";
}

} // namespace
} // namespace tarvex
