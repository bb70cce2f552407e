#include "GameFlowFixture.hpp"
#include "game/GameTypes.hpp"
#include "game/screens/GameOverScreen.hpp"
#include "game/screens/Overlays.hpp"
#include "game/screens/TitleScreen.hpp"
#include "platform/Input.hpp"
#include "resources/ResourceDefinition.hpp"

namespace tarvex::game {
namespace {

using GameplayScreenTest = testing::GameFlowTest;
using Names = std::vector<std::string>;

TEST_F(GameplayScreenTest, SpaceOnTheTitleStartsWithTheMissionIntroductionThenPlay) {
    ASSERT_TRUE(runner->runUntilTitle());
    GameRunner::tapKey(platform::KEY_SPACE);
    runner->runFrames(1);
    EXPECT_EQ(runner->screenNames(), (Names{"GameplayScreen", "LevelIntroOverlay"}));
    auto intro = runner->findScreen<LevelIntroOverlay>();
    ASSERT_NE(intro, nullptr);
    EXPECT_EQ(intro->getLevelLabel()->getText(), "Mission 1-1");
    EXPECT_EQ(gameplay()->getState(), GameplayScreen::STATE_LEVEL_START);
    EXPECT_EQ(gameplay()->getTimerLabel()->getText(), "3") << "the full time before play";
    EXPECT_FALSE(gameplay()->getTimer().isRunning());

    runner->runFrames(110); // under two seconds: still introducing
    EXPECT_NE(runner->findScreen<LevelIntroOverlay>(), nullptr);
    ASSERT_TRUE(runUntilState(GameplayScreen::STATE_PLAYING, 30));
    EXPECT_EQ(runner->screenNames(), (Names{"GameplayScreen"}));
    EXPECT_TRUE(gameplay()->getTimer().isRunning());
    auto* entities = runner->game().getEntityService().get();
    ASSERT_NE(entities->getEntityByTag("player"), nullptr);
    const auto* clouds = entities->getEntitiesInGroup("clouds");
    ASSERT_NE(clouds, nullptr);
    EXPECT_EQ(clouds->getSize(), 5);
    EXPECT_FALSE(gameplay()->getChargesLabel()->isVisible()) << "no charge limit on 1-1";
    EXPECT_FALSE(gameplay()->getSonarLabel()->isVisible());
}

TEST_F(GameplayScreenTest, CountdownExpiringFailsTheMissionAndShowsTheStatistics) {
    startGame();
    auto session = runner->game().getSessionDbService();
    session->increaseScore(1200);
    session->increaseChargesDropped(4);
    ASSERT_TRUE(runUntilState(GameplayScreen::STATE_LEVEL_FAILED, 200));
    EXPECT_EQ(gameplay()->getTimerLabel()->getText(), "0");
    EXPECT_EQ(runner->screenNames(), (Names{"GameplayScreen", "MissionFailedOverlay"}));

    GameRunner::tapKey(platform::KEY_SPACE); // too early: used up without effect
    runner->runFrames(5);
    EXPECT_EQ(runner->findScreen<GameOverScreen>(), nullptr);
    runner->runFrames(30);
    GameRunner::tapKey(platform::KEY_SPACE);
    runner->runFrames(1);
    EXPECT_EQ(runner->screenNames(), (Names{"GameOverScreen"}));
    auto over = runner->findScreen<GameOverScreen>();
    std::vector<std::string> texts;
    for (const auto& item : over->getRenderGroup()->getItems()) {
        texts.push_back(std::dynamic_pointer_cast<graphics::TextRenderRequest>(item)->getText());
    }
    EXPECT_EQ(texts, (Names{"Game Over", "Subs Destroyed: 0", "Charges Dropped: 4",
                            "Highest Combo: x 0", "Final Score: 1200"}));
    EXPECT_EQ(runner->game().getEntityService()->getWorld()->countEntities(), 0)
        << "leaving the game removed every entity";
    EXPECT_EQ(runner->game().getRenderingService()->getGroup("sprites"), nullptr);

    GameRunner::tapKey(platform::KEY_SPACE);
    runner->runFrames(1);
    EXPECT_EQ(runner->screenNames(), (Names{"TitleScreen"}));
    EXPECT_EQ(session->getHighScore(), 1200) << "the better score is kept";
}

TEST_F(GameplayScreenTest, WinningEveryLevelRunsThroughTheStagesToAWonGame) {
    startGame();
    std::vector<std::string> missions;
    for (int played = 0; played < 10 && !runner->findScreen<GameOverScreen>(); ++played) {
        auto level = runner->game().getSessionDbService()->getCurrentLevel<GameLevelResource>();
        missions.push_back(level->getTitle());
        winLevel();
        ASSERT_TRUE(runUntilState(GameplayScreen::STATE_LEVEL_OVER, 5)) << level->getTitle();
        ASSERT_NE(runner->findScreen<LevelCompleteOverlay>(), nullptr);
        GameRunner::tapKey(platform::KEY_SPACE);
        runner->runFrames(1);
        if (runner->findScreen<GameOverScreen>()) {
            break;
        }
        ASSERT_NE(runner->findScreen<LevelIntroOverlay>(), nullptr);
        ASSERT_TRUE(runUntilState(GameplayScreen::STATE_PLAYING, 200));
    }
    EXPECT_EQ(missions, (Names{"1-1", "1-2", "1-3", "1-4", "2-1"}))
        << "stage 4 is followed by the next level number's stage 1";
    auto over = runner->findScreen<GameOverScreen>();
    ASSERT_NE(over, nullptr);
    EXPECT_EQ(over->getTitleLabel()->getText(), "Congratulations!");
    EXPECT_TRUE(runner->game().getSessionDbService()->playerWon());
}

TEST_F(GameplayScreenTest, ChargeAllowanceEndsTheLevelAndShowsInTheDisplay) {
    startGame();
    winLevel();
    ASSERT_TRUE(runUntilState(GameplayScreen::STATE_LEVEL_OVER, 5));
    GameRunner::tapKey(platform::KEY_SPACE);
    ASSERT_TRUE(runUntilState(GameplayScreen::STATE_PLAYING, 200)); // 1-2: three charges
    EXPECT_TRUE(gameplay()->getChargesLabel()->isVisible());
    EXPECT_EQ(gameplay()->getChargesLabel()->getText(), "3 Charges Left");
    auto session = runner->game().getSessionDbService();
    session->increaseChargesDropped(2);
    runner->runFrames(1);
    EXPECT_EQ(gameplay()->getChargesLabel()->getText(), "1 Charge Left");
    EXPECT_EQ(gameplay()->getState(), GameplayScreen::STATE_PLAYING);
    session->increaseChargesDropped(1);
    runner->runFrames(1);
    EXPECT_EQ(gameplay()->getState(), GameplayScreen::STATE_LEVEL_FAILED)
        << "all charges used and none in the water, but no submarine destroyed: failed";
}

TEST_F(GameplayScreenTest, WonAndExpiredInOneFrameEndsFailed) {
    startGame();
    // Less than one frame (16 or 17 ms) left: the next frame expires the countdown.
    ASSERT_TRUE(runner->runUntil([this] { return gameplay()->getTimer().getTime() < 16; }, 200));
    ASSERT_EQ(gameplay()->getState(), GameplayScreen::STATE_PLAYING);
    winLevel();
    runner->runFrames(1);
    EXPECT_EQ(gameplay()->getState(), GameplayScreen::STATE_LEVEL_FAILED);
    EXPECT_NE(std::dynamic_pointer_cast<MissionFailedOverlay>(gameplay()->getOverlay()), nullptr);
    EXPECT_EQ(runner->screenNames(),
              (Names{"GameplayScreen", "LevelCompleteOverlay", "MissionFailedOverlay"}))
        << "the complete overlay stays on the stack";
}

TEST_F(GameplayScreenTest, EscapeOnTheLoadingScreenEndsTheGameWithStatusZero) {
    GameRunner::tapKey(platform::KEY_ESCAPE);
    runner->runFrames(5);
    EXPECT_EQ(runner->exitStatus(), 0);
    EXPECT_EQ(runner->frames(), 1) << "the frame with Escape was the last";
}

TEST_F(GameplayScreenTest, EscapeOnTheTitleEndsTheGameWithStatusZero) {
    ASSERT_TRUE(runner->runUntilTitle());
    GameRunner::tapKey(platform::KEY_ESCAPE);
    runner->runFrames(5);
    EXPECT_EQ(runner->exitStatus(), 0);
}

TEST_F(GameplayScreenTest, EscapeDuringTheIntroductionEndsTheGame) {
    ASSERT_TRUE(runner->runUntilTitle());
    GameRunner::tapKey(platform::KEY_SPACE);
    runner->runFrames(10);
    GameRunner::tapKey(platform::KEY_ESCAPE);
    runner->runFrames(5);
    EXPECT_EQ(runner->exitStatus(), 0) << "the overlay above does not take Escape away";
}

TEST(LevelIntroOverlay, ExtraRulesNameTheAllowance) {
    registerGameTypes();
    const auto rulesFor = [](const char* charges, const char* sonars) {
        auto definition = std::make_shared<ResourceDefinition>("l", "t", "", "game_level");
        definition->addField("total_charges", charges);
        definition->addField("total_sonars", sonars);
        GameLevelResource level;
        level.init(definition);
        return LevelIntroOverlay::extraRules(level);
    };
    EXPECT_EQ(rulesFor("1", "2"), "with only 1 depth charge\n\nonly 2 sonars available\n");
    EXPECT_EQ(rulesFor("5", "0"), "with only 5 depth charges\n\n");
    EXPECT_EQ(rulesFor("0", "1"), "only 1 sonar available\n");
    EXPECT_EQ(rulesFor("0", "0"), "");
    EXPECT_EQ(GameplayScreen::levelId(3, 1), "depthrun.levels.level_3_1");
}

} // namespace
} // namespace tarvex::game
