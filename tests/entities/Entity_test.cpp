#include "EntityTestTypes.hpp"
#include "core/Error.hpp"
#include "support/DebugLogCapture.hpp"
#include "support/ErrorText.hpp"

#include <gtest/gtest.h>

namespace tarvex {
namespace {

using testing::BodyComponent;
using testing::componentCalls;
using testing::FishComponent;
using testing::MineComponent;
using testing::typeOf;

using EntityTest = testing::WorldFixture;

TEST_F(EntityTest, CreateNeedsAWorld) {
    EXPECT_EQ(testing::errorTextOf([] { (void)Entity::Create(nullptr, 1); }),
              "Entity must belong to a valid World instance");
}

TEST_F(EntityTest, AttachedComponentIsFoundByTypeAndMetaName) {
    auto entity = world.createEntity();
    auto body = std::make_shared<BodyComponent>();
    entity->addComponent(body);
    EXPECT_EQ(entity->getComponent(typeOf<BodyComponent>()), body);
    EXPECT_EQ(entity->getComponentByName("body"), body);
    EXPECT_EQ(body->getParent(), entity.get());
    EXPECT_TRUE(entity->hasComponent(typeOf<BodyComponent>()));
    EXPECT_FALSE(entity->hasComponent(typeOf<MineComponent>()));
    EXPECT_EQ(entity->getComponentAs<MineComponent>(), nullptr);
}

TEST_F(EntityTest, SecondComponentOfATypeReplacesTheFirst) {
    auto entity = world.createEntity();
    auto first = std::make_shared<BodyComponent>();
    auto second = std::make_shared<BodyComponent>();
    entity->addComponent(first).addComponent(second).addComponent(second);
    EXPECT_EQ(entity->getComponentAs<BodyComponent>(), second.get());
    ASSERT_EQ(entity->getComponents().getSize(), 1);
    EXPECT_EQ(testing::idsOf(entities.getEntitiesWithComponent(typeOf<BodyComponent>())),
              std::vector<std::int32_t>{1})
        << "listed once per type";

    entities.remove(entity.get()); // must terminate and leave the tables empty
    EXPECT_EQ(world.countEntitiesWithComponent(typeOf<BodyComponent>()), 0);
}

TEST_F(EntityTest, RemoveComponentCallsOnRemoveAndClearsItsBit) {
    auto entity = world.createEntity();
    auto body = std::make_shared<BodyComponent>();
    entity->addComponent(body).addComponent(std::make_shared<FishComponent>());
    entity->removeComponent(body);
    EXPECT_FALSE(entity->hasComponent(typeOf<BodyComponent>()));
    EXPECT_EQ(entity->getComponent(typeOf<BodyComponent>()), nullptr);
    EXPECT_EQ(world.countEntitiesWithComponent(typeOf<BodyComponent>()), 0);

    entity->removeComponentByName("fish");
    entity->removeComponentByType(typeOf<MineComponent>()); // absent: nothing
    EXPECT_TRUE(entity->getComponents().isEmpty());
    EXPECT_EQ(entity->getTypeBits(), 0);
    EXPECT_EQ(componentCalls(), (std::vector<std::string>{"body.onRemove", "fish.onRemove"}));
}

TEST_F(EntityTest, DumpComponentsWritesTagAndClassNames) {
    auto entity = world.createEntity();
    entity->setTag("player");
    entity->addComponent(std::make_shared<BodyComponent>());
    entity->addComponent(std::make_shared<FishComponent>());
    testing::DebugLogCapture log;
    entity->dumpComponents();
    EXPECT_EQ(log.lines(), (std::vector<std::string>{"Entity[player]", "Available components:",
                                                     "  - BodyComponent", "  - FishComponent"}));
}

} // namespace
} // namespace tarvex
