#include "EntityTestTypes.hpp"
#include "core/Error.hpp"
#include "entities/SystemBitManager.hpp"
#include "support/ErrorText.hpp"

#include <cstdlib>
#include <gtest/gtest.h>
#include <memory>

namespace tarvex {
namespace {

using testing::BodyComponent;
using testing::BodySweeperSystem;
using testing::BodySystem;
using testing::SubmarineBodySystem;

class SystemManagerTest : public testing::WorldFixture {
protected:
    SystemManager& systems = *world.getSystemManager();
};

TEST_F(SystemManagerTest, AddingGivesWorldBitAndComponentTypes) {
    EXPECT_EQ(testing::errorTextOf([this] { systems.addSystem(nullptr); }),
              "Cannot add a null system");
    auto bodies = addSystem<BodySystem>();
    EXPECT_EQ(bodies->getWorld(), &world);
    EXPECT_EQ(bodies->getSystemBit(), SystemBitManager::getBitFor(&BodySystem::staticType()));
    EXPECT_EQ(bodies->getTypeFlags(), testing::typeOf<BodyComponent>()->getBit());
    EXPECT_EQ(systems.getSystem<BodySystem>(), bodies.get());
    EXPECT_EQ(systems.getSystem<SubmarineBodySystem>(), nullptr) << "exact class only";
    EXPECT_EQ(testing::errorTextOf(
                  [] { (void)SystemBitManager::getBitFor(&BodyComponent::staticType()); }),
              "Must extend EntitySystem");
    EXPECT_EQ(testing::errorTextOf([] { (void)SystemBitManager::getBitFor(nullptr); }),
              "Must extend EntitySystem");
}

TEST_F(SystemManagerTest, RemovedSystemStopsRunningAndSweeping) {
    auto sweeper = addSystem<BodySweeperSystem>();
    auto bodies = addSystem<BodySystem>();
    auto entity = makeBody();
    world.execute(16);
    systems.removeSystem(sweeper.get());
    systems.removeSystem(bodies.get());
    EXPECT_EQ(bodies->log.back(), "cleanup");
    EXPECT_EQ(systems.countSystems(), 0);
    world.deleteEntity(entity.get());
    world.execute(16);
    EXPECT_TRUE(sweeper->swept.empty());
    EXPECT_EQ(bodies->count("run"), 1);
}

TEST_F(SystemManagerTest, ReaddedSystemClassTakesEntitiesAgain) {
    auto entity = makeBody();
    addSystem<BodySystem>();
    world.execute(16);
    systems.clearSystems();
    EXPECT_EQ(entity->getSystemBits(), 0) << "no system holds the entity any more";

    auto fresh = addSystem<BodySystem>();
    entity->refresh();
    world.execute(16);
    EXPECT_EQ(fresh->log, (std::vector<std::string>{"added 1", "run", "process 1"}));
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
                std::_Exit(std::string(error.what()) ==
                                       "Cannot give a bit to more than 63 entity system classes" &&
                                   lastBit == std::int64_t{1} << 62
                               ? 0
                               : 1);
            }
            std::_Exit(2);
        },
        ::testing::ExitedWithCode(0), "");
}

} // namespace
} // namespace tarvex
