// The game's flow played through the scripted-play harness: key scripts in, reports out.
#include "ScenarioData.hpp"
#include "core/Error.hpp"
#include "game/screens/GameOverScreen.hpp"
#include "game/screens/GameplayScreen.hpp"

#include <gtest/gtest.h>

namespace tarvex::game::testing {
namespace {

using harness::ScriptedPlay;

TEST(ScriptedPlay, LoadingHandsOverToTheTitleBeforeFrameZero) {
    const auto report = playToReport(shortGame(0, ""));
    EXPECT_TRUE(reportHas(report, "\"frames\": 0,")) << report;
    EXPECT_TRUE(reportHas(report, "\"screens\": [\"TitleScreen\"],")) << report;
    EXPECT_TRUE(reportHas(report, "\"gameplay\": null,")) << report;
    EXPECT_TRUE(reportHas(report, "\"exit_status\": null,")) << report;
}

TEST(ScriptedPlay, SpaceStartsTheFirstMissionsIntroductionThenPlay) {
    harness::ScriptedPlay play(shortGame(200, "10 space press\n"));
    // Frame 10 still shows the title: the key reaches the game with that frame.
    for (int i = 0; i < 10; ++i) {
        ASSERT_TRUE(play.step());
    }
    EXPECT_TRUE(reportHas(play.report(), "\"screens\": [\"TitleScreen\"]"));
    ASSERT_TRUE(play.step());
    auto report = play.report();
    EXPECT_TRUE(reportHas(report, "\"screens\": [\"GameplayScreen\", \"LevelIntroOverlay\"]"))
        << report;
    EXPECT_TRUE(reportHas(report, "\"state\": \"level_start\"")) << report;
    EXPECT_TRUE(reportHas(report, "\"current_level\": \"depthrun.levels.level_1_1\""));
    EXPECT_TRUE(reportHas(report, "\"tags\": {\"player\": 1}")) << report;
    EXPECT_TRUE(reportHas(report, "\"player\": {\"health\": 5.000, \"max_health\": 5.000, \"x\": "))
        << report;

    play.run();
    report = play.report();
    EXPECT_TRUE(reportHas(report, "\"screens\": [\"GameplayScreen\"],")) << report;
    EXPECT_TRUE(reportHas(report, "\"state\": \"playing\"")) << report;
    EXPECT_TRUE(reportHas(report, "\"countdown_running\": true")) << report;
}

TEST(ScriptedPlay, CountdownExpiringFailsTheMissionAndEndsTheGame) {
    harness::ScriptedPlay play(shortGame(1200, "0 space press\n"));
    bool failedSeen = false;
    play.setFrameHook([&](std::int64_t) {
        const auto gameplay = play.runner().findScreen<GameplayScreen>();
        if (gameplay && gameplay->getState() == GameplayScreen::STATE_LEVEL_FAILED && !failedSeen) {
            failedSeen = true;
            const auto report = play.report();
            EXPECT_TRUE(
                reportHas(report, "\"screens\": [\"GameplayScreen\", \"MissionFailedOverlay\"]"))
                << report;
            EXPECT_TRUE(reportHas(report, "\"countdown_running\": false")) << report;
        }
    });
    play.run();
    EXPECT_TRUE(failedSeen);
    const auto report = play.report();
    EXPECT_TRUE(reportHas(report, "\"screens\": [\"GameOverScreen\"],")) << report;
    EXPECT_TRUE(reportHas(report, "\"player_won\": false,")) << report;
    EXPECT_TRUE(reportHas(report, "\"destroyed_subs\": 0,")) << report;
    EXPECT_TRUE(reportHas(report, "\"charges_dropped\": 0,")) << report;
    EXPECT_TRUE(reportHas(report, "\"current_level\": \"depthrun.levels.level_1_1\"")) << report;
}

TEST(ScriptedPlay, LevelsWonRunThroughTheStagesToTheWonGame) {
    harness::ScriptedPlay play(shortGame(6000, "0 space press\n"));
    std::vector<std::string> levelsPlayed;
    play.setFrameHook([&](std::int64_t) {
        const auto gameplay = play.runner().findScreen<GameplayScreen>();
        if (!gameplay || gameplay->getState() != GameplayScreen::STATE_PLAYING) {
            return;
        }
        const auto& session = play.runner().game().getSessionDbService();
        const auto level = session->getCurrentLevel<GameLevelResource>();
        levelsPlayed.push_back(
            GameplayScreen::levelId(level->getLevelNumber(), level->getStageNumber()));
        session->setInt("current_level.destroyed_subs", level->getEnemiesToDestroy());
    });
    while (play.frame() < 6000 && !play.runner().findScreen<GameOverScreen>()) {
        ASSERT_TRUE(play.step());
    }
    const std::vector<std::string> expected{
        "depthrun.levels.level_1_1", "depthrun.levels.level_1_2", "depthrun.levels.level_1_3",
        "depthrun.levels.level_1_4", "depthrun.levels.level_2_1"};
    EXPECT_EQ(levelsPlayed, expected);
    const auto report = play.report();
    EXPECT_TRUE(reportHas(report, "\"screens\": [\"GameOverScreen\"],")) << report;
    EXPECT_TRUE(reportHas(report, "\"player_won\": true,")) << report;
}

TEST(ScriptedPlay, StartLevelOptionOpensWithThatMissionsIntroduction) {
    auto options = shortGame(2, "0 space press\n");
    options.startLevel = "1_3";
    const auto report = playToReport(options);
    EXPECT_TRUE(reportHas(report, "\"screens\": [\"GameplayScreen\", \"LevelIntroOverlay\"]"))
        << report;
    EXPECT_TRUE(reportHas(report, "\"current_level\": \"depthrun.levels.level_1_3\"")) << report;

    options.startLevel = "7_1";
    EXPECT_THROW(ScriptedPlay{options}, Error);
    options.startLevel = "seven";
    EXPECT_THROW(ScriptedPlay{options}, Error);
}

TEST(ScriptedPlay, EscapeEndsTheGameWithStatusZeroAndNoFurtherFrames) {
    for (const char* keys : {"0 escape press\n", "0 space press\n200 escape press\n"}) {
        const auto report = playToReport(shortGame(1000, keys));
        EXPECT_TRUE(reportHas(report, "\"exit_status\": 0,")) << keys << report;
        EXPECT_FALSE(reportHas(report, "\"frames\": 1000,")) << keys << report;
    }
}

} // namespace
} // namespace tarvex::game::testing
