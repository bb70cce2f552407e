#include "EnemySystemsFixture.hpp"
#include "game/components/ParticleGeneratorComponent.hpp"
#include "game/components/WeaponComponents.hpp"
#include "game/components/WildlifeComponents.hpp"
#include "game/systems/BodyMovementSystem.hpp"
#include "game/systems/MineUpdaterSystem.hpp"
#include "game/systems/PlaneAiSystem.hpp"
#include "game/systems/PlaneSpawnerSystem.hpp"
#include "support/DebugLogCapture.hpp"

namespace tarvex::game {
namespace {

class MineUpdaterSystemTest : public testing::EnemySystemsTest {
protected:
    Ref<BodyMovementSystem> movement = addSystem<BodyMovementSystem>();
    Ref<MineUpdaterSystem> mines = addSystem<MineUpdaterSystem>();

    Ref<Entity> mine(float x, float y, float yVelocity) {
        auto entity = body("depthrun.objects.mine", x, y);
        bodyOf(entity)->y_velocity = yVelocity;
        entity->addComponent(std::make_shared<MineComponent>());
        entity->refresh();
        return entity;
    }
    [[nodiscard]] static std::string flashing(const Ref<Entity>& entity) {
        return bodyOf(entity)->getSprite()->getAnimationRunner().getCurrentAnimation();
    }
    [[nodiscard]] std::vector<Ref<Entity>> splashes() const {
        return with<ParticleGeneratorComponent>();
    }
};

TEST_F(MineUpdaterSystemTest, MineDroppedByAPlaneCountsDownFlashesFasterAndExplodes) {
    useLevel("mine_frequency = 1;");
    boat(170, 55);
    auto spawner = addSystem<PlaneSpawnerSystem>();
    addSystem<PlaneAiSystem>();
    int frames = 0;
    while (with<MineComponent>().empty() && frames < 20000) {
        step();
        ++frames;
    }
    ASSERT_EQ(with<MineComponent>().size(), 1U);
    spawner->disableSystem();
    auto theMine = with<MineComponent>().front();
    auto* body = bodyOf(theMine);
    auto* countdown = theMine->getComponentAs<MineComponent>();

    while (body->y_velocity != 0 && frames < 20000) {
        step();
        ++frames;
        EXPECT_EQ(countdown->time_remaining, 1000) << "no countdown while falling";
    }
    EXPECT_GE(body->y_pos, 68);
    EXPECT_LT(body->y_pos, 69.5F);
    EXPECT_FLOAT_EQ(body->y_acceleration, 0);
    EXPECT_EQ(played("depthrun.sounds.splash*"), 1);
    ASSERT_EQ(splashes().size(), 1U);
    auto* splash = splashes().front()->getComponentAs<ParticleGeneratorComponent>();
    EXPECT_FLOAT_EQ(splash->x_pos, body->x_pos + 4 - 1.5F) << "mid-mine (9 wide)";
    EXPECT_FLOAT_EQ(splash->y_pos, 71);
    EXPECT_EQ(splash->max_particles, 25);
    EXPECT_FLOAT_EQ(splash->width, 3);
    const float floatingY = body->y_pos;

    tarvex::testing::DebugLogCapture log;
    for (int floating = 1; floating <= 499; ++floating) {
        step();
    }
    EXPECT_EQ(countdown->time_remaining, 501);
    EXPECT_EQ(flashing(theMine), "flash_slow");
    step();
    EXPECT_EQ(flashing(theMine), "flash_medium") << "at 500";
    EXPECT_TRUE(log.contains("Flash medium!"));
    for (int floating = 501; floating <= 800; ++floating) {
        step();
    }
    EXPECT_EQ(flashing(theMine), "flash_fast") << "at 200";
    EXPECT_TRUE(log.contains("Flash fast"));
    for (int floating = 801; floating <= 999; ++floating) {
        step();
    }
    EXPECT_TRUE(with<ExplosionComponent>().empty()) << "one frame left";
    EXPECT_FLOAT_EQ(body->y_pos, floatingY) << "floats still";
    step();
    const auto pieces = with<ExplosionComponent>();
    ASSERT_EQ(pieces.size(), 4U) << "explodes on the 1000th floating frame";
    for (const auto& piece : pieces) {
        auto* explosion = piece->getComponentAs<ExplosionComponent>();
        EXPECT_TRUE(explosion->damages_player);
        EXPECT_FALSE(explosion->damages_enemy);
        EXPECT_GE(bodyOf(piece)->x_pos, body->x_pos - 4);
        EXPECT_LE(bodyOf(piece)->x_pos, body->x_pos + 5);
        EXPECT_GE(bodyOf(piece)->y_pos, body->y_pos - 4);
        EXPECT_LE(bodyOf(piece)->y_pos, body->y_pos + 5);
    }
    EXPECT_EQ(splashes().size(), 2U) << "a second splash as it goes off";
    EXPECT_EQ(played("depthrun.sounds.explode*"), 1);
    step();
    EXPECT_FALSE(theMine->isActive());
}

TEST_F(MineUpdaterSystemTest, MineAboveTheWaterKeepsFallingAndNeverCountsDown) {
    auto falling = mine(30, 20, 20);
    bodyOf(falling)->y_max_velocity = 0.001F; // crawling: stays above 68 for the test
    for (int i = 0; i < 1500; ++i) {
        step();
    }
    EXPECT_LT(bodyOf(falling)->y_pos, 68);
    EXPECT_EQ(falling->getComponentAs<MineComponent>()->time_remaining, 1000);
    EXPECT_TRUE(audio->played.empty());
}

TEST_F(MineUpdaterSystemTest, TouchingTheBoatSetsItOffAtOnce) {
    boat(88, 55); // 88 .. 136 by 55 .. 71
    auto inside = mine(100, 60, 0);
    auto onTheEdge = mine(88, 60, 0);
    auto below = mine(120, 71, 0);
    step();
    EXPECT_EQ(with<ExplosionComponent>().size(), 4U) << "only the one inside";
    EXPECT_EQ(played("depthrun.sounds.explode*"), 1);
    EXPECT_TRUE(splashes().empty()) << "no splash when it hits the boat";
    step();
    EXPECT_FALSE(inside->isActive());
    EXPECT_TRUE(onTheEdge->isActive());
    EXPECT_TRUE(below->isActive());
}

TEST_F(MineUpdaterSystemTest, WithoutABoatMinesOnlyFloat) {
    auto floating = mine(100, 60, 0);
    step();
    EXPECT_EQ(floating->getComponentAs<MineComponent>()->time_remaining, 999);
    EXPECT_TRUE(with<ExplosionComponent>().empty());
}

} // namespace
} // namespace tarvex::game
