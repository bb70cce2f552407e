#include "EnemySystemsFixture.hpp"
#include "game/components/WildlifeComponents.hpp"
#include "game/systems/FishSpawnerSystem.hpp"
#include "support/DebugLogCapture.hpp"

#include <cmath>

namespace tarvex::game {
namespace {

class FishSpawnerSystemTest : public testing::EnemySystemsTest {
protected:
    Ref<FishSpawnerSystem> spawner = addSystem<FishSpawnerSystem>();
};

TEST_F(FishSpawnerSystemTest, StartingTheSystemReleasesTheLevelsFishAtOnce) {
    useLevel("number_of_fish = 40;");
    spawner->disableSystem();
    EXPECT_TRUE(with<FishComponent>().empty());
    spawner->enableSystem();
    const auto fish = with<FishComponent>();
    ASSERT_EQ(fish.size(), 40U);
    int left = 0;
    for (const auto& entity : fish) {
        auto* body = bodyOf(entity);
        auto* swimmer = entity->getComponentAs<FishComponent>();
        EXPECT_EQ(groupOf(entity), "wildlife");
        EXPECT_GE(body->x_pos, 5);
        EXPECT_LE(body->x_pos, 214);
        EXPECT_EQ(body->x_pos, std::floor(body->x_pos));
        EXPECT_GE(body->y_pos, 90);
        EXPECT_LE(body->y_pos, 270);
        EXPECT_FLOAT_EQ(body->y_max_velocity, 50);
        EXPECT_FLOAT_EQ(swimmer->_startX, body->x_pos);
        EXPECT_FLOAT_EQ(swimmer->_startY, body->y_pos);
        EXPECT_GE(swimmer->_waveOffset, 0);
        EXPECT_LT(swimmer->_waveOffset, 180);
        EXPECT_EQ(body->sprite_name, "depthrun.objects.fish");
        EXPECT_EQ(body->animation_name, "depthrun.objects.fish_swim");
        if (swimmer->direction == FishComponent::DIRECTION_LEFT) {
            ++left;
            EXPECT_EQ(body->frameset_name, "swim_left");
            EXPECT_GT(body->x_velocity, -14);
            EXPECT_LE(body->x_velocity, -1);
        } else {
            ASSERT_EQ(swimmer->direction, FishComponent::DIRECTION_RIGHT);
            EXPECT_EQ(body->frameset_name, "swim_right");
            EXPECT_GE(body->x_velocity, 1);
            EXPECT_LT(body->x_velocity, 14);
        }
    }
    EXPECT_GT(left, 5);
    EXPECT_LT(left, 35);

    for (int i = 0; i < 100; ++i) {
        step(100);
    }
    EXPECT_EQ(with<FishComponent>().size(), 40U) << "the periodic run adds none";
}

TEST_F(FishSpawnerSystemTest, NoFishLevelAndTheStopLine) {
    useLevel("number_of_fish = 0;");
    spawner->enableSystem();
    EXPECT_TRUE(with<FishComponent>().empty());
    tarvex::testing::DebugLogCapture log;
    spawner->disableSystem();
    EXPECT_TRUE(log.contains("FishSpawnerSystem->onDisabled"));
}

} // namespace
} // namespace tarvex::game
