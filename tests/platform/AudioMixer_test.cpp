#include "platform/AudioMixer.hpp"
#include "support/AudioTestData.hpp"

#include <atomic>
#include <chrono>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <thread>
#include <vector>

namespace tarvex::platform {
namespace {

using testing::soundOf;

// Left samples of an int16 mix of `frames` frames.
std::vector<std::int16_t> mixLeft(AudioMixer& mixer, std::size_t frames) {
    std::vector<std::int16_t> out(frames * 2);
    mixer.mix(std::span(out));
    std::vector<std::int16_t> left;
    for (std::size_t i = 0; i < frames; ++i) {
        left.push_back(out[i * 2]);
    }
    return left;
}

std::vector<std::int16_t> ramp(int count, int step = 100) {
    std::vector<std::int16_t> samples;
    for (int i = 0; i < count; ++i) {
        samples.push_back(static_cast<std::int16_t>(i * step));
    }
    return samples;
}

TEST(AudioMixer, TheSpareLastSampleOfAnOddLengthBufferIsSilenced) {
    AudioMixer mixer(44100);
    mixer.play(soundOf({1000, 1000, 1000}));
    std::vector<std::int16_t> out(5, 777); // two whole frames and one stray sample
    mixer.mix(std::span(out));
    EXPECT_EQ(out, (std::vector<std::int16_t>{1000, 1000, 1000, 1000, 0}));
    std::vector<float> floats(5, 0.5f);
    mixer.mix(std::span(floats));
    EXPECT_EQ(floats[4], 0.0f);
}

TEST(AudioMixer, MonoSoundPlaysUnchangedOnBothSides) {
    AudioMixer mixer(44100);
    mixer.play(soundOf({1000, -2000, 32767, -32768}));
    std::vector<std::int16_t> out(8);
    mixer.mix(std::span(out));
    EXPECT_EQ(out,
              (std::vector<std::int16_t>{1000, 1000, -2000, -2000, 32767, 32767, -32768, -32768}));
}

TEST(AudioMixer, StereoSoundKeepsItsSides) {
    AudioMixer mixer(44100);
    mixer.play(soundOf({100, -100, 200, -200}, 2));
    std::vector<float> out(6, 9.0f);
    mixer.mix(std::span(out));
    EXPECT_FLOAT_EQ(out[0], 100.0f / 32768);
    EXPECT_FLOAT_EQ(out[1], -100.0f / 32768);
    EXPECT_FLOAT_EQ(out[2], 200.0f / 32768);
    EXPECT_FLOAT_EQ(out[3], -200.0f / 32768);
    EXPECT_EQ(out[4], 0.0f) << "the buffer is replaced, not added to";
    EXPECT_EQ(out[5], 0.0f);
}

TEST(AudioMixer, VolumeScalesSamples) {
    AudioMixer mixer(44100);
    auto channel = mixer.play(soundOf({1000, -3000, 8000, 8000}));
    channel->setVolume(0.5f);
    EXPECT_EQ(mixLeft(mixer, 2), (std::vector<std::int16_t>{500, -1500}));
    channel->setVolume(0.0f);
    EXPECT_EQ(mixLeft(mixer, 1), (std::vector<std::int16_t>{0}));
    EXPECT_TRUE(channel->isPlaying()) << "a silent channel still runs";
}

TEST(AudioMixer, RateTwoPlaysTwiceAsFast) {
    AudioMixer mixer(44100);
    auto channel = mixer.play(soundOf(ramp(8)));
    channel->setRate(2.0f);
    EXPECT_EQ(mixLeft(mixer, 6), (std::vector<std::int16_t>{0, 200, 400, 600, 0, 0}));
    EXPECT_FALSE(channel->isPlaying());
}

TEST(AudioMixer, RateHalfPlaysHalfAsFastInterpolating) {
    AudioMixer mixer(44100);
    auto channel = mixer.play(soundOf(ramp(4)));
    channel->setRate(0.5f);
    // The last frame is held while the position passes it.
    EXPECT_EQ(mixLeft(mixer, 8), (std::vector<std::int16_t>{0, 50, 100, 150, 200, 250, 300, 300}));
    EXPECT_FALSE(channel->isPlaying());
}

TEST(AudioMixer, SoundsAreResampledToTheOutputRate) {
    AudioMixer mixer(44100);
    auto channel = mixer.play(soundOf(ramp(2), 1, 22050));
    EXPECT_EQ(mixLeft(mixer, 4), (std::vector<std::int16_t>{0, 50, 100, 100}));
    EXPECT_FALSE(channel->isPlaying());
}

TEST(AudioMixer, LoopWrapsSeamlessly) {
    AudioMixer mixer(44100);
    auto looped = mixer.play(soundOf({10, 20, 30}, 1, 44100, true));
    EXPECT_TRUE(looped->isLooped());
    EXPECT_EQ(mixLeft(mixer, 7), (std::vector<std::int16_t>{10, 20, 30, 10, 20, 30, 10}));
    // Across calls too, and interpolating from the last frame into the first.
    looped->setRate(0.5f);
    EXPECT_EQ(mixLeft(mixer, 5), (std::vector<std::int16_t>{20, 25, 30, 20, 10}));
    EXPECT_TRUE(looped->isPlaying());
}

TEST(AudioMixer, FinishedChannelEndsAndIsReleased) {
    AudioMixer mixer(44100);
    std::weak_ptr<AudioChannel> watched;
    {
        auto channel = mixer.play(soundOf({1000, 1000}));
        watched = channel;
        EXPECT_EQ(mixLeft(mixer, 4), (std::vector<std::int16_t>{1000, 1000, 0, 0}));
        EXPECT_FALSE(channel->isPlaying());
        EXPECT_EQ(mixer.playingCount(), 0u);
    }
    EXPECT_FALSE(watched.expired()) << "the audio thread never frees memory";
    mixer.play(soundOf({1}));
    EXPECT_TRUE(watched.expired()) << "the next play drops finished channels";
}

TEST(AudioMixer, DroppedHandleKeepsPlaying) {
    AudioMixer mixer(44100);
    mixer.play(soundOf({700, 800}));
    EXPECT_EQ(mixLeft(mixer, 2), (std::vector<std::int16_t>{700, 800}));
}

TEST(AudioMixer, StopSilencesAtOnceAndForGood) {
    AudioMixer mixer(44100);
    auto channel = mixer.play(soundOf({5000, 5000, 5000, 5000}, 1, 44100, true));
    auto other = mixer.play(soundOf({100, 100, 100, 100}, 1, 44100, true));
    mixLeft(mixer, 2);
    channel->stop();
    EXPECT_FALSE(channel->isPlaying());
    EXPECT_EQ(mixLeft(mixer, 2), (std::vector<std::int16_t>{100, 100}));
    channel->setVolume(1.0f);
    EXPECT_EQ(mixLeft(mixer, 1), (std::vector<std::int16_t>{100}));
    mixer.stopAll();
    EXPECT_EQ(mixLeft(mixer, 1), (std::vector<std::int16_t>{0}));
    EXPECT_EQ(mixer.playingCount(), 0u);
}

TEST(AudioMixer, ChannelsSumAndClipInsteadOfWrapping) {
    AudioMixer mixer(44100);
    mixer.play(soundOf({1000, 30000, -30000}));
    mixer.play(soundOf({2000, 30000, -30000}));
    mixer.play(soundOf({-500, 30000, -30000}));
    EXPECT_EQ(mixLeft(mixer, 3), (std::vector<std::int16_t>{2500, 32767, -32768}));

    mixer.play(soundOf({30000}));
    mixer.play(soundOf({30000}));
    std::vector<float> out(2);
    mixer.mix(std::span(out));
    EXPECT_EQ(out[0], 1.0f);
}

TEST(AudioMixer, LongBuffersMixTheSameInBothFormats) {
    // Longer than the mixer's internal chunk, so the 16-bit path crosses chunk boundaries.
    const auto samples = ramp(3000, 7);
    AudioMixer floats(44100);
    AudioMixer shorts(44100);
    floats.play(soundOf(samples))->setRate(0.75f);
    shorts.play(soundOf(samples))->setRate(0.75f);
    std::vector<float> a(2 * 2000);
    std::vector<std::int16_t> b(2 * 2000);
    floats.mix(std::span(a));
    shorts.mix(std::span(b));
    for (std::size_t i = 0; i < a.size(); ++i) {
        ASSERT_NEAR(a[i] * 32768.0f, b[i], 0.5f) << "at sample " << i;
    }
    EXPECT_NEAR(b[2 * 1999], 1999 * 0.75 * 7, 1.0);
}

TEST(AudioMixer, HostileSettingsStaySafe) {
    AudioMixer mixer(44100);
    auto channel = mixer.play(soundOf(ramp(4), 1, 44100, true));
    channel->setVolume(std::numeric_limits<float>::quiet_NaN());
    EXPECT_EQ(channel->volume(), 0.0f);
    channel->setVolume(-2.0f);
    EXPECT_EQ(channel->volume(), 0.0f);
    channel->setVolume(1.0f);
    mixLeft(mixer, 1);

    // A rate of zero (or below) pauses: nothing sounds and the position holds.
    channel->setRate(-1.0f);
    EXPECT_EQ(channel->rate(), 0.0f);
    EXPECT_EQ(mixLeft(mixer, 2), (std::vector<std::int16_t>{0, 0}));
    channel->setRate(std::numeric_limits<float>::infinity());
    EXPECT_EQ(channel->rate(), AudioChannel::MAX_RATE);
    channel->setRate(1.0f);
    EXPECT_EQ(mixLeft(mixer, 2), (std::vector<std::int16_t>{100, 200}));
}

TEST(AudioMixer, PlayRefusesMissingOrEmptySounds) {
    AudioMixer mixer(44100);
    EXPECT_EQ(mixer.play(nullptr), nullptr);
    EXPECT_EQ(mixer.play(soundOf({})), nullptr);
    EXPECT_EQ(mixer.play(std::make_shared<Sound>()), nullptr);
}

TEST(AudioMixer, MainThreadMayPlayAndStopWhileTheAudioThreadMixes) {
    AudioMixer mixer(44100);
    const auto sound = soundOf(ramp(64), 1, 44100, true);
    std::atomic<bool> done{false};
    std::thread audio([&] {
        std::vector<std::int16_t> out(2 * 256);
        while (!done) {
            mixer.mix(std::span(out));
            // A device asks for the next buffer a few milliseconds later; mixing without a pause
            // could starve the main thread of the mixer's lock under a slow sanitizer build.
            std::this_thread::sleep_for(std::chrono::microseconds(100));
        }
    });
    for (int i = 0; i < 2000; ++i) {
        auto channel = mixer.play(sound);
        channel->setVolume(0.5f);
        channel->setRate(1.5f);
        if (i % 2 == 0) {
            channel->stop();
        }
    }
    done = true;
    audio.join();
    EXPECT_EQ(mixer.playingCount(), 1000u);
}

} // namespace
} // namespace tarvex::platform
