#include "GameSystemsFixture.hpp"
#include "game/components/ParticleGeneratorComponent.hpp"
#include "game/components/PlayerComponents.hpp"
#include "game/components/WeaponComponents.hpp"
#include "game/systems/BodyMovementSystem.hpp"
#include "game/systems/PlayerDestroyedSystem.hpp"
#include "game/systems/PlayerFragmentSystem.hpp"
#include "game/systems/PlayerHealthSystem.hpp"
#include "support/DebugLogCapture.hpp"

#include <algorithm>

namespace tarvex::game {
namespace {

using Names = std::vector<std::string>;

class PlayerDestroyedSystemTest : public testing::GameSystemsTest {
protected:
    [[nodiscard]] ParticleGeneratorComponent* emitter(const std::string& particleType) const {
        for (const auto& entity : with<SmokeComponent>()) {
            auto* generator = entity->getComponentAs<ParticleGeneratorComponent>();
            if (generator->_particle_type == particleType) {
                return generator;
            }
        }
        return nullptr;
    }
};

TEST_F(PlayerDestroyedSystemTest, SmokeFromTheFirstHitAndFireFromTheThird) {
    addSystem<PlayerHealthSystem>();
    auto player = boat();
    auto* health = player->getComponentAs<HealthComponent>();
    auto* smoke = emitter("SmokeParticle");
    auto* fire = emitter("FireParticle");
    ASSERT_NE(smoke, nullptr);
    ASSERT_NE(fire, nullptr);
    const std::vector<std::pair<float, std::pair<float, float>>> expected{
        {5, {0, 0}}, {4, {0.68F, 0}}, {3, {0.66F, 0}}, {2, {0.64F, 0.7F}}, {1, {0.62F, 0.68F}}};
    for (const auto& [points, frequencies] : expected) {
        health->current_health = points;
        step();
        EXPECT_FLOAT_EQ(smoke->spawn_frequency, frequencies.first) << "health " << points;
        EXPECT_FLOAT_EQ(fire->spawn_frequency, frequencies.second) << "health " << points;
    }
    bodyOf(player)->x_pos = 120;
    step();
    EXPECT_FLOAT_EQ(smoke->x_pos, 120) << "the emitters follow the boat";
    EXPECT_FLOAT_EQ(fire->y_pos, 55);

    entities->removeEntity(player.get());
    step();
    EXPECT_FLOAT_EQ(smoke->spawn_frequency, 0) << "no boat, no smoke";
    EXPECT_FLOAT_EQ(fire->spawn_frequency, 0);
}

TEST_F(PlayerDestroyedSystemTest, BoatAtNoHealthBreaksIntoFourFallingFragments) {
    ::tarvex::testing::DebugLogCapture log;
    addSystem<PlayerDestroyedSystem>();
    auto player = boat();
    bodyOf(player)->x_pos = 60;
    bodyOf(player)->x_velocity = 5;
    player->getComponentAs<HealthComponent>()->current_health = 1;
    step();
    EXPECT_TRUE(with<PlayerFragmentComponent>().empty());

    player->getComponentAs<HealthComponent>()->current_health = 0;
    step();
    EXPECT_TRUE(log.contains("DESTROYING THE PLAYER!"));
    auto fragments = with<PlayerFragmentComponent>();
    ASSERT_EQ(fragments.size(), 4U);
    std::sort(fragments.begin(), fragments.end(), [](const auto& a, const auto& b) {
        return bodyOf(a)->sprite_frame < bodyOf(b)->sprite_frame;
    });
    const std::vector<float> drift{-2, -1, 1, 2};
    for (std::size_t i = 0; i < fragments.size(); ++i) {
        auto* body = bodyOf(fragments[i]);
        EXPECT_EQ(body->sprite_name, "depthrun.objects.player_parts");
        EXPECT_EQ(body->sprite_frame, static_cast<std::int32_t>(i));
        EXPECT_FLOAT_EQ(body->x_pos, 60 + 12 * static_cast<float>(i));
        EXPECT_FLOAT_EQ(body->y_pos, 55);
        EXPECT_FLOAT_EQ(body->x_velocity, 5 + drift[i]);
        EXPECT_GE(body->y_acceleration, 8);
        EXPECT_LT(body->y_acceleration, 12);
        EXPECT_GE(body->y_max_velocity, 15);
        EXPECT_LT(body->y_max_velocity, 25);
    }
    EXPECT_NE(entities->getEntityByTag("player"), nullptr) << "gone only at the next step";
    step();
    EXPECT_EQ(entities->getEntityByTag("player"), nullptr);
}

TEST_F(PlayerDestroyedSystemTest, FragmentsFlashWhileSinkingAndStopOnTheSeaBedWithAShake) {
    addSystem<BodyMovementSystem>();
    auto fragments = addSystem<PlayerFragmentSystem>();
    auto fragment = sized(12, 16, 80, 55);
    fragment->addComponent(std::make_shared<PlayerFragmentComponent>());
    fragment->refresh();
    auto* body = bodyOf(fragment);
    body->y_acceleration = 10;
    body->y_max_velocity = 20;
    const auto shakesBefore = effects->countActions();
    int steps = 0;
    while ((body->y_velocity > 0 || steps == 0) && steps < 5000) {
        step(16);
        ++steps;
    }
    EXPECT_GE(body->y_pos, 268);
    EXPECT_LT(body->y_pos, 269);
    EXPECT_FLOAT_EQ(body->y_acceleration, 0);
    EXPECT_FLOAT_EQ(body->x_velocity, 0);
    EXPECT_EQ(effects->countActions(), shakesBefore + 1);
    const auto flashes = with<ExplosionComponent>();
    // Each flash is harmless and comes with its own bang; the last bang is the landing.
    EXPECT_EQ(audio->played.size(), flashes.size() + 1);
    EXPECT_FALSE(flashes.empty()) << "about one step in 200 flashes over " << steps << " steps";
    for (const auto& flash : flashes) {
        const auto* explosion = flash->getComponentAs<ExplosionComponent>();
        EXPECT_FALSE(explosion->damages_enemy);
        EXPECT_FALSE(explosion->damages_player);
    }
    EXPECT_TRUE(std::all_of(audio->played.begin(), audio->played.end(),
                            [](const auto& name) { return name == "depthrun.sounds.explode*"; }));

    audio->played.clear();
    for (int i = 0; i < 2000; ++i) {
        step(16);
    }
    EXPECT_TRUE(audio->played.empty()) << "at rest: no more flashes";
    fragments->spawnExplosion(10, 20);
    EXPECT_FLOAT_EQ(bodyOf(with<ExplosionComponent>().back())->x_pos, 10);
}

} // namespace
} // namespace tarvex::game
