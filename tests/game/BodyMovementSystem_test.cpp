#include "GameTestWorld.hpp"
#include "game/systems/BodyMovementSystem.hpp"

namespace tarvex::game {
namespace {

using BodyMovementSystemTest = testing::GameWorldTest;

TEST_F(BodyMovementSystemTest, AccelerationStopsAtTheSpeedLimit) {
    addSystem<BodyMovementSystem>();
    auto body = addBody();
    body->x_max_velocity = 25;
    body->x_acceleration = 100;
    world.execute(0); // the body joins the system
    world.execute(100);
    EXPECT_FLOAT_EQ(body->x_velocity, 10);
    EXPECT_FLOAT_EQ(body->x_pos, 1.0F);
    world.execute(1000);
    EXPECT_FLOAT_EQ(body->x_velocity, 25) << "clamped";
    world.execute(1000);
    EXPECT_FLOAT_EQ(body->x_velocity, 25) << "stays at the limit";
    EXPECT_FLOAT_EQ(body->x_pos, 51.0F);
    EXPECT_FLOAT_EQ(body->getSprite()->getX(), 51.0F) << "the sprite follows";
}

TEST_F(BodyMovementSystemTest, DragBringsTheBodyToRestWithoutOvershoot) {
    addSystem<BodyMovementSystem>();
    auto coasting = addBody();
    coasting->x_velocity = 25;
    coasting->x_drag = 10;
    auto backing = addBody();
    backing->x_velocity = -3;
    backing->x_drag = 10;
    world.execute(0);
    world.execute(1000);
    EXPECT_FLOAT_EQ(coasting->x_velocity, 15);
    EXPECT_FLOAT_EQ(coasting->x_pos, 15) << "moves by the velocity after drag";
    EXPECT_FLOAT_EQ(backing->x_velocity, 0) << "-3 with drag 10 stops";
    world.execute(2000);
    EXPECT_FLOAT_EQ(coasting->x_velocity, 0) << "not -5";
    EXPECT_FLOAT_EQ(coasting->x_pos, 15);
}

TEST_F(BodyMovementSystemTest, DragActsOnlyWithoutAccelerationAndOnlyAcross) {
    addSystem<BodyMovementSystem>();
    auto pushed = addBody();
    pushed->x_acceleration = 10;
    pushed->x_drag = 50;
    pushed->y_velocity = 20;
    pushed->y_drag = 50;
    world.execute(0);
    world.execute(1000);
    EXPECT_FLOAT_EQ(pushed->x_velocity, 10);
    EXPECT_FLOAT_EQ(pushed->y_velocity, 20);
    EXPECT_FLOAT_EQ(pushed->y_pos, 20);
}

TEST_F(BodyMovementSystemTest, NegativeSpeedIsClampedToMinusTheLimit) {
    EXPECT_FLOAT_EQ(BodyMovementSystem::_clampVelocity(-40, 25), -25);
    EXPECT_FLOAT_EQ(BodyMovementSystem::_clampVelocity(40, 25), 25);
    EXPECT_FLOAT_EQ(BodyMovementSystem::_clampVelocity(-40, 0), -40) << "0: no limit";
}

TEST_F(BodyMovementSystemTest, BodyWithoutSpriteStaysPut) {
    addSystem<BodyMovementSystem>();
    auto entity = world.createEntity();
    auto body = std::make_shared<BodyComponent>();
    body->x_velocity = 100;
    entity->addComponent(body);
    entity->refresh();
    world.execute(0);
    world.execute(1000);
    EXPECT_FLOAT_EQ(body->x_pos, 0);
}

} // namespace
} // namespace tarvex::game
