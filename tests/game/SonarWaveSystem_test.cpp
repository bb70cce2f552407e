#include "GameSystemsFixture.hpp"
#include "game/GameEntityFactory.hpp"
#include "game/components/WeaponComponents.hpp"
#include "game/systems/BodyMovementSystem.hpp"
#include "game/systems/SonarDetectionSystem.hpp"
#include "game/systems/SonarWaveSystem.hpp"

namespace tarvex::game {
namespace {

class SonarWaveSystemTest : public testing::GameSystemsTest {
protected:
    SonarWaveSystemTest() { addSystem<SonarWaveSystem>(); }

    [[nodiscard]] static bool detected(const Ref<Entity>& entity) {
        return entity->hasComponent(ComponentTypeManager::getTypeFor<DetectedComponent>().get());
    }
};

TEST_F(SonarWaveSystemTest, RevealsSubmarinesWhileTheBandIsStrictlyInsideThem) {
    auto wave = GameEntityFactory::createSonarWave();
    auto hidden = submarine(40, 100);
    bodyOf(hidden)->getSprite()->SetAlpha(0);
    auto sunk = submarine(120, 100);
    sunk->addComponent(std::make_shared<DestroyedComponent>());
    sunk->refresh();
    auto* waveBody = bodyOf(wave);
    for (const float y : {72.0F, 100.0F}) {
        waveBody->y_pos = y;
        step();
        EXPECT_FALSE(detected(hidden)) << "wave at " << y;
    }
    waveBody->y_pos = 100.5F;
    step();
    EXPECT_TRUE(detected(hidden));
    EXPECT_FLOAT_EQ(bodyOf(hidden)->getSprite()->getAlpha(), 1.0F);
    EXPECT_FALSE(detected(sunk)) << "a destroyed submarine is never detected";

    auto low = submarine(40, 200);
    waveBody->y_pos = 216; // the bottom edge of the lower one: no overlap
    step();
    EXPECT_FALSE(detected(low));
}

TEST_F(SonarWaveSystemTest, PulseSweepsDownAndGoesAtTheBottomFreeingTheTag) {
    addSystem<BodyMovementSystem>();
    GameEntityFactory::createSonarWave();
    auto deep = submarine(10, 250);
    int steps = 0;
    while (entities->getEntityByTag("sonar_wave") != nullptr && steps < 400) {
        step(10);
        ++steps;
    }
    // 216 pixels at 100 per second, then the step that removes it.
    EXPECT_GE(steps, 216);
    EXPECT_LE(steps, 219);
    EXPECT_TRUE(detected(deep));
}

TEST_F(SonarWaveSystemTest, RevealFadesPerStepAndCanBeRenewed) {
    addSystem<SonarDetectionSystem>();
    auto wave = GameEntityFactory::createSonarWave();
    auto sub = submarine(40, 100);
    bodyOf(wave)->y_pos = 110;
    step();
    ASSERT_TRUE(detected(sub));
    bodyOf(wave)->y_pos = 300; // out of the way
    step(1000);                // the step's length does not matter
    EXPECT_NEAR(bodyOf(sub)->getSprite()->getAlpha(), 0.999F, 1e-6);
    int steps = 1;
    while (detected(sub) && steps < 2000) {
        step();
        ++steps;
    }
    EXPECT_NEAR(steps, 1000, 2) << "about a thousand steps";
    EXPECT_LE(bodyOf(sub)->getSprite()->getAlpha(), 0);

    auto renewed = GameEntityFactory::createSonarWave();
    bodyOf(renewed)->y_pos = 110;
    step();
    EXPECT_TRUE(detected(sub)) << "a later pulse reveals it again";
}

} // namespace
} // namespace tarvex::game
