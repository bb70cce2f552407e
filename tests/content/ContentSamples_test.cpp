// The committed content sample, from files to entities in a running world.
#include "ContentTestTypes.hpp"
#include "content/EntityFactory.hpp"
#include "entities/World.hpp"

#include <gtest/gtest.h>

namespace tarvex {
namespace {

using testing::SelfInitComponent;
using testing::ShipComponent;

TEST(ContentSamples, TemplatesBecomeEntitiesOfAWorld) {
    testing::registerContentTestTypes();
    const std::string content = testing::samplesDirectory() + "/content";
    auto db = ContentDb::Create();
    db->addComponentsFile(content + "/components.brix");
    db->addTemplateDirectory(content + "/templates");
    db->loadComponentsFiles();
    db->loadTemplates();
    db->buildTemplates();
    ASSERT_EQ(db->countObjectTemplates(), 3);

    World world;
    EntityFactory::setWorld(&world);
    const auto entities = EntityFactory::spawnEntities(db->getObjectTemplates(), true);
    EntityFactory::setWorld(nullptr);
    world.execute(16.0F);
    ASSERT_EQ(world.countEntities(), 3);

    const auto& flagship = entities[0];
    EXPECT_EQ(flagship->getTag(), "flagship");
    const auto* ship = flagship->getComponentAs<ShipComponent>();
    ASSERT_NE(ship, nullptr);
    EXPECT_EQ(ship->hull, 400);          // its own
    EXPECT_FLOAT_EQ(ship->speed, 2.25F); // its parent's
    EXPECT_EQ(ship->label, "Flagship");  // overrides the root's
    EXPECT_EQ(ship->armed, 1);           // "true" from its parent
    EXPECT_TRUE(ship->sails);            // the schema default, through two parents
    EXPECT_EQ(ship->_secret, -1);        // private, never set
    const auto* power = flagship->getComponentAs<SelfInitComponent>();
    ASSERT_NE(power, nullptr);
    EXPECT_EQ(power->power, 8); // 4, doubled by its own initializer

    const auto* vessel = entities[1]->getComponentAs<ShipComponent>();
    ASSERT_NE(vessel, nullptr);
    ASSERT_TRUE(vessel->cargo); // the nested group of an internal field
    EXPECT_EQ(vessel->cargo->getFieldString("fish", 0, nullptr), "3");
    EXPECT_EQ(vessel->armed, 0);
    EXPECT_EQ(entities[1]->getComponentAs<SelfInitComponent>(), nullptr);
}

} // namespace
} // namespace tarvex
