// Data and helpers for the scenario tests: the game played through the scripted-play harness
// on the shipped resource_db or on a copy whose levels are short (three seconds, two
// submarines each: 1-1 to 1-4 and 2-1), so that whole games fit in a few thousand frames.
#pragma once

#include "game/harness/ScriptedPlay.hpp"

#include <filesystem>
#include <string>
#include <string_view>

namespace tarvex::game::testing {

[[nodiscard]] std::filesystem::path shippedResourceDb();
// The copy with short levels (made once per test run).
[[nodiscard]] std::filesystem::path shortLevelsResourceDb();

// Options on the short levels, seed 7, no window.
[[nodiscard]] harness::PlayOptions shortGame(std::int64_t frames, std::string_view keys);

// The report after playing these options to the end.
[[nodiscard]] std::string playToReport(const harness::PlayOptions& options);

// True when the report holds this text (a whole "key": value pair, say).
[[nodiscard]] bool reportHas(const std::string& report, std::string_view text);

} // namespace tarvex::game::testing
