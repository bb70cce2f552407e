#include "EntityTestTypes.hpp"
#include "entities/EntityManager.hpp"
#include "entities/GameEntityService.hpp"
#include "entities/GroupManager.hpp"
#include "entities/TagManager.hpp"
#include "kernel/GameKernel.hpp"
#include "support/DebugLogCapture.hpp"

#include <gtest/gtest.h>

namespace tarvex {
namespace {

using testing::BodyComponent;
using testing::BodySweeperSystem;
using testing::BodySystem;
using testing::SubmarineBodySystem;

class GameEntityServiceTest : public ::testing::Test {
protected:
    void SetUp() override {
        testing::registerEntityTestTypes();
        kernel->addService(nullptr, sound);
        kernel->addService(nullptr, service);
    }

    Ref<Entity> makeBody() {
        auto entity = service->createEntity();
        entity->addComponent(std::make_shared<BodyComponent>());
        entity->refresh();
        return entity;
    }

    Ref<GameKernel> kernel = std::make_shared<GameKernel>();
    Ref<testing::SoundService> sound = std::make_shared<testing::SoundService>();
    Ref<GameEntityService> service = std::make_shared<GameEntityService>();
};

TEST_F(GameEntityServiceTest, KernelUpdateRunsOneWorldStep) {
    auto bodies = std::make_shared<BodySystem>();
    service->addSystem(bodies);
    makeBody();
    kernel->update(16);
    kernel->render(16);
    EXPECT_EQ(bodies->log.events, (std::vector<std::string>{"added 1", "process 1"}));
    EXPECT_FLOAT_EQ(service->getWorld()->getDelta(), 16);
}

TEST_F(GameEntityServiceTest, SystemsGetTheKernelAndLoadServicesAtInitialize) {
    auto system = std::make_shared<testing::ServiceUsingSystem>();
    service->addSystem(system);
    EXPECT_EQ(system->getKernel(), kernel.get());
    EXPECT_EQ(system->_sound, nullptr) << "services come at initialize";
    service->initializeSystems();
    EXPECT_EQ(system->_sound, sound);
    EXPECT_EQ(system->_bodyLookup, service->getComponentType("BodyComponent"));
}

TEST_F(GameEntityServiceTest, ServiceOutsideAKernelGivesSystemsNoKernel) {
    GameEntityService loose;
    auto system = std::make_shared<BodySystem>();
    loose.addSystem(system);
    EXPECT_EQ(system->getKernel(), nullptr);
}

TEST_F(GameEntityServiceTest, LookupsAnswerEntitiesAndSystems) {
    auto bodies = std::make_shared<BodySystem>();
    service->addSystem(bodies);
    auto boat = makeBody();
    boat->setTag("player");
    boat->setGroup("boats");
    EXPECT_EQ(service->getEntityById(1), boat);
    EXPECT_EQ(service->getEntityByTag("player"), boat.get());
    EXPECT_EQ(testing::idsOf(service->getEntitiesWithComponentName("body")),
              std::vector<std::int32_t>{1});
    EXPECT_EQ(service->getEntitiesWithComponent(service->getComponentType("BodyComponent").get()),
              service->getEntitiesWithComponentName("body"));
    EXPECT_EQ(testing::idsOf(service->getEntitiesInGroup("boats")), std::vector<std::int32_t>{1});
    EXPECT_EQ(service->getSystem("BodySystem"), bodies.get());
    EXPECT_EQ(service->getSystem("SubmarineBodySystem"), nullptr);
    EXPECT_EQ(service->getSystem("NoSuchSystem"), nullptr);
}

TEST_F(GameEntityServiceTest, ImmediateRemovalDuringAStepHidesTheEntityAtOnce) {
    auto first = std::make_shared<BodySystem>();
    auto second = std::make_shared<SubmarineBodySystem>();
    auto sweeper = std::make_shared<BodySweeperSystem>();
    auto later = std::make_shared<testing::LookupSystem>(); // also processes bodies
    service->addSystem(first);
    service->addSystem(sweeper);
    service->addSystem(later);
    auto victim = makeBody();
    victim->setTag("victim");
    victim->setGroup("enemies");
    kernel->update(16);

    later->log.events.clear();
    first->onProcess = [this](Entity& entity) {
        service->removeEntity(&entity);
        EXPECT_EQ(service->getEntityByTag("victim"), nullptr);
        EXPECT_TRUE(service->getEntitiesInGroup("enemies")->isEmpty());
        EXPECT_TRUE(entity.getComponents().isEmpty()) << "components detached before return";
    };
    kernel->update(16);
    EXPECT_EQ(later->log.events, std::vector<std::string>{"removed 1"}) << "never processed";
    kernel->update(16);
    EXPECT_TRUE(sweeper->swept.empty()) << "immediate removal bypasses the sweepers";
    EXPECT_EQ(second->log.events.size(), 0U);
}

TEST_F(GameEntityServiceTest, GroupRemovalWaitsForTheNextUpdate) {
    auto sweeper = std::make_shared<BodySweeperSystem>();
    service->addSystem(sweeper);
    auto a = makeBody();
    auto b = makeBody();
    a->setGroup("enemies");
    b->setGroup("enemies");
    kernel->update(16);

    service->removeEntitiesInGroup("enemies");
    service->removeEntitiesInGroup("nobody");
    service->removeEntities(nullptr);
    EXPECT_EQ(testing::idsOf(service->getEntitiesInGroup("enemies")),
              (std::vector<std::int32_t>{1, 2}));
    EXPECT_TRUE(a->isActive());
    kernel->update(16);
    EXPECT_FALSE(a->isActive());
    EXPECT_FALSE(b->isActive());
    EXPECT_EQ(sweeper->swept, (std::vector<std::int32_t>{1, 2}));
}

TEST_F(GameEntityServiceTest, StopAndStartSystemByClassName) {
    auto bodies = std::make_shared<BodySystem>();
    service->addSystem(bodies);
    testing::DebugLogCapture log;
    EXPECT_FALSE(service->stopSystem("Kraken"));
    EXPECT_FALSE(service->startSystem("Kraken"));
    EXPECT_EQ(log.lines(),
              (std::vector<std::string>{"stopSystem failed - Unknown system type: Kraken",
                                        "startSystem failed - Unknown system type: Kraken"}));
    EXPECT_FALSE(service->stopSystem("SubmarineBodySystem")) << "known class, no system";

    EXPECT_TRUE(service->stopSystem("BodySystem"));
    EXPECT_FALSE(bodies->isEnabled());
    EXPECT_TRUE(service->startSystem("BodySystem"));
    EXPECT_TRUE(bodies->isEnabled());
    EXPECT_EQ(log.lines().size(), 2U);
}

TEST_F(GameEntityServiceTest, ClearingAnEmptyWorldLogsZeroCounts) {
    testing::DebugLogCapture log;
    service->clearEntities();
    service->clearSystems();
    EXPECT_EQ(log.lines(),
              (std::vector<std::string>{"clearEntities - before: 0", "clearEntities - after: 0",
                                        "clearSystems - before: 0", "clearSystems - after: 0"}));
}

TEST_F(GameEntityServiceTest, LeavingAScreenTellsEverySystemAboutEveryEntity) {
    auto bodies = std::make_shared<BodySystem>();
    auto pairs = std::make_shared<SubmarineBodySystem>();
    auto sweeper = std::make_shared<BodySweeperSystem>();
    service->addSystem(bodies);
    service->addSystem(pairs);
    service->addSystem(sweeper);
    auto boat = makeBody();
    boat->setTag("player");
    auto sub = makeBody();
    sub->addComponent(std::make_shared<testing::SubmarineComponent>());
    sub->setGroup("enemies");
    auto fish = makeBody();
    fish->setGroup("wildlife");
    kernel->update(16);
    service->removeEntities(service->getEntitiesInGroup("wildlife")); // queued, then cleared

    testing::DebugLogCapture log;
    service->clearEntities();
    service->clearSystems();
    EXPECT_EQ(log.lines(),
              (std::vector<std::string>{"clearEntities - before: 3", "clearEntities - after: 0",
                                        "clearSystems - before: 3", "clearSystems - after: 0"}));
    for (const std::string removed : {"removed 1", "removed 2", "removed 3"}) {
        EXPECT_EQ(bodies->log.count(removed), 1) << removed;
    }
    EXPECT_EQ(pairs->log.count("removed 2"), 1);
    EXPECT_EQ(bodies->log.events.back(), "cleanup");
    EXPECT_TRUE(sweeper->swept.empty());
    EXPECT_EQ(service->getEntityByTag("player"), nullptr);
    EXPECT_TRUE(service->getEntitiesInGroup("enemies")->isEmpty());
    EXPECT_TRUE(service->getEntitiesInGroup("wildlife")->isEmpty());

    // The queued deletion of the fish does not strike again.
    kernel->update(16);
    EXPECT_EQ(service->getWorld()->getEntityManager()->getTotalRemoved(), 3);
    auto next1 = service->createEntity();
    auto next2 = service->createEntity();
    auto next3 = service->createEntity();
    auto next4 = service->createEntity();
    EXPECT_NE(next1.get(), next2.get());
    EXPECT_NE(next1.get(), next3.get());
    EXPECT_NE(next2.get(), next3.get());
    EXPECT_EQ(next4->getId(), 4);
}

} // namespace
} // namespace tarvex
