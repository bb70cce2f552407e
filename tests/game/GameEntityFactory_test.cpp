#include "GameTestWorld.hpp"
#include "core/Random.hpp"
#include "entities/GroupManager.hpp"
#include "entities/TagManager.hpp"
#include "game/GameEntityFactory.hpp"
#include "game/components/ParticleGeneratorComponent.hpp"
#include "game/components/PlayerComponents.hpp"
#include "game/components/WeaponComponents.hpp"
#include "graphics/VirtualScreenResolution.hpp"

namespace tarvex::game {
namespace {

class GameEntityFactoryTest : public testing::GameWorldTest {
protected:
    GameEntityFactoryTest() {
        graphics::VirtualScreenResolution::getInstance()->setDimensions(224, 288);
        GameEntityFactory::setWorld(&world);
        Random::seed(7);
    }
    ~GameEntityFactoryTest() override { GameEntityFactory::setWorld(nullptr); }

    [[nodiscard]] std::vector<Ref<Entity>> live() const {
        std::vector<Ref<Entity>> entities;
        for (std::int32_t id = 0; id < 64; ++id) {
            const auto& entity = world.getEntity(id);
            if (entity && entity->isActive()) {
                entities.push_back(entity);
            }
        }
        return entities;
    }
};

TEST_F(GameEntityFactoryTest, BoatStartsMidScreenOnTheSurfaceWithItsEmittersOnDeck) {
    auto player = GameEntityFactory::createPlayer();
    EXPECT_EQ(player->getTag(), "player");
    auto* body = player->getComponentAs<BodyComponent>();
    ASSERT_NE(body, nullptr);
    EXPECT_FLOAT_EQ(body->x_pos, 88);
    EXPECT_FLOAT_EQ(body->y_pos, 55);
    EXPECT_FLOAT_EQ(body->x_max_velocity, 25);
    EXPECT_FLOAT_EQ(body->x_drag, 10);
    EXPECT_EQ(body->sprite_name, "depthrun.objects.player");
    ASSERT_NE(player->getComponentAs<HealthComponent>(), nullptr);
    EXPECT_FLOAT_EQ(player->getComponentAs<HealthComponent>()->current_health, 5);
    EXPECT_NE(player->getComponentAs<PlayerComponent>(), nullptr);

    std::vector<std::string> particleTypes;
    for (const auto& entity : live()) {
        auto* generator = entity->getComponentAs<ParticleGeneratorComponent>();
        if (generator == nullptr) {
            continue;
        }
        EXPECT_NE(entity->getComponentAs<SmokeComponent>(), nullptr);
        EXPECT_FLOAT_EQ(generator->x_pos, 88);
        EXPECT_FLOAT_EQ(generator->y_pos, 68);
        EXPECT_FLOAT_EQ(generator->width, 48);
        EXPECT_FLOAT_EQ(generator->height, 2);
        EXPECT_FLOAT_EQ(generator->spawn_frequency, 0) << "no smoke while unharmed";
        particleTypes.push_back(generator->_particle_type);
    }
    EXPECT_EQ(particleTypes, (std::vector<std::string>{"SmokeParticle", "FireParticle"}));
}

TEST_F(GameEntityFactoryTest, ExplosionScattersPiecesOverTheSpread) {
    GameEntityFactory::createExplosion(100, 150, 12, 8, true);
    const auto pieces = live();
    ASSERT_EQ(pieces.size(), 8U);
    for (const auto& piece : pieces) {
        auto* body = piece->getComponentAs<BodyComponent>();
        auto* explosion = piece->getComponentAs<ExplosionComponent>();
        ASSERT_NE(body, nullptr);
        ASSERT_NE(explosion, nullptr);
        EXPECT_TRUE(explosion->damages_enemy);
        EXPECT_FALSE(explosion->damages_player);
        EXPECT_GE(body->x_pos, 94);
        EXPECT_LT(body->x_pos, 106);
        EXPECT_GE(body->y_pos, 144);
        EXPECT_LT(body->y_pos, 156);
        const std::string prefix = "depthrun.particles.animations.splode";
        ASSERT_EQ(body->animation_name.size(), prefix.size() + 1) << body->animation_name;
        EXPECT_EQ(body->animation_name.substr(0, prefix.size()), prefix);
        const char digit = body->animation_name.back();
        EXPECT_TRUE(digit >= '1' && digit <= '8') << body->animation_name;
    }
}

TEST_F(GameEntityFactoryTest, SonarWaveAndSplash) {
    auto wave = GameEntityFactory::createSonarWave();
    EXPECT_EQ(wave->getTag(), "sonar_wave");
    auto* body = wave->getComponentAs<BodyComponent>();
    ASSERT_NE(body, nullptr);
    EXPECT_FLOAT_EQ(body->y_pos, 72);
    EXPECT_FLOAT_EQ(body->y_velocity, 100);
    EXPECT_FLOAT_EQ(body->sprite_alpha, 0.5F);
    EXPECT_NE(wave->getComponentAs<SonarWaveComponent>(), nullptr);

    EXPECT_EQ(GameEntityFactory::createSpash(30, 71, 12, 16), nullptr);
    auto splash = live().back();
    auto* generator = splash->getComponentAs<ParticleGeneratorComponent>();
    ASSERT_NE(generator, nullptr);
    EXPECT_EQ(generator->max_particles, 12);
    EXPECT_FLOAT_EQ(generator->spawn_frequency, -1.0F);
    EXPECT_EQ(generator->_particle_type, "WaterSplashParticle");
}

} // namespace
} // namespace tarvex::game
