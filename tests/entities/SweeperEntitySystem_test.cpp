#include "EntityTestTypes.hpp"
#include "core/TypeBuilder.hpp"

#include <gtest/gtest.h>

namespace tarvex {
namespace {

// A sweeper that walks the deletion queue itself instead of through processEntity.
class WalkingSweeper : public SweeperEntityProcessingSystem {
    TARVEX_OBJECT(WalkingSweeper, SweeperEntityProcessingSystem)
public:
    void processEntity(Entity& /*entity*/) override {}
    void processEntities(const Bag<Entity>& entities) override {
        for (std::int32_t i = 0; i < entities.getSize(); ++i) {
            const Ref<Entity>& entity = entities.get(i);
            seen.push_back(entity ? entity->getId() : -1);
        }
    }
    std::vector<std::int32_t> seen;
};

const Type& WalkingSweeper::staticType() {
    static const Type& type = TypeBuilder<WalkingSweeper>("WalkingSweeper").build();
    return type;
}

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

TEST_F(SweeperEntitySystemTest, AnEntityRemovedAtOnceLeavesTheQueueWithoutAGap) {
    auto walker = addSystem<WalkingSweeper>();
    auto a = makeBody();
    auto b = makeBody();
    auto c = makeBody();
    world.execute(16);
    for (const auto& entity : {a, b, c}) {
        world.deleteEntity(entity.get());
    }
    entities.remove(b.get()); // queued, then removed at once through the entity manager
    EXPECT_EQ(testing::idsOf(&world.getDeletedEntities()), (std::vector<std::int32_t>{1, 3}));
    EXPECT_EQ(world.getDeletedEntities().getSize(), 2);
    world.execute(16);
    EXPECT_EQ(walker->seen, (std::vector<std::int32_t>{1, 3})) << "no empty slot, order kept";
    EXPECT_EQ(world.countEntities(), 0);
}

} // namespace
} // namespace tarvex
