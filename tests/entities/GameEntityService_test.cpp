#include "EntityTestTypes.hpp"
#include "entities/GameEntityService.hpp"
#include "kernel/GameKernel.hpp"
#include "support/DebugLogCapture.hpp"

#include <gtest/gtest.h>

namespace tarvex {
namespace {

using testing::BodyComponent;
using testing::BodySweeperSystem;
using testing::BodySystem;
using testing::idsOf;
using testing::SubmarineBodySystem;

class GameEntityServiceTest : public ::testing::Test {
protected:
    void SetUp() override {
        testing::registerEntityTestTypes();
        kernel->addService(nullptr, sound);
        kernel->addService(nullptr, service);
    }

    template <class S> Ref<S> addSystem() {
        auto system = std::make_shared<S>();
        service->addSystem(system);
        return system;
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
    auto bodies = addSystem<BodySystem>();
    makeBody();
    kernel->update(16);
    kernel->render(16);
    EXPECT_EQ(bodies->log, (std::vector<std::string>{"added 1", "run", "process 1"}));
}

TEST_F(GameEntityServiceTest, SystemsGetTheKernelAndLoadServicesAtInitialize) {
    auto system = addSystem<testing::ServiceUsingSystem>();
    EXPECT_EQ(system->getKernel(), kernel.get());
    EXPECT_EQ(system->_sound, nullptr) << "services come at initialize";
    service->initializeSystems();
    EXPECT_EQ(system->_sound, sound);
    EXPECT_EQ(system->_bodyLookup, service->getComponentType("BodyComponent"));

    GameEntityService loose; // in no kernel: its systems simply get none
    auto orphan = std::make_shared<BodySystem>();
    loose.addSystem(orphan);
    EXPECT_EQ(orphan->getKernel(), nullptr);
}

TEST_F(GameEntityServiceTest, LookupsAnswerEntitiesAndSystems) {
    auto bodies = addSystem<BodySystem>();
    auto boat = makeBody();
    boat->setTag("player");
    boat->setGroup("boats");
    EXPECT_EQ(service->getEntityById(1), boat);
    EXPECT_EQ(service->getEntityByTag("player"), boat.get());
    EXPECT_EQ(idsOf(service->getEntitiesWithComponentName("body")), std::vector<std::int32_t>{1});
    EXPECT_EQ(service->getEntitiesWithComponent(service->getComponentType("BodyComponent").get()),
              service->getEntitiesWithComponentName("body"));
    EXPECT_EQ(idsOf(service->getEntitiesInGroup("boats")), std::vector<std::int32_t>{1});
    EXPECT_EQ(service->getSystem("BodySystem"), bodies.get());
    EXPECT_EQ(service->getSystem("NoSuchSystem"), nullptr);
}

TEST_F(GameEntityServiceTest, ImmediateRemovalDuringAStepHidesTheEntityAtOnce) {
    auto first = addSystem<BodySystem>();
    auto sweeper = addSystem<BodySweeperSystem>();
    auto later = addSystem<testing::ServiceUsingSystem>(); // also processes bodies
    auto victim = makeBody();
    victim->setTag("victim");
    victim->setGroup("enemies");
    kernel->update(16);
    later->log.clear();
    first->onProcess = [this](Entity& entity) {
        service->removeEntity(&entity);
        EXPECT_EQ(service->getEntityByTag("victim"), nullptr);
        EXPECT_TRUE(service->getEntitiesInGroup("enemies")->isEmpty());
        EXPECT_TRUE(entity.getComponents().isEmpty()) << "detached before the call returns";
    };
    kernel->update(16);
    kernel->update(16);
    EXPECT_EQ(later->log, (std::vector<std::string>{"removed 1", "run", "run"}));
    EXPECT_TRUE(sweeper->swept.empty()) << "immediate removal bypasses the sweepers";
}

TEST_F(GameEntityServiceTest, GroupRemovalWaitsForTheNextUpdate) {
    auto sweeper = addSystem<BodySweeperSystem>();
    makeBody()->setGroup("enemies");
    makeBody()->setGroup("enemies");
    kernel->update(16);
    service->removeEntitiesInGroup("enemies");
    service->removeEntitiesInGroup("nobody");
    EXPECT_EQ(idsOf(service->getEntitiesInGroup("enemies")), (std::vector<std::int32_t>{1, 2}));
    kernel->update(16);
    EXPECT_TRUE(service->getEntitiesInGroup("enemies")->isEmpty());
    EXPECT_EQ(sweeper->swept, (std::vector<std::int32_t>{1, 2}));
}

TEST_F(GameEntityServiceTest, StopAndStartSystemByClassName) {
    auto bodies = addSystem<BodySystem>();
    testing::DebugLogCapture log;
    EXPECT_FALSE(service->stopSystem("Kraken"));
    EXPECT_FALSE(service->startSystem("Kraken"));
    EXPECT_FALSE(service->stopSystem("SubmarineBodySystem")) << "known class, no system";
    EXPECT_EQ(log.lines(),
              (std::vector<std::string>{"stopSystem failed - Unknown system type: Kraken",
                                        "startSystem failed - Unknown system type: Kraken"}));
    EXPECT_TRUE(service->stopSystem("BodySystem"));
    EXPECT_FALSE(bodies->isEnabled());
    EXPECT_TRUE(service->startSystem("BodySystem"));
    EXPECT_TRUE(bodies->isEnabled());
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
    auto bodies = addSystem<BodySystem>();
    auto pairs = addSystem<SubmarineBodySystem>();
    auto sweeper = addSystem<BodySweeperSystem>();
    makeBody()->setTag("player");
    makeBody()->addComponent(std::make_shared<testing::SubmarineComponent>()).refresh();
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
        EXPECT_EQ(bodies->count(removed), 1) << removed;
    }
    EXPECT_EQ(pairs->count("removed 2"), 1);
    EXPECT_EQ(bodies->log.back(), "cleanup");
    EXPECT_TRUE(sweeper->swept.empty());
    EXPECT_EQ(service->getEntityByTag("player"), nullptr);
    EXPECT_TRUE(service->getEntitiesInGroup("wildlife")->isEmpty());

    // The queued deletion of the fish does not strike again: three distinct objects come back.
    kernel->update(16);
    auto a = service->createEntity();
    auto b = service->createEntity();
    auto c = service->createEntity();
    EXPECT_TRUE(a != b && b != c && a != c);
    EXPECT_EQ(service->createEntity()->getId(), 4);
}

} // namespace
} // namespace tarvex
