#include "EnemySystemsFixture.hpp"
#include "game/components/EnemyComponents.hpp"
#include "game/components/ParticleGeneratorComponent.hpp"
#include "game/components/WeaponComponents.hpp"
#include "game/systems/BodyMovementSystem.hpp"
#include "game/systems/SinkingSubmarineSystem.hpp"

namespace tarvex::game {
namespace {

class SinkingSubmarineSystemTest : public testing::EnemySystemsTest {
protected:
    Ref<BodyMovementSystem> movement = addSystem<BodyMovementSystem>();
    Ref<SinkingSubmarineSystem> sinking = addSystem<SinkingSubmarineSystem>();

    Ref<Entity> wreck(float y) {
        auto sub = submarine(SubmarineComponent::DIRECTION_LEFT, 100, y);
        auto* body = bodyOf(sub);
        body->y_acceleration = 5; // given when it was destroyed
        body->y_max_velocity = 50;
        body->x_velocity = -4;
        sub->addComponent(std::make_shared<DestroyedComponent>());
        sub->refresh();
        return sub;
    }
};

TEST_F(SinkingSubmarineSystemTest, WreckSettlesOnTheFloorWithOneShakeAndBubbles) {
    auto sub = wreck(150);
    auto* body = bodyOf(sub);
    int steps = 0;
    while (body->y_velocity >= 0 && body->y_pos < 274 && steps < 20000) {
        step();
        ++steps;
    }
    step();
    ASSERT_GE(body->y_pos, 274);
    EXPECT_FLOAT_EQ(body->y_velocity, 0);
    EXPECT_FLOAT_EQ(body->y_acceleration, 0);
    EXPECT_FLOAT_EQ(body->x_velocity, 0);
    EXPECT_EQ(effects->countActions(), 1);
    EXPECT_EQ(played("depthrun.sounds.explode*"), 1);
    auto* bubbles = sub->getComponentAs<ParticleGeneratorComponent>();
    ASSERT_NE(bubbles, nullptr);
    EXPECT_FLOAT_EQ(bubbles->spawn_frequency, 0.7F);
    EXPECT_FLOAT_EQ(bubbles->x_pos, body->x_pos);
    EXPECT_FLOAT_EQ(bubbles->y_pos, body->y_pos);
    EXPECT_FLOAT_EQ(bubbles->width, 32);
    EXPECT_FLOAT_EQ(bubbles->height, 12);
    EXPECT_FLOAT_EQ(bubbles->particle_lifespan, 2);
    EXPECT_EQ(bubbles->max_particles, 10);
    EXPECT_EQ(bubbles->_particle_type, "BubbleParticle");

    const auto flashes = with<ExplosionComponent>().size();
    const float restingY = body->y_pos;
    for (int i = 0; i < 2000; ++i) {
        step();
    }
    EXPECT_EQ(with<ExplosionComponent>().size(), flashes) << "no flashes once it lies still";
    EXPECT_FLOAT_EQ(body->y_pos, restingY);
    EXPECT_EQ(played("depthrun.sounds.explode*"), 1);
}

TEST_F(SinkingSubmarineSystemTest, SinkingWreckThrowsOffHarmlessFlashesOverItsHull) {
    auto sub = wreck(100);
    auto* body = bodyOf(sub);
    body->y_acceleration = 0;
    body->y_velocity = 0.001F; // sinking, but never reaching the floor here
    body->x_velocity = 0;
    for (int i = 0; i < 2000; ++i) {
        step();
    }
    const auto flashes = with<ExplosionComponent>();
    EXPECT_GT(flashes.size(), 25U) << "about one step in forty";
    EXPECT_LT(flashes.size(), 80U);
    for (const auto& flash : flashes) {
        auto* explosion = flash->getComponentAs<ExplosionComponent>();
        EXPECT_FALSE(explosion->damages_enemy);
        EXPECT_FALSE(explosion->damages_player);
        auto* flashBody = bodyOf(flash);
        EXPECT_GE(flashBody->x_pos, body->x_pos - 1);
        EXPECT_LE(flashBody->x_pos, body->x_pos + 32);
        EXPECT_GE(flashBody->y_pos, 100);
        EXPECT_LE(flashBody->y_pos, 100 + 8 + 1);
    }
    EXPECT_EQ(effects->countActions(), 0);
}

} // namespace
} // namespace tarvex::game
