#include "GameFlowFixture.hpp"
#include "core/Bag.hpp"
#include "game/components/BodyComponent.hpp"
#include "platform/Input.hpp"

#include <cmath>
#include <string>

namespace tarvex::game {
namespace {

// The music's volume and rate move in steps of whole frames and stop after the frame that
// passes the second, so they land within a frame's step or so of their target.
constexpr float MUSIC_STEP_TOLERANCE = 0.01F;

// The shortened levels: 1-1 and 1-2 sunny, 1-3 and 1-4 sunset, 2-1 night.
class GameplayScreenTimeOfDayTest : public testing::GameFlowTest {
protected:
    // Wins the level being played and runs until the next one is being played.
    void playNextLevel() {
        winLevel();
        ASSERT_TRUE(runUntilState(GameplayScreen::STATE_LEVEL_OVER, 5));
        GameRunner::tapKey(platform::KEY_SPACE);
        ASSERT_TRUE(runUntilState(GameplayScreen::STATE_PLAYING, 200));
    }

    // Frames until the running transition has finished; its timer.
    Ref<SimpleTimer> runTransition() {
        auto screen = gameplay();
        auto timer = screen->getTimeOfDayTransition();
        EXPECT_TRUE(timer);
        EXPECT_TRUE(runner->runUntil([&] { return !screen->getTimeOfDayTransition(); }, 200));
        return timer;
    }

    [[nodiscard]] Ref<platform::Image> image(const std::string& id) const {
        return runner->game().getResourceService()->getImage(id);
    }

    [[nodiscard]] const Bag<Entity>* group(const char* name) const {
        return runner->game().getEntityService()->getEntitiesInGroup(name);
    }

    // The sprite alphas of a group's bodies.
    [[nodiscard]] std::vector<float> alphas(const char* name) const {
        std::vector<float> result;
        const Bag<Entity>* entities = group(name);
        for (std::int32_t i = 0; entities != nullptr && i < entities->getSize(); ++i) {
            const auto* body = entities->get(i)->getComponentAs<BodyComponent>();
            if (body != nullptr && body->getSprite()) {
                result.push_back(body->getSprite()->getAlpha());
            }
        }
        return result;
    }

