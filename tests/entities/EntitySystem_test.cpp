#include "EntityTestTypes.hpp"
#include "core/Error.hpp"
#include "entities/EntityTypes.hpp"
#include "support/ErrorText.hpp"

#include <gtest/gtest.h>

namespace tarvex {
namespace {

using testing::BodyComponent;
using testing::BodySystem;
using testing::errorTextOf;
using testing::SubmarineBodySystem;
using testing::SubmarineComponent;
using testing::typeOf;

using EntitySystemTest = testing::WorldFixture;

TEST_F(EntitySystemTest, TakesAnEntityOnlyWithEveryComponentAndAfterRefresh) {
    auto system = addSystem<SubmarineBodySystem>();
    EXPECT_EQ(system->getTypeFlags(),
              typeOf<SubmarineComponent>()->getBit() | typeOf<BodyComponent>()->getBit())
        << "names trimmed of blanks and tabs";
    auto entity = world.createEntity();
    entity->addComponent(std::make_shared<SubmarineComponent>());
    entity->refresh();
    world.execute(16);
    entity->addComponent(std::make_shared<BodyComponent>());
    world.execute(16);
    EXPECT_TRUE(system->getActives().isEmpty()) << "not refreshed since the body came";

    entity->refresh();
    entity->refresh();
    world.execute(16);
    entity->refresh();
    world.execute(16);
    EXPECT_EQ(system->count("added 1"), 1);
    EXPECT_EQ(system->processedIds(), (std::vector<std::int32_t>{1, 1}));
    EXPECT_EQ(entity->getSystemBits(), system->getSystemBit());
}

TEST_F(EntitySystemTest, LosingAComponentDropsTheEntityAfterRefresh) {
    auto system = addSystem<SubmarineBodySystem>();
    auto entity = makeBody<SubmarineComponent>();
    world.execute(16);
    entity->removeComponentByType(typeOf<SubmarineComponent>());
    world.execute(16);
    EXPECT_EQ(system->getActives().getSize(), 1) << "still held until refreshed";

    entity->refresh();
    entity->refresh();
    world.execute(16);
    EXPECT_EQ(system->count("removed 1"), 1);
    EXPECT_TRUE(system->getActives().isEmpty());
    EXPECT_EQ(entity->getSystemBits(), 0);
}

TEST_F(EntitySystemTest, SystemWithoutComponentTypesHoldsNothingButRuns) {
    auto spawner = addSystem<testing::SpawnerSystem>();
    makeBody();
    world.execute(16);
    world.execute(16);
    EXPECT_EQ(spawner->log, (std::vector<std::string>{"run", "run"}));
    EXPECT_EQ(spawner->getTypeFlags(), 0);
    EXPECT_TRUE(spawner->getActives().isEmpty());
}

TEST_F(EntitySystemTest, AComponentClassNameThatIsNotRegisteredIsAnError) {
    // A class left out of its module's registration would leave the system without entities.
    EXPECT_EQ(errorTextOf([this] { addSystem<testing::UnknownComponentsSystem>(); }),
              "Entity system UnknownComponentsSystem: component_types names NoSuchComponent, "
              "which is not a registered component class");
    EXPECT_EQ(world.getSystemManager()->getSystems().getSize(), 0) << "not added";

    addSystem<testing::BadLookupSystem>();
    EXPECT_EQ(errorTextOf([this] { world.getSystemManager()->initializeAll(); }),
              "Entity system BadLookupSystem: component_type of _lookup names Nothing, which is "
              "not a registered component class");
}

TEST_F(EntitySystemTest, EveryRegisteredSystemNamesOnlyRegisteredComponentClasses) {
    // Walks every registered system class (the framework's and these tests'), as the program
    // does at start-up once every module has registered its classes.
    EXPECT_EQ(errorTextOf([] { checkEntitySystemTypes(); }), "no error");
    EXPECT_EQ(errorTextOf([] {
                  EntitySystem::checkComponentMetadata(testing::BadLookupSystem::staticType());
              }),
              "Entity system BadLookupSystem: component_type of _lookup names Nothing, which is "
              "not a registered component class");
    EXPECT_EQ(errorTextOf([] {
                  EntitySystem::checkComponentMetadata(
                      testing::UnknownComponentsSystem::staticType());
              }),
              "Entity system UnknownComponentsSystem: component_types names NoSuchComponent, "
              "which is not a registered component class");
}

TEST_F(EntitySystemTest, InitializeFillsOnlyOwnLookupFields) {
    auto system = addSystem<testing::ServiceUsingSystem>();
    EXPECT_EQ(system->_bodyLookup, nullptr) << "not before initialize";
    world.getSystemManager()->initializeAll();
    EXPECT_EQ(system->_bodyLookup.get(), typeOf<BodyComponent>());
    EXPECT_EQ(system->_untaggedLookup, nullptr);
    EXPECT_EQ(system->_inheritedLookup, nullptr);
}

TEST_F(EntitySystemTest, DisabledSystemKeepsItsEntitiesButDoesNotProcess) {
    auto system = addSystem<BodySystem>();
    makeBody();
    system->disableSystem();
    world.execute(16);
    EXPECT_EQ(system->log, std::vector<std::string>{"added 1"});
    system->enableSystem();
    world.execute(16);
    EXPECT_EQ(system->processedIds(), std::vector<std::int32_t>{1});
}

TEST_F(EntitySystemTest, RemovalDuringProcessingSkipsTheEntityThatMovesIn) {
    auto system = addSystem<BodySystem>();
    makeBody();
    makeBody();
    makeBody();
    world.execute(16);
    system->log.clear();
    system->onProcess = [this](Entity& entity) {
        if (entity.getId() == 1) {
            entities.remove(&entity);
        }
    };
    world.execute(16);
    // Entity 3 moved into the walked slot.
    EXPECT_EQ(system->processedIds(), (std::vector<std::int32_t>{1, 2}));
    EXPECT_EQ(testing::idsOf(&system->getActives()), (std::vector<std::int32_t>{3, 2}));
}

} // namespace
} // namespace tarvex
