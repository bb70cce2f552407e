#include "EntityTestTypes.hpp"
#include "core/Error.hpp"
#include "entities/EntityManager.hpp"
#include "entities/SystemManager.hpp"

#include <gtest/gtest.h>

namespace tarvex {
namespace {

using testing::BodyComponent;
using testing::BodySystem;
using testing::SubmarineBodySystem;
using testing::SubmarineComponent;

class EntitySystemTest : public ::testing::Test {
protected:
    void SetUp() override { testing::registerEntityTestTypes(); }

    template <class S> Ref<S> add() {
        auto system = std::make_shared<S>();
        world.getSystemManager()->addSystem(system);
        return system;
    }

    World world;
};

TEST_F(EntitySystemTest, TakesAnEntityOnlyWithEveryComponentAndAfterRefresh) {
    auto system = add<SubmarineBodySystem>();
    auto entity = world.createEntity();
    entity->addComponent(std::make_shared<SubmarineComponent>());
    entity->refresh();
    world.execute(16);
    EXPECT_TRUE(system->getActives().isEmpty()) << "the body is missing";

    entity->addComponent(std::make_shared<BodyComponent>());
    world.execute(16);
    EXPECT_TRUE(system->getActives().isEmpty()) << "not refreshed since";

    entity->refresh();
    world.execute(16);
    EXPECT_EQ(system->log.events, (std::vector<std::string>{"added 1", "process 1"}));
    EXPECT_EQ(entity->getSystemBits(), system->getSystemBit());
}

TEST_F(EntitySystemTest, RepeatedRefreshesAddOnce) {
    auto system = add<BodySystem>();
    auto entity = world.createEntity();
    entity->addComponent(std::make_shared<BodyComponent>());
    entity->refresh();
    entity->refresh();
    world.execute(16);
    entity->refresh();
    world.execute(16);
    EXPECT_EQ(system->log.count("added 1"), 1);
    EXPECT_EQ(system->getActives().getSize(), 1);
    EXPECT_EQ(system->processedIds(), (std::vector<std::int32_t>{1, 1}));
}

TEST_F(EntitySystemTest, LosingAComponentDropsTheEntityAfterRefresh) {
    auto system = add<SubmarineBodySystem>();
    auto entity = world.createEntity();
    entity->addComponent(std::make_shared<SubmarineComponent>());
    entity->addComponent(std::make_shared<BodyComponent>());
    entity->refresh();
    world.execute(16);

    entity->removeComponentByType(ComponentTypeManager::getTypeFor<SubmarineComponent>().get());
    world.execute(16);
    EXPECT_EQ(system->getActives().getSize(), 1) << "still held until refreshed";

    entity->refresh();
    entity->refresh();
    world.execute(16);
    EXPECT_EQ(system->log.count("removed 1"), 1);
    EXPECT_TRUE(system->getActives().isEmpty());
    EXPECT_EQ(entity->getSystemBits(), 0);
    EXPECT_EQ(system->processedIds(), (std::vector<std::int32_t>{1, 1}));
}

TEST_F(EntitySystemTest, MetadataNamesAreTrimmedAndUnknownOnesIgnored) {
    auto both = add<SubmarineBodySystem>();
    EXPECT_EQ(both->getTypeFlags(),
              ComponentTypeManager::getTypeFor<SubmarineComponent>()->getBit() |
                  ComponentTypeManager::getTypeFor<BodyComponent>()->getBit());
    auto unknown = add<testing::UnknownComponentsSystem>();
    EXPECT_EQ(unknown->getTypeFlags(), 0);
}

TEST_F(EntitySystemTest, SystemWithoutComponentsHoldsNoEntityButStillRuns) {
    auto spawner = add<testing::SpawnerSystem>();
    auto entity = world.createEntity();
    entity->addComponent(std::make_shared<BodyComponent>());
    entity->refresh();
    world.execute(16);
    world.execute(16);
    EXPECT_EQ(spawner->runs, 2);
    EXPECT_TRUE(spawner->getActives().isEmpty());
    EXPECT_EQ(spawner->getTypeFlags(), 0) << "metadata of a base class is not inherited";
}

TEST_F(EntitySystemTest, ExplicitlyRegisteredComponentsWinOverMetadata) {
    auto system = std::make_shared<BodySystem>();
    const Type* classes[] = {&SubmarineComponent::staticType(), nullptr};
    system->registerComponents(classes);
    world.getSystemManager()->addSystem(system);
    EXPECT_EQ(system->getTypeFlags(),
              ComponentTypeManager::getTypeFor<SubmarineComponent>()->getBit());
}

TEST_F(EntitySystemTest, InitializeFillsOnlyOwnLookupFields) {
    auto system = add<testing::LookupSystem>();
    EXPECT_EQ(system->_bodyLookup, nullptr) << "not before initialize";
    world.getSystemManager()->initializeAll();
    EXPECT_EQ(system->_bodyLookup, ComponentTypeManager::getTypeFor<BodyComponent>());
    EXPECT_EQ(system->_mineLookup, ComponentTypeManager::getTypeFor<testing::MineComponent>());
    EXPECT_EQ(system->_untagged, nullptr);
    EXPECT_EQ(system->_inheritedLookup, nullptr);
}

TEST_F(EntitySystemTest, UnknownLookupClassRaisesAtInitialize) {
    add<testing::BadLookupSystem>();
    try {
        world.getSystemManager()->initializeAll();
        FAIL() << "an unknown component_type must raise";
    } catch (const Error& error) {
        EXPECT_STREQ(error.what(), "Cannot get ComponentType for Null TTypeId");
    }
}

TEST_F(EntitySystemTest, DisabledSystemKeepsItsEntitiesButDoesNotProcess) {
    auto system = add<BodySystem>();
    auto entity = world.createEntity();
    entity->addComponent(std::make_shared<BodyComponent>());
    entity->refresh();
    system->disableSystem();
    world.execute(16);
    EXPECT_EQ(system->log.events, std::vector<std::string>{"added 1"});

    system->enableSystem();
    EXPECT_TRUE(system->isEnabled());
    world.execute(16);
    EXPECT_EQ(system->processedIds(), std::vector<std::int32_t>{1});
}

TEST_F(EntitySystemTest, RemovalDuringProcessingSkipsTheEntityThatMovesIn) {
    auto system = add<BodySystem>();
    std::vector<Ref<Entity>> entities;
    for (int i = 0; i < 3; ++i) {
        auto entity = world.createEntity();
        entity->addComponent(std::make_shared<BodyComponent>());
        entity->refresh();
        entities.push_back(entity);
    }
    world.execute(16);
    system->log.events.clear();
    system->onProcess = [this](Entity& entity) {
        if (entity.getId() == 1) {
            world.getEntityManager()->remove(&entity);
        }
    };
    world.execute(16);
    // Entity 3 moved into the first slot while it was being walked.
    EXPECT_EQ(system->processedIds(), (std::vector<std::int32_t>{1, 2}));
    EXPECT_EQ(testing::idsOf(&system->getActives()), (std::vector<std::int32_t>{3, 2}));
}

} // namespace
} // namespace tarvex
