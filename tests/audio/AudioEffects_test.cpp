// The music effects step by step, with the numbers the game uses: 17 ms frames, one-second
// changes at each change of the time of day.
#include "AudioServiceTestKit.hpp"
#include "support/DebugLogCapture.hpp"

#include <charconv>
#include <cmath>
#include <gtest/gtest.h>
#include <string>

namespace tarvex {
namespace {

using testing::AudioServiceKit;
using testing::MUSIC_1;
using testing::RAMP_STEP;

std::string volumeLine(float value) {
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    return "Volume: " + std::string(buffer, end);
}

class AudioEffects : public ::testing::Test {
protected:
    AudioServiceKit kit;
    AudioService& audio = *kit.audio;
};

TEST_F(AudioEffects, FadeToHalfOverOneSecondFinishesOnThe59thFrameJustPastTheTarget) {
    audio.playMusic("t.music.one");
    const auto channel = audio.getMusicChannel();
    ASSERT_TRUE(channel);
    testing::DebugLogCapture log;
    audio.fadeMusicTo(0.5f, 1000.0f);
    ASSERT_EQ(audio.getEffects().size(), 1u);

    // Each frame takes 0.0005 per millisecond off: 0.0085 per 17 ms frame.
    float expected = 1.0f;
    for (int frame = 1; frame <= 58; ++frame) {
        audio.update(17.0f);
        expected -= 0.0005f * 17.0f;
        ASSERT_EQ(audio.getVolume(), expected) << "frame " << frame;
        ASSERT_EQ(channel->volume(), expected) << "frame " << frame;
        ASSERT_EQ(audio.getEffects().size(), 1u) << "frame " << frame << ": still running";
    }
    EXPECT_NEAR(audio.getVolume(), 0.507f, 1e-5f);
    audio.update(17.0f); // the timer falls to -3: done, with the step applied in full
    EXPECT_TRUE(audio.getEffects().empty());
    EXPECT_NEAR(audio.getVolume(), 0.4985f, 1e-5f);
    EXPECT_EQ(channel->volume(), audio.getVolume());

    ASSERT_EQ(log.lines().size(), 59u);
    EXPECT_EQ(log.lines().front(), "Volume: 0.9915");
    EXPECT_EQ(log.lines().back(), volumeLine(audio.getVolume()));

    audio.update(17.0f); // nothing runs any more
    EXPECT_NEAR(audio.getVolume(), 0.4985f, 1e-5f);
    // The music goes on, softer: real mixed samples at the new volume.
    EXPECT_TRUE(audio.isMusicPlaying());
    EXPECT_TRUE(channel->isPlaying());
    EXPECT_NEAR(kit.device->pull(4)[3], MUSIC_1 * 0.4985f, 1.0f);
}

TEST_F(AudioEffects, NightSlowsTheMusicWhileItFades) {
    audio.playMusic("t.music.ramp");
    const auto channel = audio.getMusicChannel();
    ASSERT_TRUE(channel);
    audio.fadeMusicTo(0.5f, 1000.0f);
    audio.changeRateTo(0.9f, 1000.0f);
    for (int frame = 1; frame <= 58; ++frame) {
        audio.update(17.0f);
    }
    EXPECT_EQ(audio.getEffects().size(), 2u);
    EXPECT_NEAR(audio.getRate(), 1.0f - 0.0001f * 17 * 58, 1e-5f);
    audio.update(17.0f);
    EXPECT_TRUE(audio.getEffects().empty());
    EXPECT_NEAR(audio.getRate(), 0.8997f, 1e-5f);
    EXPECT_EQ(channel->rate(), audio.getRate());

    // The ramp now advances 0.8997 frames per output frame, at half volume.
    const auto samples = kit.device->pull(101);
    EXPECT_NEAR(samples[100] - samples[0], 100 * 0.8997 * RAMP_STEP * 0.4985, 2.0);
}

TEST_F(AudioEffects, DurationOfOneFrameFinishesOnTheSecondFrameTwiceAsFar) {
    audio.playMusic("t.music.one");
    audio.fadeMusicTo(0.5f, 17.0f);
    audio.update(17.0f);
    EXPECT_EQ(audio.getVolume(), 0.5f);
    ASSERT_EQ(audio.getEffects().size(), 1u) << "its timer is exactly 0, not below";
    audio.update(17.0f);
    EXPECT_TRUE(audio.getEffects().empty());
    EXPECT_EQ(audio.getVolume(), 0.0f);
    EXPECT_TRUE(audio.isMusicPlaying()) << "a fade to silence does not stop the music";
    EXPECT_TRUE(audio.getMusicChannel()->isPlaying());
}

TEST_F(AudioEffects, NoDurationReachesTheTargetInOneFrameInsteadOfDividingByZero) {
    audio.playMusic("t.music.one");
    const auto channel = audio.getMusicChannel();
    audio.fadeMusicTo(0.25f, 0.0f);
    audio.changeRateTo(1.5f, -40.0f);
    audio.update(17.0f);
    EXPECT_TRUE(audio.getEffects().empty());
    EXPECT_EQ(audio.getVolume(), 0.25f);
    EXPECT_EQ(channel->volume(), 0.25f);
    EXPECT_EQ(audio.getRate(), 1.5f);
    EXPECT_EQ(channel->rate(), 1.5f);
}

TEST_F(AudioEffects, LaterEffectOnTheSameQuantityLeavesItsValue) {
    audio.playMusic("t.music.one");
    audio.fadeMusicTo(0.0f, 1000.0f); // 0.001 per ms down
    audio.fadeMusicTo(1.0f, 500.0f);  // from 1.0 to 1.0: stays
    audio.update(100.0f);
    EXPECT_EQ(audio.getVolume(), 1.0f);
    EXPECT_EQ(audio.getEffects().size(), 2u);
    const auto* first = dynamic_cast<const ChangeVolumeEffect*>(audio.getEffects()[0].get());
    ASSERT_NE(first, nullptr);
    EXPECT_NEAR(first->getVolume(), 0.9f, 1e-6f) << "both ran, in the order started";
    EXPECT_EQ(first->getTargetVolume(), 0.0f);
}

TEST_F(AudioEffects, EffectsNeedMusicToStartButOutliveIt) {
    audio.fadeMusicTo(0.5f, 1000.0f);
    audio.changeRateTo(0.9f, 1000.0f);
    EXPECT_TRUE(audio.getEffects().empty()) << "no music, no effect";

    audio.playMusic("t.music.one");
    const auto channel = audio.getMusicChannel();
    audio.fadeMusicTo(0.5f, 1000.0f);
    audio.update(100.0f);
    EXPECT_NEAR(channel->volume(), 0.95f, 1e-6f);
    audio.stopMusic();
    audio.update(100.0f);
    EXPECT_NEAR(audio.getVolume(), 0.9f, 1e-6f) << "the stored value keeps moving";
    EXPECT_NEAR(channel->volume(), 0.95f, 1e-6f) << "and the stopped channel hears nothing";
    EXPECT_FALSE(channel->isPlaying());

    audio.playMusic("t.music.two"); // starts at full volume and rate again
    EXPECT_EQ(audio.getVolume(), 1.0f);
    EXPECT_EQ(audio.getRate(), 1.0f);
    // The old fade runs on from its own value and now reaches the new music.
    audio.update(100.0f);
    EXPECT_NEAR(audio.getMusicChannel()->volume(), 0.85f, 1e-6f);
}

} // namespace
} // namespace tarvex
