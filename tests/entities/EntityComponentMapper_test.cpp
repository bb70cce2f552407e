#include "EntityTestTypes.hpp"
#include "entities/EntityComponentMapper.hpp"

#include <gtest/gtest.h>

namespace tarvex {
namespace {

using testing::BodyComponent;
using testing::FishComponent;

using EntityComponentMapperTest = testing::WorldFixture;

TEST_F(EntityComponentMapperTest, FindsComponentsAddedBeforeAndAfterInitialize) {
    EntityComponentMapper fish;
    auto early = world.createEntity();
    EXPECT_EQ(fish.get(*early), nullptr) << "not initialized";

    // No entity holds a fish yet: the mapper must still see the ones added later.
    fish.initialize(&FishComponent::staticType(), &world);
    auto body = makeBody();
    EXPECT_EQ(fish.get(*body), nullptr);
    const auto component = std::make_shared<FishComponent>();
    early->addComponent(component);
    early->refresh();
    EXPECT_EQ(fish.get(*early), component);
    EXPECT_EQ(fish.get<FishComponent>(*early), component.get());
    EXPECT_EQ(fish.get(-1), nullptr);
    EXPECT_EQ(fish.get(1 << 20), nullptr);

    early->removeComponent(component);
    EXPECT_EQ(fish.get(*early), nullptr);

    EntityComponentMapper bodies;
    bodies.initialize(&BodyComponent::staticType(), &world);
    EXPECT_NE(bodies.get<BodyComponent>(*body), nullptr);
    EXPECT_EQ(bodies.getClassType(), &BodyComponent::staticType());
}

} // namespace
} // namespace tarvex
