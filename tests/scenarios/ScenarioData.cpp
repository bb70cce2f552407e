#include "ScenarioData.hpp"

#include "support/ScratchDirectory.hpp"

#include <cstdlib>
#include <fstream>

namespace tarvex::game::testing {

namespace {

std::string level(int number, int stage, const char* timeOfDay) {
    return "    [t:resource, n:level_" + std::to_string(number) + "_" + std::to_string(stage) +
           "] { type = game_level; level_number = " + std::to_string(number) +
           "; stage_number = " + std::to_string(stage) + "; time_of_day = " + timeOfDay +
           "; enemies_to_destroy = 2; time_limit = 3; total_charges = 0; total_sonars = 0; }\n";
}

} // namespace

std::filesystem::path shippedResourceDb() {
    const char* fromEnvironment = std::getenv("TARVEX_SOURCE_DIR");
    return std::filesystem::path(fromEnvironment != nullptr ? fromEnvironment
                                                            : TARVEX_SOURCE_TREE) /
           "resource_db";
}

std::filesystem::path shortLevelsResourceDb() {
    static const std::filesystem::path directory = [] {
        // Lives until the program ends, then goes with everything in it.
        static const ::tarvex::testing::ScratchDirectory scratch;
        auto target = scratch.path() / "resource_db";
        std::filesystem::copy(shippedResourceDb(), target,
                              std::filesystem::copy_options::recursive);
        std::ofstream levels(target / "levels" / "resources.brix", std::ios::trunc);
        levels << "[resources]\n{\n    namespace = depthrun.levels;\n"
               << level(1, 1, "sunny") << level(1, 2, "sunny") << level(1, 3, "sunset")
               << level(1, 4, "sunset") << level(2, 1, "night") << "}\n";
        return target;
    }();
    return directory;
}

harness::PlayOptions shortGame(std::int64_t frames, std::string_view keys) {
    harness::PlayOptions options;
    options.seed = 7;
    options.frames = frames;
    options.keys = harness::parseKeyScript(keys);
    options.dataDirectory = shortLevelsResourceDb().string();
    return options;
}

std::string playToReport(const harness::PlayOptions& options) {
    harness::ScriptedPlay play(options);
    play.run();
    return play.report();
}

bool reportHas(const std::string& report, std::string_view text) {
    return report.find(text) != std::string::npos;
}

} // namespace tarvex::game::testing
