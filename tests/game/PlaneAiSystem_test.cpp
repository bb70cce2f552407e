#include "EnemySystemsFixture.hpp"
#include "game/components/WildlifeComponents.hpp"
#include "game/systems/PlaneAiSystem.hpp"
#include "game/systems/PlaneSpawnerSystem.hpp"

namespace tarvex::game {
namespace {

class PlaneAiSystemTest : public testing::EnemySystemsTest {
protected:
    PlaneAiSystemTest() { useLevel("mine_frequency = 1;"); }

    Ref<PlaneSpawnerSystem> spawner = addSystem<PlaneSpawnerSystem>();
    Ref<PlaneAiSystem> ai = addSystem<PlaneAiSystem>();

    // A plane (26 units wide) standing still at x.
    Ref<Entity> plane(float x) {
        spawner->disableSystem();
        auto entity = spawner->createMineLayer();
        auto* body = bodyOf(entity);
        body->x_pos = x;
        body->y_pos = 15;
        body->x_velocity = 0;
        return entity;
    }
};

TEST_F(PlaneAiSystemTest, NeverDropsWithinTenUnitsOfBeingAboveTheBoat) {
    boat(88, 55); // 88 .. 136
    plane(52.5F); // right edge at 78.5: not clear by more than 10
    plane(146);   // exactly 10 beyond the boat's right edge
    for (int i = 0; i < 5000; ++i) {
        step();
    }
    EXPECT_TRUE(with<MineComponent>().empty());
    EXPECT_TRUE(audio->played.empty() || played("depthrun.sounds.mine_drop") == 0);
}

TEST_F(PlaneAiSystemTest, ClearOfTheBoatDropsOneMineFromItsBelly) {
    boat(150, 55);
    auto layer = plane(40);
    int steps = 0;
    while (with<MineComponent>().empty() && steps < 5000) {
        step();
        ++steps;
    }
    ASSERT_EQ(with<MineComponent>().size(), 1U);
    EXPECT_GT(steps, 10) << "about one chance in two hundred per step";
    EXPECT_TRUE(layer->getComponentAs<MineLayerComponent>()->has_dropped_mine);
    EXPECT_EQ(played("depthrun.sounds.mine_drop"), 1);
    auto mine = with<MineComponent>().front();
    auto* body = bodyOf(mine);
    EXPECT_EQ(body->sprite_name, "depthrun.objects.mine");
    EXPECT_EQ(body->animation_name, "depthrun.objects.mine_flash");
    EXPECT_EQ(body->frameset_name, "flash_slow");
    EXPECT_FLOAT_EQ(body->x_pos, 58);
    EXPECT_FLOAT_EQ(body->y_pos, 23);
    EXPECT_FLOAT_EQ(body->y_velocity, 20);
    EXPECT_FLOAT_EQ(body->y_acceleration, 9.8F);
    EXPECT_EQ(mine->getComponentAs<MineComponent>()->time_remaining, 1000);
    EXPECT_EQ(groupOf(mine), "mines");

    for (int i = 0; i < 5000; ++i) {
        step();
    }
    EXPECT_EQ(with<MineComponent>().size(), 1U) << "one mine per plane";
}

TEST_F(PlaneAiSystemTest, NoBoatNoMine) {
    plane(40);
    for (int i = 0; i < 3000; ++i) {
        step();
    }
    EXPECT_TRUE(with<MineComponent>().empty());
}

TEST_F(PlaneAiSystemTest, PlanePastTheRightEdgeIsDeleted) {
    auto layer = plane(224);
    step();
    EXPECT_TRUE(layer->isActive()) << "not yet beyond 224";
    bodyOf(layer)->setX(224.5F);
    step();
    step();
    EXPECT_FALSE(layer->isActive());
}

} // namespace
} // namespace tarvex::game