    [[nodiscard]] std::int32_t groupSize(const char* name) const {
        const Bag<Entity>* entities = group(name);
        return entities != nullptr ? entities->getSize() : 0;
    }
};

TEST_F(GameplayScreenTimeOfDayTest, SunsetCrossFadesInTwentyNineTicksAndQuietensTheMusic) {
    startGame();
    playNextLevel(); // 1-2, still sunny: nothing changes
    EXPECT_FALSE(gameplay()->getTimeOfDayTransition());
    playNextLevel(); // 1-3, sunset
    auto screen = gameplay();
    EXPECT_EQ(screen->getCurrentTimeOfDay(), GameLevelResource::LEVEL_TYPE_SUNSET);
    ASSERT_TRUE(screen->getTimeOfDayTransition());
    EXPECT_TRUE(screen->getSkyTransition()->isVisible());
    EXPECT_EQ(screen->getSkyTransition()->getImage(), image("depthrun.backgrounds.sunset.sky"));
    EXPECT_EQ(screen->getSeaTransition()->getImage(), image("depthrun.backgrounds.sunset.sea"));
    EXPECT_FALSE(screen->getMoon()->isVisible()) << "the moon rises only at night";
    EXPECT_EQ(groupSize("cloud_transitions"), 5);

    // Half-way, the incoming clouds are coming in as the old ones go.
    auto timer = screen->getTimeOfDayTransition();
    ASSERT_TRUE(runner->runUntil([&] { return timer->getRepeatCount() == 14; }, 100));
    const float cloudStep = 0.75F / 29;
    for (float alpha : alphas("cloud_transitions")) {
        EXPECT_NEAR(alpha, 14 * cloudStep, 1e-5);
    }
    for (float alpha : alphas("clouds")) {
        EXPECT_NEAR(alpha, 0.75F - 14 * cloudStep, 1e-5);
    }
    EXPECT_NEAR(screen->getSkyTransition()->getAlpha(), 14.0F / 29, 1e-5);

    const auto finished = runTransition();
    EXPECT_EQ(finished->getRepeatCount(), 29) << "the 30-tick limit is never reached";
    EXPECT_FLOAT_EQ(screen->getSkyTransition()->getAlpha(), 1.0000001F);
    EXPECT_GT(screen->getSkyTransition()->getAlpha(), 1.0F);
    EXPECT_FALSE(screen->getSkyTransition()->isVisible());
    EXPECT_FALSE(screen->getSeaTransition()->isVisible());
    EXPECT_EQ(screen->getSky()->getImage(), image("depthrun.backgrounds.sunset.sky"));
    EXPECT_EQ(screen->getSea()->getImage(), image("depthrun.backgrounds.sunset.sea"));
    EXPECT_TRUE(screen->getMoon()->isVisible()) << "shown from sunset on, faded to nothing";
    EXPECT_NEAR(screen->getMoon()->getAlpha(), 0, 1e-6);
    for (float alpha : alphas("clouds")) {
        EXPECT_FLOAT_EQ(alpha, 0.75F);
    }
    runner->runFrames(1);
    EXPECT_EQ(groupSize("cloud_transitions"), 0) << "the copies are deleted";

    // The music has had more than a second to reach the sunset's volume.
    const auto& audio = runner->game().getAudioService();
    EXPECT_NEAR(audio->getVolume(), 0.8F, MUSIC_STEP_TOLERANCE);
    EXPECT_NEAR(audio->getRate(), 1.0F, MUSIC_STEP_TOLERANCE);
}

TEST_F(GameplayScreenTimeOfDayTest, NightBringsTheMoonAndSlowsTheMusicAndDayTakesItAway) {
    startGame();
    playNextLevel(); // 1-2
    playNextLevel(); // 1-3, sunset
    runTransition();
    playNextLevel(); // 1-4, sunset again: no transition
    EXPECT_FALSE(gameplay()->getTimeOfDayTransition());
    playNextLevel(); // 2-1, night
    auto screen = gameplay();
    EXPECT_TRUE(screen->getMoon()->isVisible());
    EXPECT_FLOAT_EQ(screen->getMoon()->getAlpha(), 0);
    EXPECT_EQ(runTransition()->getRepeatCount(), 29);
    EXPECT_EQ(screen->getSky()->getImage(), image("depthrun.backgrounds.night.sky"));
    EXPECT_TRUE(screen->getMoon()->isVisible());
    EXPECT_NEAR(screen->getMoon()->getAlpha(), 1.0F, 1e-6);
    const auto& audio = runner->game().getAudioService();
    EXPECT_NEAR(audio->getVolume(), 0.5F, MUSIC_STEP_TOLERANCE);
    EXPECT_NEAR(audio->getRate(), 0.9F, MUSIC_STEP_TOLERANCE);

    // Back to day (as after the last night level of a longer game): the moon fades out and goes.
    runner->game().getSessionDbService()->set(
        "current_level",
        runner->game().getResourceService()->get(GameplayScreen::levelId(1, 1), false));
    screen->changeTimeOfDay();
    EXPECT_EQ(runTransition()->getRepeatCount(), 29);
    EXPECT_FALSE(screen->getMoon()->isVisible());
    EXPECT_NEAR(screen->getMoon()->getAlpha(), 0, 1e-6);
    EXPECT_EQ(screen->getSky()->getImage(), image("depthrun.backgrounds.day.sky"));
    runner->runFrames(70); // the music's changes take a second
    EXPECT_NEAR(audio->getVolume(), 1.0F, MUSIC_STEP_TOLERANCE);
    EXPECT_NEAR(audio->getRate(), 1.0F, MUSIC_STEP_TOLERANCE);
}

} // namespace
} // namespace tarvex::game
