#include "graphics/ImageSprite.hpp"
#include "support/TestAnimations.hpp"

#include <gtest/gtest.h>

namespace tarvex::graphics {
namespace {

using ::tarvex::testing::animationResource;

Ref<ImageSprite> animated(const std::string& keys, const std::string& frames,
                          const std::string& play) {
    auto sprite = std::make_shared<ImageSprite>();
    sprite->setAnimation(animationResource(keys, frames));
    sprite->play(play, 1.0F);
    return sprite;
}

TEST(SpriteAnimationHandler, SixteenMillisecondUpdatesCarryTheRemainderIntoTheNextFrame) {
    auto sprite = animated("loop = forever; frame_time = 100;", "swim = 0, 1, 2, 1;", "swim");
    std::vector<int> changedAt;
    std::vector<int> frames;
    int previous = sprite->getFrame();
    for (int update = 1; update <= 32; ++update) {
        sprite->update(16);
        if (sprite->getFrame() != previous) {
            changedAt.push_back(update);
            frames.push_back(sprite->getFrame());
            previous = sprite->getFrame();
        }
    }
    EXPECT_EQ(changedAt, (std::vector<int>{7, 13, 19, 25, 32}));
    EXPECT_EQ(frames, (std::vector<int>{1, 2, 1, 0, 1}));
    EXPECT_FALSE(sprite->isAnimationFinished());
}

TEST(SpriteAnimationHandler, OnePassHoldsTheLastFrameAndFinishes) {
    for (const char* loop : {"loop = 1;", ""}) {
        auto sprite = animated(std::string(loop) + " frame_time = 10;", "pop = 4, 5, 6;", "pop");
        for (int i = 0; i < 10; ++i) {
            sprite->update(10);
        }
        EXPECT_EQ(sprite->getFrame(), 6) << loop;
        EXPECT_TRUE(sprite->isAnimationFinished()) << loop;
    }
    auto twice = animated("loop = 2; frame_time = 10;", "pop = 4, 5;", "pop");
    std::vector<int> frames;
    for (int i = 0; i < 5; ++i) {
        twice->update(10);
        frames.push_back(twice->getFrame());
    }
    EXPECT_EQ(frames, (std::vector<int>{5, 4, 5, 5, 5}));
}

TEST(SpriteAnimationHandler, ALongUpdateAdvancesOneFrameAndKeepsTheRest) {
    auto sprite = animated("loop = forever; frame_time = 100;", "run = 0, 1, 2, 3;", "run");
    sprite->update(350);
    EXPECT_EQ(sprite->getFrame(), 1);
    sprite->update(0);
    EXPECT_EQ(sprite->getFrame(), 2) << "250 ms were kept";
}

TEST(SpriteAnimationHandler, PlayingTheSameNameAgainDoesNotRestartEvenWhenFinished) {
    auto sprite = animated("frame_time = 10;", "pop = 1, 2; idle = 7;", "pop");
    sprite->update(10);
    sprite->play("pop", 1.0F);
    EXPECT_EQ(sprite->getFrame(), 2) << "undisturbed";
    sprite->update(10);
    EXPECT_TRUE(sprite->isAnimationFinished());
    sprite->play("pop", 1.0F);
    EXPECT_TRUE(sprite->isAnimationFinished());
    sprite->play("idle", 1.0F);
    sprite->update(1);
    EXPECT_EQ(sprite->getFrame(), 7);
}

TEST(SpriteAnimationHandler, UnknownNamesAndMissingResourcesLeaveTheFrameAlone) {
    auto sprite = animated("frame_time = 10;", "pop = 1, 2;", "dive");
    sprite->setFrame(3);
    sprite->update(50);
    EXPECT_EQ(sprite->getFrame(), 3);
    auto bare = std::make_shared<ImageSprite>();
    bare->play("pop", 1.0F);
    bare->setFrame(2);
    bare->update(50);
    EXPECT_EQ(bare->getFrame(), 2);
}

TEST(SpriteAnimationHandler, FrameTimeCanBeOverriddenAndStopHolds) {
    auto sprite = animated("loop = forever; frame_time = 100;", "a = 0, 1, 2;", "a");
    sprite->setFrameTime(10);
    sprite->update(10);
    EXPECT_EQ(sprite->getFrame(), 1);
    sprite->stopAnimation();
    sprite->update(10);
    EXPECT_EQ(sprite->getFrame(), 1);
    EXPECT_TRUE(sprite->isAnimationFinished());
}

} // namespace
} // namespace tarvex::graphics
