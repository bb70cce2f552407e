#include "GameFlowFixture.hpp"

#include "platform/Input.hpp"
#include "platform/VirtualLoopPlatform.hpp"
#include "support/ScratchDirectory.hpp"

#include <cstdlib>
#include <fstream>

namespace tarvex::game::testing {

namespace {

std::filesystem::path sourceResourceDb() {
    const char* fromEnvironment = std::getenv("TARVEX_SOURCE_DIR");
    return std::filesystem::path(fromEnvironment != nullptr ? fromEnvironment
                                                            : TARVEX_SOURCE_TREE) /
           "resource_db";
}

std::string level(int number, int stage, const char* timeOfDay, int charges, int sonars) {
    return "    [t:resource, n:level_" + std::to_string(number) + "_" + std::to_string(stage) +
           "] { type = game_level; level_number = " + std::to_string(number) +
           "; stage_number = " + std::to_string(stage) + "; time_of_day = " + timeOfDay +
           "; enemies_to_destroy = 2; time_limit = 3; total_charges = " + std::to_string(charges) +
           "; total_sonars = " + std::to_string(sonars) + "; }\n";
}

} // namespace

std::filesystem::path GameFlowTest::dataDirectory() {
    static const std::filesystem::path directory = [] {
        // Lives until the program ends, then goes with everything in it.
        static const ::tarvex::testing::ScratchDirectory scratch;
        auto target = scratch.path() / "resource_db";
        std::filesystem::copy(sourceResourceDb(), target, std::filesystem::copy_options::recursive);
        std::ofstream levels(target / "levels" / "resources.brix", std::ios::trunc);
        levels << "[resources]\n{\n    namespace = depthrun.levels;\n"
               << level(1, 1, "sunny", 0, 0) << level(1, 2, "sunny", 3, 0)
               << level(1, 3, "sunset", 0, 0) << level(1, 4, "sunset", 1, 2)
               << level(2, 1, "night", 0, 1) << "}\n";
        return target;
    }();
    return directory;
}

GameFlowTest::GameFlowTest()
    : graphicsDriver(std::make_shared<::tarvex::testing::FakeGraphicsDriver>()) {
    restart();
}

void GameFlowTest::restart() {
    runner.reset();
    GameRunnerOptions options;
    options.platform = std::make_shared<platform::VirtualLoopPlatform>();
    options.dataDirectory = dataDirectory().string();
    options.seed = 2000;
    options.graphicsDriver = graphicsDriver;
    runner = std::make_unique<GameRunner>(options);
}

GameFlowTest::~GameFlowTest() {
    runner.reset();
    platform::setGraphicsDriver(nullptr);
}

void GameFlowTest::startGame() {
    ASSERT_TRUE(runner->runUntilTitle());
    GameRunner::tapKey(platform::KEY_SPACE);
    runner->runFrames(1);
    ASSERT_TRUE(runUntilState(GameplayScreen::STATE_PLAYING));
}

Ref<GameplayScreen> GameFlowTest::gameplay() const {
    return runner->findScreen<GameplayScreen>();
}

bool GameFlowTest::runUntilState(std::uint8_t state, std::int64_t limit) {
    return runner->runUntil(
        [this, state] {
            auto screen = gameplay();
            return screen && screen->getState() == state;
        },
        limit);
}

void GameFlowTest::winLevel() const {
    runner->game().getSessionDbService()->setInt("current_level.destroyed_subs", 99);
}

} // namespace tarvex::game::testing
