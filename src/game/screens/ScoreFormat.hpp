// Scores as the head-up display shows them: decimal digits left-padded with "0" to the width
// (8 in the game); longer numbers are shown in full, never cut.
//
//     formatScore(1234, 8);   // "00001234"
#pragma once

#include <cstdint>
#include <string>

namespace tarvex::game {

[[nodiscard]] std::string formatScore(std::int32_t value, std::int32_t width);

} // namespace tarvex::game
