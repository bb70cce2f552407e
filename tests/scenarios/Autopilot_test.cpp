// The autopilot plays the shipped levels as a player would.
#include "ScenarioData.hpp"
#include "game/harness/Autopilot.hpp"
#include "game/screens/GameplayScreen.hpp"

#include <gtest/gtest.h>

namespace tarvex::game::testing {
namespace {

using namespace harness;

PlayOptions autopilotLevel(const std::string& level, std::uint32_t seed) {
    PlayOptions options;
    options.seed = seed;
    options.frames = 12000;
    options.keys = parseKeyScript("0 space press\n");
    options.dataDirectory = shippedResourceDb().string();
    options.startLevel = level;
    options.stopAtLevelEnd = true;
    return options;
}

TEST(Autopilot, WinsTheFirstLevel) {
    for (const std::uint32_t seed : {1U, 2U}) {
        ScriptedPlay play(autopilotLevel("1_1", seed));
        Autopilot pilot(play.runner());
        play.setFrameHook([&pilot](std::int64_t frame) { pilot.beforeFrame(frame); });
        play.run();
        EXPECT_TRUE(play.levelWon()) << "seed " << seed << "\n" << play.report();
        const auto& session = play.runner().game().getSessionDbService();
        EXPECT_GE(session->getDestroyedSubs(), 3) << "seed " << seed;
        EXPECT_GT(session->getScore(), 0) << "seed " << seed;
    }
}

TEST(Autopilot, LooksWithSonarBeforeDroppingOnANightLevel) {
    // Night submarines are invisible until a sonar pulse reveals them: a player that reads only
    // the screen has nothing to aim at before its first pulse.
    auto options = autopilotLevel("3_1", 1);
    options.frames = 1500;
    ScriptedPlay play(options);
    Autopilot pilot(play.runner());
    int sonarsWhenFirstDropped = -1;
    play.setFrameHook([&](std::int64_t frame) {
        pilot.beforeFrame(frame);
        const auto& session = play.runner().game().getSessionDbService();
        if (sonarsWhenFirstDropped < 0 && session->getChargesDroppedThisLevel() > 0) {
            sonarsWhenFirstDropped = session->getSonarsUsedThisLevel();
        }
    });
    play.run();
    ASSERT_GE(sonarsWhenFirstDropped, 0) << play.report();
    EXPECT_GE(sonarsWhenFirstDropped, 1) << play.report();
}

} // namespace
} // namespace tarvex::game::testing
