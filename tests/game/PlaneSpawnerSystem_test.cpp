#include "EnemySystemsFixture.hpp"
#include "entities/TagManager.hpp"
#include "game/components/WildlifeComponents.hpp"
#include "game/systems/PlaneSpawnerSystem.hpp"

#include <cmath>

namespace tarvex::game {
namespace {

class PlaneSpawnerSystemTest : public testing::EnemySystemsTest {
protected:
    Ref<PlaneSpawnerSystem> spawner = addSystem<PlaneSpawnerSystem>();

    Ref<Entity> mine() {
        auto entity = body("depthrun.objects.mine", 50, 70);
        entity->addComponent(std::make_shared<MineComponent>());
        entity->refresh();
        return entity;
    }
    [[nodiscard]] Entity* plane() const {
        return entities->getWorld()->getTagManager()->getEntity("plane");
    }
    // Up to a minute of 100 ms intervals, until a plane appears.
    bool waitForPlane() {
        for (int i = 0; i < 600 && plane() == nullptr; ++i) {
            step(100);
        }
        return plane() != nullptr;
    }
};

TEST_F(PlaneSpawnerSystemTest, NoPlanesWhereTheLevelAllowsNoMines) {
    useLevel("mine_frequency = 0;");
    EXPECT_FALSE(waitForPlane());
    EXPECT_TRUE(audio->played.empty());
}

TEST_F(PlaneSpawnerSystemTest, NoPlaneWhileTheWorldHoldsTheMostMinesAllowed) {
    useLevel("mine_frequency = 2;");
    auto first = mine();
    auto second = mine();
    EXPECT_FALSE(waitForPlane());
    entities->removeEntity(second.get());
    EXPECT_TRUE(waitForPlane()) << "room for one more mine";
}

TEST_F(PlaneSpawnerSystemTest, OnePlaneAtATime) {
    useLevel("mine_frequency = 2;");
    mine();
    ASSERT_TRUE(waitForPlane());
    const Entity* first = plane();
    for (int i = 0; i < 600; ++i) {
        step(100);
    }
    EXPECT_EQ(plane(), first);
    EXPECT_EQ(played("depthrun.sounds.plane"), 1);
}

TEST_F(PlaneSpawnerSystemTest, PlaneEntersFromTheLeftHighUpAtFiftyToSeventyFive) {
    useLevel("mine_frequency = 1;");
    for (int i = 0; i < 100; ++i) {
        auto entity = spawner->createMineLayer();
        auto* body = bodyOf(entity);
        EXPECT_EQ(entity->getTag(), "plane");
        EXPECT_EQ(groupOf(entity), "enemies");
        EXPECT_EQ(body->sprite_name, "depthrun.objects.mine_layer");
        EXPECT_EQ(body->animation_name, "depthrun.objects.mine_layer_anim");
        EXPECT_FLOAT_EQ(body->x_pos, -26);
        EXPECT_GE(body->y_pos, 10);
        EXPECT_LE(body->y_pos, 20);
        EXPECT_GE(body->x_velocity, 50);
        EXPECT_LE(body->x_velocity, 75);
        EXPECT_EQ(body->x_velocity, std::floor(body->x_velocity));
        auto* layer = entity->getComponentAs<MineLayerComponent>();
        ASSERT_NE(layer, nullptr);
        EXPECT_FALSE(layer->has_dropped_mine);
        entities->removeEntity(entity.get());
    }
    EXPECT_EQ(played("depthrun.sounds.plane"), 100);
}

} // namespace
} // namespace tarvex::game
