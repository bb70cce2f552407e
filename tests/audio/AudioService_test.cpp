#include "AudioServiceTestKit.hpp"
#include "audio/AudioTypes.hpp"
#include "core/Random.hpp"
#include "core/TypeRegistry.hpp"
#include "support/AudioTestData.hpp"
#include "support/DebugLogCapture.hpp"

#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>
#include <map>

namespace tarvex {
namespace {

using namespace testing;

class AudioServiceTest : public ::testing::Test {
protected:
    // The first sample of a pull long enough for every test effect to end.
    std::int16_t firstOfPull() { return kit.device->pull(128)[0]; }

    AudioServiceKit kit;
    AudioService& audio = *kit.audio;
};

TEST(AudioService, KernelInjectsTheResourceServiceAndUpdatesButNeverRenders) {
    registerAudioTypes();
    const Type* type = TypeRegistry::instance().findByName("AudioService");
    ASSERT_NE(type, nullptr);
    EXPECT_TRUE(GameKernel::serviceImplements(AudioService(), "update"));
    EXPECT_FALSE(GameKernel::serviceImplements(AudioService(), "render"));

    AudioServiceKit kit;
    kit.audio->playMusic("t.music.one");
    ASSERT_TRUE(kit.audio->isMusicPlaying()) << "the injected resource service found the music";
    kit.audio->fadeMusicTo(0.5f, 1000.0f);
    kit.kernel.update(100.0f);
    EXPECT_NEAR(kit.audio->getVolume(), 0.95f, 1e-6f);

    AudioService orphan; // never added: no resource service, so nothing plays
    EXPECT_FALSE(orphan.playSoundResource("t.sounds.beep"));
    EXPECT_FALSE(orphan.playRandomSoundByName("t.sounds.*"));
}

TEST_F(AudioServiceTest, SameSoundPlayedTwiceOverlaps) {
    EXPECT_TRUE(audio.playSoundResource("t.sounds.beep"));
    EXPECT_TRUE(audio.playSoundResource("t.sounds.beep"));
    const auto samples = kit.device->pull(150);
    EXPECT_EQ(samples[0], 2 * BEEP);
    EXPECT_EQ(samples[99], 2 * BEEP);
    EXPECT_EQ(samples[100], 0) << "both ended together";
    EXPECT_FALSE(audio.isMusicPlaying()) << "effects are not music";
}

TEST_F(AudioServiceTest, RandomPickIsTrimmedAndEmptyListsPlayNothing) {
    EXPECT_FALSE(audio.playRandomSoundResource({}));
    EXPECT_TRUE(audio.playRandomSoundResource({" \tt.sounds.beep \r\n"}));
    EXPECT_EQ(firstOfPull(), BEEP);
    EXPECT_FALSE(audio.playSoundResource(""));
    EXPECT_FALSE(audio.playRandomSoundResource({"   "}));
}

TEST_F(AudioServiceTest, PatternDrawsAmongItsMatchesWithTheRandomGenerator) {
    std::map<int, int> heard;
    Random::seed(2000);
    std::vector<int> firstRun;
    for (int i = 0; i < 400; ++i) {
        ASSERT_TRUE(audio.playRandomSoundByName("t.sounds.splash*"));
        firstRun.push_back(firstOfPull());
        ++heard[firstRun.back()];
    }
    ASSERT_EQ(heard.size(), 2u) << "only splash1 and splash2 match, never xsplash1 alone";
    // Fair within five standard deviations of 400 draws at one half (sd 10).
    EXPECT_NEAR(heard[SPLASH_1], 200, 50);
    EXPECT_NEAR(heard[SPLASH_2], 200, 50);

    Random::seed(2000); // the same seed replays the same picks
    for (int i = 0; i < 400; ++i) {
        ASSERT_TRUE(audio.playRandomSoundByName("t.sounds.splash*"));
        ASSERT_EQ(firstOfPull(), firstRun[static_cast<std::size_t>(i)]) << "draw " << i;
    }

    EXPECT_TRUE(audio.playRandomSoundByName("t.sounds.?splash?")); // xsplash1 alone
    EXPECT_EQ(firstOfPull(), SPLASH_1);
    EXPECT_TRUE(audio.playRandomSoundByName("t.sounds.splash?"));
    const auto one = firstOfPull();
    EXPECT_TRUE(one == SPLASH_1 || one == SPLASH_2) << one;
}

TEST_F(AudioServiceTest, PatternsWithoutMatchesPlayNothing) {
    testing::DebugLogCapture log;
    EXPECT_FALSE(audio.playRandomSoundByName("t.sounds.explode*"));
    EXPECT_FALSE(audio.playRandomSoundByName("sounds.splash*")) << "the whole name must fit";
    EXPECT_FALSE(audio.playRandomSoundByName(""));
    EXPECT_FALSE(audio.playRandomSoundByName("t.sounds.splash\\*"));
    EXPECT_EQ(firstOfPull(), 0);
    EXPECT_TRUE(log.lines().empty());
}

TEST_F(AudioServiceTest, UnknownOrUnreadableSoundsPlayNothingAndSaySo) {
    testing::DebugLogCapture log;
    ::testing::internal::CaptureStderr(); // the resource classes tell the player once
    for (const char* name :
         {"t.sounds.nope", "t.sounds.missing", "t.sounds.truncated", "t.sounds.corrupt"}) {
        for (int attempt = 0; attempt < 2; ++attempt) {
            EXPECT_FALSE(audio.playSoundResource(name)) << name;
            EXPECT_EQ(std::count(log.lines().begin(), log.lines().end(),
                                 std::string("Could not find sound resource: ") + name),
                      attempt + 1)
                << name << ", attempt " << attempt;
        }
    }
    (void)::testing::internal::GetCapturedStderr();
    EXPECT_TRUE(log.contains("Could not load sound file: memory::audio-kit/gone.wav"));
    EXPECT_TRUE(log.contains("Could not load sound file: memory::audio-kit/corrupt.ogg"));
    EXPECT_EQ(firstOfPull(), 0);
    EXPECT_TRUE(audio.playSoundResource("t.sounds.beep")) << "the game goes on";
}

TEST_F(AudioServiceTest, MusicIsReplacedOnlyAfterStopMusic) {
    EXPECT_FALSE(audio.playMusic("t.music.one")) << "the answer is always false";
    ASSERT_TRUE(audio.isMusicPlaying());
    EXPECT_EQ(firstOfPull(), MUSIC_1);

    audio.stopMusic();
    EXPECT_FALSE(audio.isMusicPlaying());
    audio.playMusic("t.music.two");
    EXPECT_EQ(firstOfPull(), MUSIC_2);

    // Without stopMusic the first track plays on, out of reach.
    audio.playMusic("t.music.one");
    EXPECT_EQ(firstOfPull(), MUSIC_1 + MUSIC_2);
    audio.stopMusic();
    EXPECT_EQ(firstOfPull(), MUSIC_2);
    audio.stopMusic(); // nothing left to stop
    EXPECT_EQ(firstOfPull(), MUSIC_2);
}

TEST_F(AudioServiceTest, UnknownMusicLeavesTheCurrentTrackPlaying) {
    audio.playMusic("t.music.one");
    const auto channel = audio.getMusicChannel();
    ::testing::internal::CaptureStderr();
    audio.playMusic("t.music.none");
    audio.playMusic("t.sounds.missing");
    audio.playMusic("");
    (void)::testing::internal::GetCapturedStderr();
    EXPECT_EQ(audio.getMusicChannel(), channel);
    EXPECT_EQ(firstOfPull(), MUSIC_1);
}

TEST_F(AudioServiceTest, MusicThatEndsStillCountsAsPlayingUntilStopped) {
    audio.playMusic("t.sounds.beep"); // any sound may be music; this one is short
    kit.device->pull(200);
    EXPECT_FALSE(audio.getMusicChannel()->isPlaying());
    EXPECT_TRUE(audio.isMusicPlaying());
    audio.fadeMusicTo(0.5f, 100.0f);
    EXPECT_EQ(audio.getEffects().size(), 1u);
}

TEST_F(AudioServiceTest, GameMusicStreamsAndSoundsInTheFirstBuffer) {
    kit.resources->loadResourceFile(
        platform::testing::sourcePath("resource_db/music/resources.brix"), true);
    audio.playMusic("depthrun.music.title");
    ASSERT_TRUE(audio.isMusicPlaying());
    const auto& sound = audio.getMusicChannel()->sound();
    ASSERT_TRUE(sound);
    EXPECT_TRUE(sound->isStreamed());
    EXPECT_TRUE(sound->isLooped());
    const auto first = kit.device->pull(1024);
    EXPECT_TRUE(std::any_of(first.begin(), first.end(), [](auto s) { return std::abs(s) > 100; }))
        << "audible within the first device buffer";
}

TEST(AudioService, SilentDeviceAcceptsEverything) {
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    AudioServiceKit kit;
    ASSERT_TRUE(platform::selectAudioDriver("Silent"));
    AudioService& audio = *kit.audio;
    EXPECT_TRUE(audio.playSoundResource("t.sounds.beep"));
    EXPECT_TRUE(audio.playRandomSoundByName("t.sounds.splash*"));
    audio.playMusic("t.music.ramp");
    ASSERT_TRUE(audio.isMusicPlaying());
    audio.fadeMusicTo(0.5f, 1000.0f);
    audio.changeRateTo(0.9f, 1000.0f);
    for (int frame = 0; frame < 59; ++frame) {
        audio.update(17.0f);
    }
    EXPECT_NEAR(audio.getMusicChannel()->volume(), 0.4985f, 1e-5f);
    EXPECT_TRUE(platform::audioDevice()->isSilent());
    audio.stopMusic();
    EXPECT_FALSE(audio.isMusicPlaying());

    // "FreeAudio" with no sound output behaves the same.
    ASSERT_TRUE(platform::selectAudioDriver("FreeAudio"));
    audio.playMusic("t.music.one");
    EXPECT_TRUE(audio.getMusicChannel() && audio.getMusicChannel()->isPlaying());
    EXPECT_TRUE(audio.playSoundResource("t.sounds.beep"));
    audio.stopMusic();
}

} // namespace
} // namespace tarvex
