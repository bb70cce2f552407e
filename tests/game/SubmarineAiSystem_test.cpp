#include "EnemySystemsFixture.hpp"
#include "core/Random.hpp"
#include "game/components/EnemyComponents.hpp"
#include "game/components/WeaponComponents.hpp"
#include "game/systems/SubmarineAiSystem.hpp"

#include <array>

namespace tarvex::game {
namespace {

class SubmarineAiSystemTest : public testing::EnemySystemsTest {
protected:
    Ref<SubmarineAiSystem> ai = addSystem<SubmarineAiSystem>();

    Ref<Entity> armed(float aggression, float x = 100, float y = 200) {
        auto sub = submarine(SubmarineComponent::DIRECTION_RIGHT, x, y);
        sub->getComponentAs<SubmarineComponent>()->aggression = aggression;
        return sub;
    }
    [[nodiscard]] std::size_t missiles() const { return with<MissileComponent>().size(); }
};

TEST_F(SubmarineAiSystemTest, DiceSumTwoSixSidedDice) {
    std::array<int, 13> seen{};
    for (int i = 0; i < 10000; ++i) {
        const auto roll = SubmarineAiSystem::rollDice();
        ASSERT_GE(roll, 0);
        ASSERT_LE(roll, 12);
        ++seen[static_cast<std::size_t>(roll)];
    }
    EXPECT_GT(seen[2], 150) << "1 in 36";
    EXPECT_GT(seen[7], 1400) << "6 in 36";
    EXPECT_GT(seen[12], 150);
}

TEST_F(SubmarineAiSystemTest, FirstMissileFliesOnTheFirstRollAtOrBelowTheAggression) {
    // Replay the dice of this seed to know the step of the first success.
    Random::seed(99);
    int expectedStep = 1;
    while (SubmarineAiSystem::rollDice() > 5) {
        ++expectedStep;
    }
    ASSERT_GT(expectedStep, 1) << "choose a seed whose first roll fails";

    Random::seed(99);
    armed(5);
    int firedAt = 0;
    for (int stepNumber = 1; stepNumber <= expectedStep + 5 && firedAt == 0; ++stepNumber) {
        step();
        if (missiles() > 0) {
            firedAt = stepNumber;
        }
    }
    EXPECT_EQ(firedAt, expectedStep);
    EXPECT_EQ(played("depthrun.sounds.firework*"), 1);
}

TEST_F(SubmarineAiSystemTest, AggressionTwelveFiresEvery2500MsAndZeroNeverFires) {
    auto eager = armed(12, 60, 200);
    auto calm = armed(0, 120, 150);
    std::vector<int> firedAt;
    for (int t = 0; t < 10000; t += 100) {
        const auto before = missiles();
        step(100);
        if (missiles() > before) {
            firedAt.push_back(t);
        }
    }
    EXPECT_EQ(firedAt, (std::vector<int>{0, 2500, 5000, 7500}));
    EXPECT_EQ(played("depthrun.sounds.firework*"), 4);
    for (const auto& missile : with<MissileComponent>()) {
        EXPECT_FLOAT_EQ(bodyOf(missile)->y_pos, 200) << "all from the eager one";
    }
}

TEST_F(SubmarineAiSystemTest, MissileRisesFromTheMiddleOfTheSubmarine) {
    auto sub = armed(12, 100, 180);
    step(); // a new submarine may fire in its first step
    const auto fired = with<MissileComponent>();
    ASSERT_EQ(fired.size(), 1U);
    auto* body = bodyOf(fired.front());
    EXPECT_EQ(body->sprite_name, "depthrun.objects.missile");
    EXPECT_EQ(body->animation_name, "depthrun.objects.missile_spin");
    EXPECT_FLOAT_EQ(body->x_pos, 116);
    EXPECT_FLOAT_EQ(body->y_pos, 180);
    EXPECT_FLOAT_EQ(body->y_velocity, 0);
    EXPECT_FLOAT_EQ(body->y_max_velocity, 15);
    EXPECT_FLOAT_EQ(body->y_acceleration, -1.5F);
    EXPECT_EQ(groupOf(fired.front()), "missiles");
    EXPECT_FLOAT_EQ(sub->getComponentAs<SubmarineComponent>()->_missileCountdown, 2500);
}

TEST_F(SubmarineAiSystemTest, HoldsFireUnlessWhollyOnScreenOrWhenDestroyed) {
    auto enteringLeft = armed(12, -0.5F);
    auto leavingRight = armed(12, 192.5F); // 224 - 32 = 192
    auto wreck = armed(12, 100);
    wreck->addComponent(std::make_shared<DestroyedComponent>());
    wreck->refresh();
    for (int i = 0; i < 100; ++i) {
        step();
    }
    EXPECT_EQ(missiles(), 0U);
    EXPECT_LT(enteringLeft->getComponentAs<SubmarineComponent>()->_missileCountdown, 0)
        << "the countdown runs off screen too";

    bodyOf(leavingRight)->setX(192);
    step();
    EXPECT_EQ(missiles(), 1U) << "at the very edge it is wholly on screen";
}

} // namespace
} // namespace tarvex::game
