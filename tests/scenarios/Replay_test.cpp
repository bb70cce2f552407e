// Replays and determinism: a game recorded as `depthrun --record` records it replays in the
// harness to the same report, and a fixed seed and script always give the same game.
#include "ScenarioData.hpp"
#include "game/harness/KeyRecorder.hpp"
#include "game/harness/RecordedGame.hpp"
#include "platform/Input.hpp"
#include "platform/VirtualLoopPlatform.hpp"
#include "support/ScratchDirectory.hpp"
#include "support/TestGraphics.hpp"

#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

namespace tarvex::game::testing {
namespace {

using namespace harness;

TEST(KeyRecorder, RecordedGameReplaysToTheSameReport) {
    // Keys arrive whenever the player presses them, in the middle of a frame's wait, and held
    // keys repeat as they do on a desktop.
    auto keys = std::make_shared<platform::VirtualLoopPlatform>();
    keys->tapKey(2003, platform::KEY_SPACE);
    keys->pressKey(4511, platform::KEY_LEFT);
    keys->at(4600, [] { platform::deliverKeyDown(platform::KEY_LEFT, true); });
    keys->releaseKey(5230, platform::KEY_LEFT);
    keys->pressKey(5230, platform::KEY_RIGHT);
    keys->tapKey(5800, platform::KEY_SPACE);
    keys->releaseKey(6001, platform::KEY_RIGHT);
    keys->tapKey(6400, platform::KEY_SPACE);
    keys->tapKey(6900, platform::KEY_S);
    keys->tapKey(9000, platform::KEY_ESCAPE);

    auto driver = std::make_shared<::tarvex::testing::FakeGraphicsDriver>();
    GameRunnerOptions options;
    options.platform = keys;
    options.dataDirectory = shippedResourceDb().string();
    options.graphicsDriver = driver;
    KeyRecorder recorder(4242);
    std::string recordedReport;
    const auto status = recordGame(options, recorder, &recordedReport);
    platform::setGraphicsDriver(nullptr);
    ASSERT_EQ(status, 0);

    const ::tarvex::testing::ScratchDirectory scratch;
    const std::string file = (scratch.path() / "recorded.keys").string();
    recorder.save(file);
    const auto script = loadKeyScript(file);
    EXPECT_EQ(script.seed, 4242U);
    ASSERT_EQ(script.events.size(), 13U); // the repeat is left out
    EXPECT_EQ(formatKeyEvent(script.events.front())
                  .substr(formatKeyEvent(script.events.front()).find(' ')),
              " space down");

    PlayOptions replay;
    replay.seed = *script.seed;
    replay.keys = script;
    replay.frames = 100000;
    replay.dataDirectory = options.dataDirectory;
    const auto replayedReport = playToReport(replay);
    EXPECT_EQ(replayedReport, recordedReport);
    EXPECT_TRUE(reportHas(replayedReport, "\"exit_status\": 0,")) << replayedReport;
    EXPECT_TRUE(reportHas(replayedReport, "\"state\": \"playing\"")) << replayedReport;
}

// The shipped game, seed 11, a short script of play: the report after 1500 frames is kept in
// tests/scenarios/data/golden-seed-11.json. When a change to the rules changes it on purpose,
// run the test with TARVEX_UPDATE_GOLDEN=1 to write the new report, and look at the
// difference before committing it.
TEST(ScriptedPlay, SameSeedAndKeysGiveTheGoldenReport) {
    PlayOptions options;
    options.seed = 11;
    options.frames = 1500;
    options.dataDirectory = shippedResourceDb().string();
    options.keys = parseKeyScript("0 space press\n300 left down\n380 left up\n400 space press\n"
                                  "430 space press\n500 right down\n640 right up\n"
                                  "700 space press\n760 space press\n900 s press\n");
    const auto first = playToReport(options);
    EXPECT_EQ(playToReport(options), first);

    const auto golden = std::filesystem::path(TARVEX_SOURCE_TREE) / "tests" / "scenarios" / "data" /
                        "golden-seed-11.json";
    const char* update = std::getenv("TARVEX_UPDATE_GOLDEN");
    if (update != nullptr && std::string(update) == "1") {
        std::ofstream(golden, std::ios::binary | std::ios::trunc) << first;
    }
    std::ifstream in(golden, std::ios::binary);
    ASSERT_TRUE(in) << "missing " << golden;
    const std::string expected{std::istreambuf_iterator<char>(in),
                               std::istreambuf_iterator<char>()};
    EXPECT_EQ(first, expected);
}

} // namespace
} // namespace tarvex::game::testing
