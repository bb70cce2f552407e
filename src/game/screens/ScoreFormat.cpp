#include "game/screens/ScoreFormat.hpp"

namespace tarvex::game {

std::string formatScore(std::int32_t value, std::int32_t width) {
    std::string digits = std::to_string(value);
    // A negative score (hitting fish costs points) keeps its sign in front of the padding.
    const std::size_t signWidth = value < 0 ? 1 : 0;
    if (static_cast<std::int64_t>(digits.size()) < width) {
        digits.insert(signWidth, static_cast<std::size_t>(width) - digits.size(), '0');
    }
    return digits;
}

} // namespace tarvex::game
