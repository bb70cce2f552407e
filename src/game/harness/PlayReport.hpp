// The state of a game in-process as a JSON report: frames run, the screen stack, the session
// values, the gameplay state, live entities per group and tag, and the boat's health. Keys
// come in a fixed order and numbers in a fixed format, so the same game gives the same text,
// byte for byte.
#pragma once

#include "game/app/GameRunner.hpp"

#include <cstdint>
#include <string>

namespace tarvex::game::harness {

[[nodiscard]] std::string playReport(const GameRunner& runner, std::int64_t frames);

} // namespace tarvex::game::harness
