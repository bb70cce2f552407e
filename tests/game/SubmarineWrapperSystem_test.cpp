#include "EnemySystemsFixture.hpp"
#include "game/components/EnemyComponents.hpp"
#include "game/components/WeaponComponents.hpp"
#include "game/systems/SubmarineWrapperSystem.hpp"

namespace tarvex::game {
namespace {

class SubmarineWrapperSystemTest : public testing::EnemySystemsTest {
protected:
    Ref<SubmarineWrapperSystem> wrapper = addSystem<SubmarineWrapperSystem>();
};

TEST_F(SubmarineWrapperSystemTest, LeftBoundSubmarineComesBackBeyondTheRightEdge) {
    for (int round = 0; round < 50; ++round) {
        auto sub = submarine(SubmarineComponent::DIRECTION_LEFT, -32, 150);
        bodyOf(sub)->x_velocity = -8;
        step();
        EXPECT_FLOAT_EQ(bodyOf(sub)->x_pos, -32) << "still touching the edge";
        bodyOf(sub)->setX(-32.5F);
        step();
        auto* body = bodyOf(sub);
        EXPECT_GE(body->x_pos, 224);
        EXPECT_LT(body->x_pos, 234);
        EXPECT_FLOAT_EQ(body->getSprite()->getX(), body->x_pos) << "the sprite goes with it";
        EXPECT_FLOAT_EQ(body->y_pos, 150);
        EXPECT_FLOAT_EQ(body->x_velocity, -8);
        entities->removeEntity(sub.get());
    }
}

TEST_F(SubmarineWrapperSystemTest, RightBoundSubmarineComesBackBeyondTheLeftEdge) {
    for (int round = 0; round < 50; ++round) {
        auto sub = submarine(SubmarineComponent::DIRECTION_RIGHT, 224, 200);
        step();
        EXPECT_FLOAT_EQ(bodyOf(sub)->x_pos, 224);
        bodyOf(sub)->setX(224.5F);
        step();
        EXPECT_LE(bodyOf(sub)->x_pos, -32);
        EXPECT_GT(bodyOf(sub)->x_pos, -42);
        EXPECT_FLOAT_EQ(bodyOf(sub)->y_pos, 200);
        entities->removeEntity(sub.get());
    }
}

TEST_F(SubmarineWrapperSystemTest, WrecksDriftingOffTheEdgeWrapToo) {
    auto wreck = submarine(SubmarineComponent::DIRECTION_LEFT, -40, 274);
    wreck->addComponent(std::make_shared<DestroyedComponent>());
    wreck->refresh();
    step();
    EXPECT_GE(bodyOf(wreck)->x_pos, 224);
}

} // namespace
} // namespace tarvex::game
