#include "EnemySystemsFixture.hpp"
#include "game/components/WeaponComponents.hpp"
#include "game/components/WildlifeComponents.hpp"
#include "game/systems/BodyMovementSystem.hpp"
#include "game/systems/FishMovementSystem.hpp"

#include <cmath>
#include <numbers>

namespace tarvex::game {
namespace {

class FishMovementSystemTest : public testing::EnemySystemsTest {
protected:
    Ref<BodyMovementSystem> movement = addSystem<BodyMovementSystem>();
    Ref<FishMovementSystem> swimming = addSystem<FishMovementSystem>();

    Ref<Entity> fish(float x, float y, std::uint8_t direction, float speed) {
        auto entity = body("depthrun.objects.fish", x, y);
        bodyOf(entity)->x_velocity = speed;
        auto swimmer = std::make_shared<FishComponent>();
        swimmer->direction = direction;
        swimmer->_startX = x;
        swimmer->_startY = y;
        entity->addComponent(swimmer);
        entity->refresh();
        return entity;
    }
    [[nodiscard]] static std::string swim(const Ref<Entity>& entity) {
        return bodyOf(entity)->getSprite()->getAnimationRunner().getCurrentAnimation();
    }
};

TEST_F(FishMovementSystemTest, PatrolsFiftyUnitsEitherSideOfItsStart) {
    auto swimmer = fish(100, 150, FishComponent::DIRECTION_RIGHT, 10);
    auto* body = bodyOf(swimmer);
    auto* component = swimmer->getComponentAs<FishComponent>();
    float furthest = 0;
    while (component->direction == FishComponent::DIRECTION_RIGHT && furthest < 300) {
        furthest = std::max(furthest, body->x_pos);
        step();
    }
    EXPECT_GT(furthest, 149.5F);
    EXPECT_LE(furthest, 150.2F) << "turns once it passes 150";
    EXPECT_LT(body->x_velocity, -4.99F);
    EXPECT_GE(body->x_velocity, -10);
    EXPECT_EQ(swim(swimmer), "swim_left");
    EXPECT_LT(body->x_pos, 150) << "a step back inside its patrol";

    float nearest = 1000;
    for (int i = 0; i < 5000 && component->direction == FishComponent::DIRECTION_LEFT; ++i) {
        nearest = std::min(nearest, body->x_pos);
        step();
    }
    EXPECT_LT(nearest, 50.5F);
    EXPECT_GE(nearest, 49.8F) << "turns again once it passes 50";
    EXPECT_EQ(component->direction, FishComponent::DIRECTION_RIGHT);
    EXPECT_EQ(swim(swimmer), "swim_right");
    EXPECT_GT(body->x_velocity, 4.99F);
}

TEST_F(FishMovementSystemTest, BobsTwoUnitsAroundItsDepth) {
    auto swimmer = fish(100, 150, FishComponent::DIRECTION_LEFT, 0);
    auto* component = swimmer->getComponentAs<FishComponent>();
    component->_waveOffset = 89.95F;
    step();
    EXPECT_FLOAT_EQ(component->_waveOffset, 90.05F);
    EXPECT_NEAR(bodyOf(swimmer)->y_pos, 152, 1e-4);
    EXPECT_FLOAT_EQ(bodyOf(swimmer)->getSprite()->getY(), bodyOf(swimmer)->y_pos);
    component->_waveOffset = 269.95F;
    step();
    EXPECT_NEAR(bodyOf(swimmer)->y_pos, 148, 1e-4);
}

TEST_F(FishMovementSystemTest, SwimmingOffAnEdgeComesBackOnTheOtherSideAndTurns) {
    auto leftward = fish(-12, 120, FishComponent::DIRECTION_LEFT, 0);
    leftward->getComponentAs<FishComponent>()->_startX = 30;
    auto rightward = fish(224, 130, FishComponent::DIRECTION_RIGHT, 0);
    rightward->getComponentAs<FishComponent>()->_startX = 194;
    step();
    EXPECT_FLOAT_EQ(bodyOf(leftward)->x_pos, -12) << "not wholly off yet";
    EXPECT_FLOAT_EQ(bodyOf(rightward)->x_pos, 224);

    // Back on the far side a fish is more than 50 units from its start, so it also turns
    // round (and steps one unit back) in the same step.
    bodyOf(leftward)->setX(-12.5F);
    bodyOf(rightward)->setX(224.5F);
    step();
    auto* left = bodyOf(leftward);
    EXPECT_GE(left->x_pos, 225);
    EXPECT_LE(left->x_pos, 235);
    EXPECT_EQ(left->x_pos, std::floor(left->x_pos));
    EXPECT_EQ(leftward->getComponentAs<FishComponent>()->direction, FishComponent::DIRECTION_RIGHT);
    auto* right = bodyOf(rightward);
    EXPECT_LE(right->x_pos, -13);
    EXPECT_GE(right->x_pos, -23);
    EXPECT_EQ(rightward->getComponentAs<FishComponent>()->direction, FishComponent::DIRECTION_LEFT);
}

TEST_F(FishMovementSystemTest, DeadFishFloatsUpAndStopsAtTheSurface) {
    auto swimmer = fish(100, 120, FishComponent::DIRECTION_LEFT, 0);
    auto* body = bodyOf(swimmer);
    body->y_acceleration = -5;
    body->y_velocity = -1;
    body->y_max_velocity = 100;
    swimmer->addComponent(std::make_shared<DestroyedComponent>());
    swimmer->refresh();
    const float wave = swimmer->getComponentAs<FishComponent>()->_waveOffset;
    for (int i = 0; i < 5000 && body->y_velocity != 0; ++i) {
        step(50);
        if (body->y_pos > 71) {
            EXPECT_LT(body->y_velocity, 0);
        }
    }
    EXPECT_LE(body->y_pos, 71);
    EXPECT_GT(body->y_pos, 69);
    EXPECT_FLOAT_EQ(body->y_velocity, 0);
    EXPECT_FLOAT_EQ(body->y_acceleration, 0);
    EXPECT_FLOAT_EQ(swimmer->getComponentAs<FishComponent>()->_waveOffset, wave) << "no bobbing";
}

} // namespace
} // namespace tarvex::game
