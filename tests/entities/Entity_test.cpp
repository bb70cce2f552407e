#include "EntityTestTypes.hpp"
#include "core/Error.hpp"
#include "entities/EntityManager.hpp"
#include "support/DebugLogCapture.hpp"

#include <gtest/gtest.h>

namespace tarvex {
namespace {

using testing::BodyComponent;
using testing::componentCalls;
using testing::FishComponent;
using testing::MineComponent;
using testing::SubmarineComponent;

class EntityTest : public ::testing::Test {
protected:
    void SetUp() override { testing::registerEntityTestTypes(); }

    static const ComponentType* typeOf(const Type& componentClass) {
        return ComponentTypeManager::getTypeFor(&componentClass).get();
    }

    World world;
};

TEST_F(EntityTest, CreateNeedsAWorld) {
    try {
        (void)Entity::Create(nullptr, 1);
        FAIL() << "an entity without a world must raise";
    } catch (const Error& error) {
        EXPECT_STREQ(error.what(), "Entity must belong to a valid World instance");
    }
}

TEST_F(EntityTest, AttachedComponentIsFoundByTypeAndMetaName) {
    auto entity = world.createEntity();
    auto body = std::make_shared<BodyComponent>();
    entity->addComponent(body);

    EXPECT_EQ(entity->getComponent(typeOf(BodyComponent::staticType())), body);
    EXPECT_EQ(entity->getComponentAs<BodyComponent>(), body.get());
    EXPECT_EQ(entity->getComponentByName("body"), body);
    EXPECT_EQ(body->getParent(), entity.get());
    EXPECT_TRUE(entity->hasComponent(typeOf(BodyComponent::staticType())));
    EXPECT_FALSE(entity->hasComponent(typeOf(MineComponent::staticType())));
    EXPECT_EQ(entity->getComponent(typeOf(MineComponent::staticType())), nullptr);
    EXPECT_EQ(entity->getTypeBits(), typeOf(BodyComponent::staticType())->getBit());
}

TEST_F(EntityTest, SecondComponentOfATypeReplacesTheFirst) {
    auto entity = world.createEntity();
    auto first = std::make_shared<BodyComponent>();
    auto second = std::make_shared<BodyComponent>();
    entity->addComponent(first);
    entity->addComponent(second);
    entity->addComponent(second);

    EXPECT_EQ(entity->getComponentAs<BodyComponent>(), second.get());
    ASSERT_EQ(entity->getComponents().getSize(), 1);
    EXPECT_EQ(entity->getComponents().get(0), second);
    EXPECT_EQ(testing::idsOf(world.getEntityManager()->getEntitiesWithComponent(
                  typeOf(BodyComponent::staticType()))),
              std::vector<std::int32_t>{entity->getId()})
        << "the entity is listed once per type";

    // Removing the entity then terminates and detaches the one component the tables know.
    world.getEntityManager()->remove(entity.get());
    EXPECT_EQ(world.countEntitiesWithComponent(typeOf(BodyComponent::staticType())), 0);
}

TEST_F(EntityTest, RemoveComponentCallsOnRemoveAndClearsItsBit) {
    auto entity = world.createEntity();
    auto body = std::make_shared<BodyComponent>();
    auto fish = std::make_shared<FishComponent>();
    entity->addComponent(body).addComponent(fish);

    entity->removeComponent(body);
    EXPECT_EQ(componentCalls(), std::vector<std::string>{"body.onRemove"});
    EXPECT_FALSE(entity->hasComponent(typeOf(BodyComponent::staticType())));
    EXPECT_EQ(entity->getComponent(typeOf(BodyComponent::staticType())), nullptr);
    EXPECT_EQ(entity->getComponents().getSize(), 1);
    EXPECT_EQ(world.countEntitiesWithComponent(typeOf(BodyComponent::staticType())), 0);

    entity->removeComponentByName("fish");
    entity->removeComponentByType(typeOf(MineComponent::staticType())); // absent: nothing
    EXPECT_TRUE(entity->getComponents().isEmpty());
    EXPECT_EQ(entity->getTypeBits(), 0);
    EXPECT_EQ(componentCalls(), (std::vector<std::string>{"body.onRemove", "fish.onRemove"}));
}

TEST_F(EntityTest, MaskSettersCombineBits) {
    auto entity = world.createEntity();
    entity->addTypeBit(1).addTypeBit(4).removeTypeBit(1);
    EXPECT_EQ(entity->getTypeBits(), 4);
    entity->setSystemBits(6).removeSystemBit(2).addSystemBit(8);
    EXPECT_EQ(entity->getSystemBits(), 12);
}

TEST_F(EntityTest, DumpComponentsWritesTagAndClassNames) {
    auto entity = world.createEntity();
    entity->setTag("player");
    entity->addComponent(std::make_shared<BodyComponent>());
    entity->addComponent(std::make_shared<SubmarineComponent>());
    testing::DebugLogCapture log;
    entity->dumpComponents();
    EXPECT_EQ(log.lines(), (std::vector<std::string>{"Entity[player]",
                                                     "Available components:", "  - BodyComponent",
                                                     "  - SubmarineComponent"}));
}

} // namespace
} // namespace tarvex
