#include "EntityTestTypes.hpp"
#include "core/Error.hpp"
#include "entities/SystemBitManager.hpp"
#include "entities/SystemManager.hpp"

#include <cstdlib>
#include <gtest/gtest.h>
#include <memory>

namespace tarvex {
namespace {

using testing::BodyComponent;
using testing::BodySweeperSystem;
using testing::BodySystem;
using testing::SubmarineBodySystem;

class SystemManagerTest : public ::testing::Test {
protected:
    void SetUp() override { testing::registerEntityTestTypes(); }

    Ref<Entity> makeBody() {
        auto entity = world.createEntity();
        entity->addComponent(std::make_shared<BodyComponent>());
        entity->refresh();
        return entity;
    }

    World world;
    SystemManager& systems = *world.getSystemManager();
};

TEST_F(SystemManagerTest, NullSystemRaises) {
    try {
        systems.addSystem(nullptr);
        FAIL() << "a null system must raise";
    } catch (const Error& error) {
        EXPECT_STREQ(error.what(), "Cannot add a null system");
    }
}

TEST_F(SystemManagerTest, AddingGivesWorldBitAndComponentTypes) {
    auto bodies = std::make_shared<BodySystem>();
    systems.addSystem(bodies);
    EXPECT_EQ(bodies->getWorld(), &world);
    EXPECT_EQ(bodies->getSystemBit(), SystemBitManager::getBitFor(&BodySystem::staticType()));
    EXPECT_EQ(bodies->getTypeFlags(), ComponentTypeManager::getTypeFor<BodyComponent>()->getBit());
    EXPECT_EQ(systems.getSystem<BodySystem>(), bodies.get());
    EXPECT_EQ(systems.getSystem(nullptr), nullptr);
    EXPECT_EQ(systems.getSystem<SubmarineBodySystem>(), nullptr) << "exact class only";
}

TEST_F(SystemManagerTest, SystemsRunInRegistrationOrder) {
    auto first = std::make_shared<SubmarineBodySystem>();
    auto second = std::make_shared<BodySystem>();
    auto third = std::make_shared<testing::SpawnerSystem>();
    systems.addSystem(first);
    systems.addSystem(second);
    systems.addSystem(third);
    systems.addSystem(second); // already listed: stays in place
    EXPECT_EQ(systems.countSystems(), 3);
    EXPECT_EQ(systems.getSystems().get(0), first);
    EXPECT_EQ(systems.getSystems().get(1), second);
    EXPECT_EQ(systems.getSystems().get(2), third);
}

TEST_F(SystemManagerTest, SystemBitsAreOnePerClassAndOnlyForSystems) {
    const std::int64_t bit = SystemBitManager::getBitFor(&BodySystem::staticType());
    EXPECT_EQ(SystemBitManager::getBitFor(&BodySystem::staticType()), bit);
    EXPECT_NE(SystemBitManager::getBitFor(&SubmarineBodySystem::staticType()), bit);
    EXPECT_GT(bit, 0);
    try {
        (void)SystemBitManager::getBitFor(&BodyComponent::staticType());
        FAIL() << "a component class is not a system";
    } catch (const Error& error) {
        EXPECT_STREQ(error.what(), "Must extend EntitySystem");
    }
}

TEST_F(SystemManagerTest, RemovedSystemStopsRunningAndSweeping) {
    auto bodies = std::make_shared<BodySystem>();
    auto sweeper = std::make_shared<BodySweeperSystem>();
    systems.addSystem(sweeper);
    systems.addSystem(bodies);
    auto entity = makeBody();
    world.execute(16);

    systems.removeSystem(sweeper.get());
    systems.removeSystem(bodies.get());
    EXPECT_EQ(bodies->log.events.back(), "cleanup");
    EXPECT_EQ(systems.countSystems(), 0);
    EXPECT_EQ(systems.getSystem<BodySystem>(), nullptr);
    world.deleteEntity(entity.get());
    world.execute(16);
    EXPECT_TRUE(sweeper->swept.empty());
    EXPECT_EQ(bodies->processedIds(), std::vector<std::int32_t>{1});
}

TEST_F(SystemManagerTest, ReaddedSystemClassTakesEntitiesAgain) {
    auto entity = makeBody();
    systems.addSystem(std::make_shared<BodySystem>());
    world.execute(16);
    ASSERT_NE(entity->getSystemBits(), 0);

    systems.clearSystems();
    EXPECT_EQ(entity->getSystemBits(), 0) << "no system holds the entity any more";
    auto fresh = std::make_shared<BodySystem>();
    systems.addSystem(fresh);
    entity->refresh();
    world.execute(16);
    EXPECT_EQ(fresh->log.events, (std::vector<std::string>{"added 1", "process 1"}));
}

TEST_F(SystemManagerTest, ClearSystemsCleansUpEverySystemInOrder) {
    auto first = std::make_shared<BodySystem>();
    auto second = std::make_shared<SubmarineBodySystem>();
    systems.addSystem(first);
    systems.addSystem(second);
    systems.clearSystems();
    EXPECT_EQ(first->log.events, std::vector<std::string>{"cleanup"});
    EXPECT_EQ(second->log.events, std::vector<std::string>{"cleanup"});
    EXPECT_EQ(systems.countSystems(), 0);
    EXPECT_EQ(systems.getSystem<BodySystem>(), nullptr);
}

TEST(SystemBitManagerDeathTest, RefusesSystemClassesBeyondTheLastBit) {
    testing::registerEntityTestTypes();
    EXPECT_EXIT(
        {
            std::vector<std::unique_ptr<Type>> classes;
            std::int64_t lastBit = 0;
            try {
                for (int i = 0; i < 100; ++i) {
                    classes.push_back(std::make_unique<Type>("GeneratedSystem" + std::to_string(i),
                                                             &EntitySystem::staticType()));
                    lastBit = SystemBitManager::getBitFor(classes.back().get());
                }
            } catch (const Error& error) {
                const bool right = std::string(error.what()) ==
                                       "Cannot give a bit to more than 63 entity system classes" &&
                                   lastBit == std::int64_t{1} << 62;
                std::_Exit(right ? 0 : 1);
            }
            std::_Exit(2);
        },
        ::testing::ExitedWithCode(0), "");
}

} // namespace
} // namespace tarvex
