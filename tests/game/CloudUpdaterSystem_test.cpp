#include "EnemySystemsFixture.hpp"
#include "game/components/WildlifeComponents.hpp"
#include "game/systems/BodyMovementSystem.hpp"
#include "game/systems/CloudUpdaterSystem.hpp"

namespace tarvex::game {
namespace {

class CloudUpdaterSystemTest : public testing::EnemySystemsTest {
protected:
    Ref<BodyMovementSystem> movement = addSystem<BodyMovementSystem>();
    Ref<CloudUpdaterSystem> clouds = addSystem<CloudUpdaterSystem>();
};

TEST_F(CloudUpdaterSystemTest, CloudPastTheLeftEdgeComesBackBeyondTheRight) {
    auto cloud = body("depthrun.backgrounds.day.clouds", 2, 12); // 48 wide
    cloud->setGroup("clouds");
    cloud->addComponent(std::make_shared<CloudComponent>());
    cloud->refresh();
    auto* drift = bodyOf(cloud);
    drift->x_velocity = -2;
    float lowest = 2;
    int steps = 0;
    while (drift->x_pos <= 2 && steps < 100000) {
        lowest = std::min(lowest, drift->x_pos);
        step(100);
        ++steps;
    }
    // It moves and wraps in the same step, so it is never seen wholly off screen.
    EXPECT_GE(lowest, -48);
    EXPECT_LT(lowest, -47.7F) << "wraps in the step it passes minus its width";
    EXPECT_GE(drift->x_pos, 224 - 0.2F);
    EXPECT_LT(drift->x_pos, 234);
    EXPECT_FLOAT_EQ(drift->getSprite()->getX(), drift->x_pos);
    EXPECT_FLOAT_EQ(drift->y_pos, 12);
}

} // namespace
} // namespace tarvex::game
