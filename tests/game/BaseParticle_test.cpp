#include "core/Random.hpp"
#include "game/GameTypes.hpp"
#include "game/particles/BaseParticle.hpp"

#include <cmath>
#include <gtest/gtest.h>
#include <set>
#include <tuple>

namespace tarvex::game {
namespace {

// Updates until the particle destroys itself (at most `limit` updates); the count of updates.
int updatesUntilDestroyed(BaseParticle& particle, float delta, int limit = 1000) {
    for (int update = 1; update <= limit; ++update) {
        particle.update(delta);
        if (particle.isDeleted()) {
            return update;
        }
    }
    return -1;
}

TEST(BaseParticle, MovesLikeABodyAccelerateClampDragMove) {
    BaseParticle particle;
    particle.x_velocity = 25;
    particle.x_drag = 10;
    particle.update(1000);
    EXPECT_FLOAT_EQ(particle.x_velocity, 15);
    EXPECT_FLOAT_EQ(particle.x_pos, 15);
    particle.update(2000);
    EXPECT_FLOAT_EQ(particle.x_velocity, 0) << "drag stops at rest, not at -5";

    BaseParticle falling;
    falling.y_acceleration = 100;
    falling.y_max_velocity = 30;
    falling.x_velocity = -3;
    falling.x_drag = 10;
    falling.update(1000);
    EXPECT_FLOAT_EQ(falling.y_velocity, 30);
    EXPECT_FLOAT_EQ(falling.y_pos, 30);
    EXPECT_FLOAT_EQ(falling.x_velocity, 0);
    falling.y_acceleration = -500;
    falling.update(1000);
    EXPECT_FLOAT_EQ(falling.y_velocity, -30) << "a negative velocity is clamped to minus the limit";
}

TEST(BubbleParticle, RisesTenUnitsASecondAndBurstsAtTheSurface) {
    Random::seed(7);
    BubbleParticle bubble;
    bubble.x_pos = 50;
    bubble.y_pos = 100;
    bubble.onEmit();
    EXPECT_EQ(std::tie(bubble.colorRed, bubble.colorGreen, bubble.colorBlue),
              std::make_tuple(133, 176, 203));
    EXPECT_EQ(bubble.getWobbleDistance(), 2);
    // 100 ms per update: one unit up each time, the surface line 28 units above.
    for (int update = 1; update <= 27; ++update) {
        bubble.update(100);
        ASSERT_FALSE(bubble.isDeleted()) << "update " << update;
        EXPECT_LE(std::fabs(bubble.x_pos - 50), 2.0F) << "sways around its spawn column";
    }
    EXPECT_NEAR(bubble.y_pos, 73, 1e-3);
    bubble.update(100);
    EXPECT_TRUE(bubble.isDeleted());
}

TEST(FireParticle, FadesFromHalfAlphaAndGoesInTheHundredAndFirstUpdate) {
    Random::seed(3);
    std::set<std::tuple<int, int, int>> colours;
    for (int i = 0; i < 60; ++i) {
        FireParticle fire;
        fire.onEmit();
        colours.emplace(fire.colorRed, fire.colorGreen, fire.colorBlue);
    }
    const std::set<std::tuple<int, int, int>> expected = {
        {255, 255, 0}, {255, 128, 64}, {255, 0, 0}};
    EXPECT_EQ(colours, expected);

    FireParticle fire;
    fire.y_pos = 60;
    fire.onEmit();
    EXPECT_FLOAT_EQ(fire.getAlpha(), 0.5F);
    EXPECT_FLOAT_EQ(fire.y_velocity, -15);
    EXPECT_EQ(fire.getWobbleDistance(), 3);
    EXPECT_EQ(updatesUntilDestroyed(fire, 16), 101);
}

TEST(SmokeParticle, IsDarkGreyAndGoesInTheTwoHundredAndFirstUpdate) {
    SmokeParticle smoke;
    smoke.onEmit();
    EXPECT_EQ(std::tie(smoke.colorRed, smoke.colorGreen, smoke.colorBlue),
              std::make_tuple(0x48, 0x48, 0x48));
    EXPECT_FLOAT_EQ(smoke.getAlpha(), 1.0F);
    EXPECT_EQ(updatesUntilDestroyed(smoke, 16), 201);
}

TEST(WaterSplashParticle, IsThrownUpAndGoesWhenItFallsBackToTheSea) {
    Random::seed(11);
    for (int i = 0; i < 20; ++i) {
        WaterSplashParticle drop;
        drop.x_pos = 100;
        drop.y_pos = 71;
        drop.onEmit();
        EXPECT_GT(drop.getAlpha(), 0.5F);
        EXPECT_LE(drop.getAlpha(), 1.0F);
        EXPECT_GE(drop.x_velocity, -10);
        EXPECT_LT(drop.x_velocity, 10);
        EXPECT_GE(drop.y_velocity, -50);
        EXPECT_LT(drop.y_velocity, -30);
        EXPECT_GE(drop.y_acceleration, 100);
        EXPECT_LT(drop.y_acceleration, 120);
        float highest = drop.y_pos;
        int updates = 0;
        while (!drop.isDeleted() && updates < 1000) {
            drop.update(16);
            highest = std::min(highest, drop.y_pos);
            ++updates;
        }
        EXPECT_LT(highest, 68) << "rises first";
        EXPECT_GE(drop.y_pos, BaseParticle::SEA_SURFACE_Y) << "gone on falling back";
        EXPECT_GT(drop.getAlpha(), 0) << "back at the sea before it fades";
    }
}

TEST(BaseParticle, ColourFromHexTextAndWhiteForAnythingElse) {
    BaseParticle particle;
    particle.setColorHex("#FF8040");
    EXPECT_EQ(std::tie(particle.colorRed, particle.colorGreen, particle.colorBlue),
              std::make_tuple(255, 128, 64));
    particle.setColorHex("nonsense");
    EXPECT_EQ(std::tie(particle.colorRed, particle.colorGreen, particle.colorBlue),
              std::make_tuple(255, 255, 255));
}

} // namespace
} // namespace tarvex::game
