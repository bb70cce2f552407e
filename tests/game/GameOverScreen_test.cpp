#include "GameFlowFixture.hpp"
#include "game/screens/GameOverScreen.hpp"
#include "platform/Input.hpp"

namespace tarvex::game {
namespace {

class GameOverScreenTest : public testing::GameFlowTest {
protected:
    // The game-over screen straight after a game that scored `score`.
    void finishGame(std::int32_t score, std::int32_t highScore) {
        ASSERT_TRUE(runner->runUntilTitle());
        auto session = runner->game().getSessionDbService();
        session->setHighScore(highScore);
        session->setScore(score);
        runner->game().getScreenService()->switchScreen(std::make_shared<GameOverScreen>());
        runner->runFrames(1);
        ASSERT_NE(runner->findScreen<GameOverScreen>(), nullptr);
    }
};

TEST_F(GameOverScreenTest, SpaceRecordsABetterScoreAndReturnsToTheTitle) {
    finishGame(1200, 800);
    EXPECT_EQ(runner->findScreen<GameOverScreen>()->getTitleLabel()->getText(), "Game Over");
    GameRunner::tapKey(platform::KEY_SPACE);
    runner->runFrames(1);
    EXPECT_EQ(runner->game().getSessionDbService()->getHighScore(), 1200);
    EXPECT_EQ(runner->screenNames(), (std::vector<std::string>{"TitleScreen"}));
}

TEST_F(GameOverScreenTest, LowerScoreLeavesTheHighScore) {
    finishGame(500, 800);
    GameRunner::tapKey(platform::KEY_SPACE);
    runner->runFrames(1);
    EXPECT_EQ(runner->game().getSessionDbService()->getHighScore(), 800);
}

TEST_F(GameOverScreenTest, EscapeEndsTheGameWithStatusZero) {
    finishGame(0, 0);
    GameRunner::tapKey(platform::KEY_ESCAPE);
    runner->runFrames(2);
    EXPECT_EQ(runner->exitStatus(), 0);
}

} // namespace
} // namespace tarvex::game
