#include "EnemySystemsFixture.hpp"
#include "game/components/EnemyComponents.hpp"
#include "game/components/ParticleGeneratorComponent.hpp"
#include "game/components/WeaponComponents.hpp"
#include "game/systems/BodyMovementSystem.hpp"
#include "game/systems/MissileCollisionSystem.hpp"
#include "game/systems/SubmarineAiSystem.hpp"

namespace tarvex::game {
namespace {

class MissileCollisionSystemTest : public testing::EnemySystemsTest {
protected:
    Ref<BodyMovementSystem> movement = addSystem<BodyMovementSystem>();
    Ref<MissileCollisionSystem> collisions = addSystem<MissileCollisionSystem>();
};

TEST_F(MissileCollisionSystemTest, MissileRisesAndExplodesOnTheFirstStepAtTheSurface) {
    auto sub = submarine(SubmarineComponent::DIRECTION_RIGHT, 84, 150);
    auto ai = addSystem<SubmarineAiSystem>();
    sub->getComponentAs<SubmarineComponent>()->aggression = 12;
    step();
    step();
    ai->disableSystem();
    const auto fired = with<MissileComponent>();
    ASSERT_EQ(fired.size(), 1U);
    auto missile = fired.front();
    auto* body = bodyOf(missile);

    float lastY = body->y_pos;
    float speed = 0;
    int steps = 0;
    while (missile->isActive() && with<ExplosionComponent>().empty() && steps < 5000) {
        lastY = body->y_pos;
        speed = -body->y_velocity;
        step();
        ++steps;
    }
    ASSERT_FALSE(with<ExplosionComponent>().empty()) << "never reached the surface";
    EXPECT_GT(lastY, 71) << "still under water the step before";
    EXPECT_LE(body->y_pos, 71);
    EXPECT_FLOAT_EQ(speed, 15) << "rising at its top speed";
    EXPECT_EQ(played("depthrun.sounds.explode*"), 1);

    const auto pieces = with<ExplosionComponent>();
    ASSERT_EQ(pieces.size(), 4U);
    for (const auto& piece : pieces) {
        auto* explosion = piece->getComponentAs<ExplosionComponent>();
        EXPECT_TRUE(explosion->damages_player);
        EXPECT_FALSE(explosion->damages_enemy);
        auto* pieceBody = bodyOf(piece);
        EXPECT_EQ(pieceBody->sprite_name, "depthrun.particles.explosion.small");
        EXPECT_GE(pieceBody->x_pos, body->x_pos - 2);
        EXPECT_LT(pieceBody->x_pos, body->x_pos + 3);
        EXPECT_GE(pieceBody->y_pos, body->y_pos - 2);
        EXPECT_LT(pieceBody->y_pos, body->y_pos + 3);
        EXPECT_EQ(pieceBody->animation_name.substr(0, 36), "depthrun.particles.animations.splode");
    }
    const auto splashes = with<ParticleGeneratorComponent>();
    ASSERT_EQ(splashes.size(), 1U);
    auto* splash = splashes.front()->getComponentAs<ParticleGeneratorComponent>();
    EXPECT_FLOAT_EQ(splash->x_pos, body->x_pos + 3 - 1.5F) << "the middle of a 6-wide missile";
    EXPECT_FLOAT_EQ(splash->y_pos, 71);
    EXPECT_EQ(splash->max_particles, 25);
    EXPECT_FLOAT_EQ(splash->width, 3);
    EXPECT_EQ(splash->_particle_type, "WaterSplashParticle");

    EXPECT_TRUE(missile->isActive()) << "queued";
    step();
    EXPECT_FALSE(missile->isActive());
    EXPECT_EQ(played("depthrun.sounds.explode*"), 1) << "exploded once";
}

TEST_F(MissileCollisionSystemTest, NothingHappensBelowTheSurfaceLine) {
    auto missile = body("depthrun.objects.missile", 50, 71.01F);
    missile->addComponent(std::make_shared<MissileComponent>());
    missile->refresh();
    step();
    step();
    EXPECT_TRUE(missile->isActive());
    EXPECT_TRUE(with<ExplosionComponent>().empty());
    EXPECT_TRUE(audio->played.empty());
}

} // namespace
} // namespace tarvex::game
