#include "GameSystemsFixture.hpp"
#include "entities/TagManager.hpp"
#include "game/components/ParticleGeneratorComponent.hpp"
#include "game/components/PlayerComponents.hpp"
#include "game/components/TimedComponents.hpp"
#include "game/components/WeaponComponents.hpp"
#include "game/systems/PlayerInputSystem.hpp"
#include "platform/Input.hpp"

namespace tarvex::game {
namespace {

using Names = std::vector<std::string>;

class PlayerInputSystemTest : public testing::GameSystemsTest {
protected:
    PlayerInputSystemTest() {
        addSystem<PlayerInputSystem>();
        player = boat();
    }

    static void tap(int key) {
        platform::keyboard().press(key);
        platform::keyboard().release(key);
    }

    [[nodiscard]] std::vector<Ref<Entity>> splashes() const {
        std::vector<Ref<Entity>> found;
        for (const auto& entity : with<ParticleGeneratorComponent>()) {
            if (entity->getComponentAs<ParticleGeneratorComponent>()->_particle_type ==
                "WaterSplashParticle") {
                found.push_back(entity);
            }
        }
        return found;
    }

    Ref<Entity> player;
};

TEST_F(PlayerInputSystemTest, ArrowsChangeTheAccelerationPerStepUpToTheLimit) {
    auto* body = bodyOf(player);
    platform::keyboard().press(platform::KEY_LEFT);
    for (int i = 1; i <= 9; ++i) {
        step(i % 2 == 0 ? 100 : 1); // the step's length makes no difference
    }
    EXPECT_FLOAT_EQ(body->x_acceleration, -22.5F);
    step();
    EXPECT_FLOAT_EQ(body->x_acceleration, -25);
    step();
    EXPECT_FLOAT_EQ(body->x_acceleration, -25) << "held at the limit";
    platform::keyboard().release(platform::KEY_LEFT);
    step();
    EXPECT_FLOAT_EQ(body->x_acceleration, 0) << "released: the drag takes over";

    platform::keyboard().press(platform::KEY_RIGHT);
    for (int i = 0; i < 12; ++i) {
        step();
    }
    EXPECT_FLOAT_EQ(body->x_acceleration, 25);
    platform::keyboard().press(platform::KEY_LEFT);
    step();
    EXPECT_FLOAT_EQ(body->x_acceleration, 22.5F) << "Left wins when both are held";
}

TEST_F(PlayerInputSystemTest, BoatIsKeptOnScreenAndStopped) {
    auto* body = bodyOf(player);
    body->x_pos = -0.5F;
    body->x_velocity = -20;
    body->x_acceleration = -25;
    platform::keyboard().press(platform::KEY_LEFT);
    step();
    EXPECT_FLOAT_EQ(body->x_pos, 0);
    EXPECT_FLOAT_EQ(body->x_velocity, 0);
    EXPECT_FLOAT_EQ(body->x_acceleration, 0);
    platform::keyboard().release(platform::KEY_LEFT);

    body->x_pos = 180;
    body->x_velocity = 20;
    step();
    EXPECT_FLOAT_EQ(body->x_pos, 176) << "224 less the 48-pixel boat";
    EXPECT_FLOAT_EQ(body->x_velocity, 0);
}

TEST_F(PlayerInputSystemTest, SpaceDropsAChargeBelowTheBoatThenDetonatesIt) {
    step();
    tap(platform::KEY_SPACE);
    step();
    const auto charges = with<DepthChargeComponent>();
    ASSERT_EQ(charges.size(), 1U);
    const auto& charge = charges.front();
    auto* body = bodyOf(charge);
    ASSERT_NE(body, nullptr);
    EXPECT_FLOAT_EQ(body->x_pos, 107) << "88 + 48/2 - 5";
    EXPECT_FLOAT_EQ(body->y_pos, 67) << "55 + 16 - 4";
    EXPECT_FLOAT_EQ(body->y_acceleration, 9.8F);
    EXPECT_FLOAT_EQ(body->y_max_velocity, 98);
    EXPECT_EQ(body->sprite_name, "depthrun.objects.depth_charge");
    EXPECT_EQ(body->animation_name, "depthrun.objects.depth_charge_spin");
    auto* bubbles = charge->getComponentAs<ParticleGeneratorComponent>();
    ASSERT_NE(bubbles, nullptr);
    EXPECT_FLOAT_EQ(bubbles->spawn_frequency, 0.95F);
    EXPECT_EQ(bubbles->max_particles, 10);
    EXPECT_EQ(bubbles->_particle_type, "BubbleParticle");
    const auto splash = splashes();
    ASSERT_EQ(splash.size(), 1U);
    EXPECT_FLOAT_EQ(splash.front()->getComponentAs<ParticleGeneratorComponent>()->x_pos, 107);
    EXPECT_FLOAT_EQ(splash.front()->getComponentAs<ParticleGeneratorComponent>()->y_pos, 70);
    EXPECT_EQ(splash.front()->getComponentAs<ParticleGeneratorComponent>()->max_particles, 25);
    EXPECT_TRUE(player->getComponentAs<PlayerComponent>()->_isDroppingCharge);
    EXPECT_EQ(audio->played, Names{"depthrun.sounds.splash*"});
    EXPECT_EQ(session->getChargesDropped(), 1);
    EXPECT_EQ(session->getChargesDroppedThisLevel(), 1);

    body->y_pos = 150;
    tap(platform::KEY_SPACE);
    step();
    EXPECT_EQ(audio->played, (Names{"depthrun.sounds.splash*", "depthrun.sounds.explode*"}));
    EXPECT_TRUE(with<DepthChargeComponent>().empty()) << "no longer live";
    EXPECT_FALSE(player->getComponentAs<PlayerComponent>()->_isDroppingCharge);
    EXPECT_FALSE(body->getSprite()->isVisible());
    EXPECT_FLOAT_EQ(body->y_acceleration, 0);
    EXPECT_FLOAT_EQ(bubbles->spawn_frequency, 0) << "the trail stops";
    ASSERT_NE(charge->getComponentAs<LifespanComponent>(), nullptr);
    EXPECT_FLOAT_EQ(charge->getComponentAs<LifespanComponent>()->delete_after, 4000);
    const auto pieces = with<ExplosionComponent>();
    ASSERT_EQ(pieces.size(), 8U);
    for (const auto& piece : pieces) {
        EXPECT_TRUE(piece->getComponentAs<ExplosionComponent>()->damages_enemy);
        EXPECT_EQ(piece->getComponentAs<ExplosionComponent>()->_blast, charge->getUniqueId());
        EXPECT_GE(bodyOf(piece)->y_pos, 144);
        EXPECT_LT(bodyOf(piece)->y_pos, 156);
    }
    EXPECT_EQ(session->getChargesDropped(), 1) << "detonating is no new charge";
}

TEST_F(PlayerInputSystemTest, SeveralPressesBetweenStepsCountOnce) {
    tap(platform::KEY_SPACE);
    tap(platform::KEY_SPACE);
    step();
    EXPECT_EQ(with<DepthChargeComponent>().size(), 1U);
    EXPECT_EQ(session->getChargesDropped(), 1);
}

TEST_F(PlayerInputSystemTest, NoChargeBeyondTheLevelsAllowance) {
    useLevel("enemies_to_destroy = 3; total_charges = 2;");
    for (int press = 0; press < 6; ++press) {
        tap(platform::KEY_SPACE);
        step();
    }
    EXPECT_EQ(session->getChargesDroppedThisLevel(), 2)
        << "drop, detonate, drop, detonate, then nothing";
    EXPECT_TRUE(with<DepthChargeComponent>().empty());
    EXPECT_EQ(std::count(audio->played.begin(), audio->played.end(), "depthrun.sounds.splash*"), 2);

    useLevel("enemies_to_destroy = 3; total_charges = 0;");
    session->resetCurrentLevelState();
    for (int press = 0; press < 6; ++press) {
        tap(platform::KEY_SPACE);
        step();
    }
    EXPECT_EQ(session->getChargesDroppedThisLevel(), 3) << "0: no limit";
}

TEST_F(PlayerInputSystemTest, SonarWithinTheAllowanceAndOnePulseAtATime) {
    useLevel("total_sonars = 0;");
    tap(platform::KEY_S);
    step();
    EXPECT_FALSE(entities->getWorld()->getTagManager()->isRegistered("sonar_wave"));

    useLevel("total_sonars = 3;");
    tap(platform::KEY_S);
    step();
    auto* wave = entities->getEntityByTag("sonar_wave");
    ASSERT_NE(wave, nullptr);
    EXPECT_FLOAT_EQ(wave->getComponentAs<BodyComponent>()->y_pos, 72);
    EXPECT_EQ(session->getSonarsUsedThisLevel(), 1);
    EXPECT_EQ(audio->played, Names{"depthrun.sounds.sonar"});

    tap(platform::KEY_S);
    step();
    EXPECT_EQ(session->getSonarsUsedThisLevel(), 1) << "a pulse is on screen: not counted";
    EXPECT_EQ(audio->played.size(), 1U);

    entities->removeEntity(wave);
    session->increaseSonarsUsed(2);
    tap(platform::KEY_S);
    step();
    EXPECT_EQ(entities->getEntityByTag("sonar_wave"), nullptr) << "three of three used";
    EXPECT_EQ(session->getSonarsUsedThisLevel(), 3);
}

} // namespace
} // namespace tarvex::game
