#include "GameSystemsFixture.hpp"
#include "game/components/ParticleGeneratorComponent.hpp"
#include "game/components/PlayerComponents.hpp"
#include "game/components/WeaponComponents.hpp"
#include "game/systems/BodyMovementSystem.hpp"
#include "game/systems/ChargeBubblesSystem.hpp"
#include "game/systems/ChargeHitsFloorSystem.hpp"
#include "game/systems/PlayerInputSystem.hpp"
#include "platform/Input.hpp"

namespace tarvex::game {
namespace {

using Names = std::vector<std::string>;

class ChargeHitsFloorSystemTest : public testing::GameSystemsTest {
protected:
    Ref<Entity> charge(float y) {
        auto entity = sized(6, 6, 100, y);
        entity->addComponent(std::make_shared<DepthChargeComponent>());
        entity->addComponent(std::make_shared<ParticleGeneratorComponent>());
        entity->refresh();
        return entity;
    }
};

TEST_F(ChargeHitsFloorSystemTest, ExplodesOnlyBelowTheSeaFloor) {
    addSystem<ChargeHitsFloorSystem>();
    auto onFloor = charge(280.0F);
    step();
    EXPECT_TRUE(
        onFloor->hasComponent(ComponentTypeManager::getTypeFor<DepthChargeComponent>().get()));
    EXPECT_TRUE(audio->played.empty());

    bodyOf(onFloor)->y_pos = 280.1F;
    step();
    EXPECT_FALSE(
        onFloor->hasComponent(ComponentTypeManager::getTypeFor<DepthChargeComponent>().get()));
    EXPECT_EQ(audio->played, Names{"depthrun.sounds.explode*"});
    EXPECT_EQ(with<ExplosionComponent>().size(), 8U);
    EXPECT_FLOAT_EQ(onFloor->getComponentAs<ParticleGeneratorComponent>()->spawn_frequency, 0);
}

TEST_F(ChargeHitsFloorSystemTest, ChargeDroppedFromTheBoatSinksWithItsBubblesAndBlowsUpOnTheFloor) {
    addSystem<PlayerInputSystem>();
    addSystem<BodyMovementSystem>();
    addSystem<ChargeHitsFloorSystem>();
    addSystem<ChargeBubblesSystem>();
    auto player = boat();
    step();
    platform::keyboard().press(platform::KEY_SPACE);
    platform::keyboard().release(platform::KEY_SPACE);
    step();
    auto dropped = with<DepthChargeComponent>().front();
    auto* body = bodyOf(dropped);
    auto* bubbles = dropped->getComponentAs<ParticleGeneratorComponent>();
    int steps = 0;
    while (!with<DepthChargeComponent>().empty() && steps < 1000) {
        step(16);
        ++steps;
        if (!with<DepthChargeComponent>().empty()) {
            EXPECT_FLOAT_EQ(bubbles->y_pos, body->y_pos) << "the trail follows the charge";
            EXPECT_LE(body->y_velocity, 98);
        }
    }
    EXPECT_GT(body->y_pos, 280);
    EXPECT_LT(body->y_pos, 282) << "it goes off in the step it passes the floor";
    EXPECT_FLOAT_EQ(body->x_pos, 107) << "straight down";
    EXPECT_EQ(audio->played, (Names{"depthrun.sounds.splash*", "depthrun.sounds.explode*"}));

    // The boat still believes its charge is in the water: one press to forget it, one to drop.
    platform::keyboard().press(platform::KEY_SPACE);
    platform::keyboard().release(platform::KEY_SPACE);
    step();
    EXPECT_FALSE(player->getComponentAs<PlayerComponent>()->_isDroppingCharge);
    EXPECT_TRUE(with<DepthChargeComponent>().empty());
    platform::keyboard().press(platform::KEY_SPACE);
    platform::keyboard().release(platform::KEY_SPACE);
    step();
    EXPECT_EQ(with<DepthChargeComponent>().size(), 1U);
}

} // namespace
} // namespace tarvex::game
