#include "ContentTestTypes.hpp"
#include "content/EntityFactory.hpp"
#include "core/Error.hpp"
#include "entities/GroupManager.hpp"
#include "entities/TagManager.hpp"
#include "support/DebugLogCapture.hpp"

#include <gtest/gtest.h>

namespace tarvex {
namespace {

using testing::ShipComponent;

class EntityFactoryTest : public ::testing::Test {
protected:
    void SetUp() override {
        testing::registerContentTestTypes();
        EntityFactory::_setup();
        EntityFactory::setWorld(&world);
        ship->_addInternal("cargo");
    }
    void TearDown() override { EntityFactory::setWorld(nullptr); }

    Ref<ComponentTemplate>
    shipTemplate(const std::vector<std::pair<std::string, std::string>>& values) {
        auto component = ComponentTemplate::CreateFromSchema(ship);
        for (const auto& [name, value] : values) {
            component->_setFieldValue(name, value);
        }
        return component;
    }

    Ref<ShipComponent> build(const Ref<ComponentTemplate>& component) {
        return std::dynamic_pointer_cast<ShipComponent>(EntityFactory::_createComponent(component));
    }

    World world;
    Ref<ComponentSchema> ship = testing::makeSchema(
        "ship", {"hull:int=3", "speed:float=0.5", "label:string=x", "armed:bool=false",
                 "sails:bool=true", "_secret:int=9", "m_hidden:int=9", "unknown:int=1"});
};

TEST_F(EntityFactoryTest, ReflectionSetsIntFloatAndStringFieldsFromText) {
    const auto component =
        build(shipTemplate({{"hull", "$10"}, {"speed", "2.75"}, {"label", "Sea Wolf"}}));
    ASSERT_TRUE(component);
    EXPECT_EQ(component->hull, 16);
    EXPECT_FLOAT_EQ(component->speed, 2.75F);
    EXPECT_EQ(component->label, "Sea Wolf");
}

TEST_F(EntityFactoryTest, BoolFieldsAreSetOnlyByTheExactWordTrue) {
    EXPECT_EQ(build(shipTemplate({{"armed", "true"}}))->armed, 1);
    EXPECT_EQ(build(shipTemplate({{"armed", "TRUE"}}))->armed, 0);
    EXPECT_EQ(build(shipTemplate({{"armed", "1"}}))->armed, 0);
    EXPECT_TRUE(build(shipTemplate({}))->sails);
    EXPECT_FALSE(build(shipTemplate({{"sails", "yes"}}))->sails);
}

TEST_F(EntityFactoryTest, PrivateFieldsAreNeverSet) {
    const auto component = build(shipTemplate({{"_secret", "5"}, {"m_hidden", "5"}}));
    EXPECT_EQ(component->_secret, -1);
    EXPECT_EQ(component->m_hidden, -1);
}

TEST_F(EntityFactoryTest, UnsetFieldsAreSetFromEmptyText) {
    auto component = ComponentTemplate::Create(ship);
    component->_setFieldValue("hull", "4");
    const auto built = build(component);
    EXPECT_EQ(built->hull, 4);
    EXPECT_EQ(built->label, "");
    EXPECT_FLOAT_EQ(built->speed, 0.0F);
}

TEST_F(EntityFactoryTest, InternalFieldsReceiveTheNestedGroup) {
    auto cargo = std::make_shared<BrixGroup>();
    auto component = shipTemplate({});
    component->_setFieldValueObject("cargo", cargo);
    EXPECT_EQ(build(component)->cargo, cargo);
}

TEST_F(EntityFactoryTest, TemplateEntryPointRunsBetweenTheCreationHooks) {
    testing::DebugLogCapture log;
    auto component = ComponentTemplate::Create(testing::makeSchema("self_init", {"power:int"}));
    component->_setFieldValue("power", "21");
    const auto built = std::dynamic_pointer_cast<testing::SelfInitComponent>(
        EntityFactory::_createComponent(component));
    ASSERT_TRUE(built);
    EXPECT_EQ(built->power, 42);
    EXPECT_EQ(built->calls, (std::vector<std::string>{
                                "beforeCreate", "intializeFromTemplate self_init", "afterCreate"}));
    EXPECT_TRUE(log.lines().empty());
}

TEST_F(EntityFactoryTest, ReflectionFallbackIsNoted) {
    testing::DebugLogCapture log;
    (void)build(shipTemplate({}));
    EXPECT_TRUE(log.contains("No \"intializeFromTemplate\" method found for 'ShipComponent', "
                             "falling back to reflection"));
}

TEST_F(EntityFactoryTest, UnknownComponentIsReportedByNameAndLeftOut) {
    testing::DebugLogCapture log;
    auto entityTemplate = EntityTemplate::Create("Boat", "", "");
    entityTemplate->addComponentTemplate(
        ComponentTemplate::Create(testing::makeSchema("Ship", {})));
    entityTemplate->addComponentTemplate(shipTemplate({}));
    const auto entity = EntityFactory::spawnObject(entityTemplate, "boat");
    EXPECT_TRUE(log.contains("Component 'Ship' not found")); // meta names match exactly
    EXPECT_EQ(entity->getComponents().getSize(), 1);
}

TEST_F(EntityFactoryTest, SpawnedEntityUsesTheNameAsTagAndGroup) {
    auto entityTemplate = EntityTemplate::Create("Boat", "", "");
    entityTemplate->addComponentTemplate(shipTemplate({{"hull", "7"}}));
    const auto entity = EntityFactory::spawnObject(entityTemplate, "player");
    ASSERT_TRUE(entity);
    EXPECT_EQ(entity->getTag(), "player");
    EXPECT_EQ(world.getGroupManager()->getGroupOf(entity.get()), "player");
    EXPECT_EQ(entity->getComponentAs<ShipComponent>()->hull, 7);
    EXPECT_FALSE(EntityFactory::spawnObject(nullptr, "x"));
}

TEST_F(EntityFactoryTest, SpawnEntitiesNamesByIdentifierAndRefreshesWhenAsked) {
    auto boat = EntityTemplate::Create("Boat", "", "");
    auto raft = EntityTemplate::Create("RAFT", "", "");
    const auto entities = EntityFactory::spawnEntities({boat, raft}, true);
    ASSERT_EQ(entities.size(), 2U);
    EXPECT_EQ(entities[0]->getTag(), "boat");
    EXPECT_EQ(entities[1]->getTag(), "raft");
    EXPECT_EQ(world.countEntities(), 2);
}

TEST_F(EntityFactoryTest, MisuseRaisesItsMessage) {
    EXPECT_THROW(
        {
            try {
                (void)EntityFactory::_createComponent(nullptr);
            } catch (const Error& error) {
                EXPECT_STREQ(error.what(), "Cannot create component from invalid template");
                throw;
            }
        },
        Error);
    EntityFactory::setWorld(nullptr);
    try {
        (void)EntityFactory::spawnObject(EntityTemplate::Create("a", "", ""), "a");
        FAIL() << "no error raised";
    } catch (const Error& error) {
        EXPECT_STREQ(
            error.what(),
            "EntityFactory::spawnObject - No world set (use EntityFactory::setWorld first)");
    }
}

} // namespace
} // namespace tarvex
