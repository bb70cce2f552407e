#include "core/Random.hpp"

#include <cmath>
#include <random>

namespace tarvex {
namespace {

std::mt19937& generator() {
    static std::mt19937 engine(5489U);
    return engine;
}

} // namespace

void Random::seed(std::uint32_t value) {
    generator().seed(value);
}

float Random::real(float low, float high) {
    if (!(high > low)) {
        return low;
    }
    // generate_canonical can round up to 1.0 in float; draw in double and clamp below high.
    const double unit = std::generate_canonical<double, 32>(generator());
    const auto value = static_cast<float>(low + (high - low) * unit);
    return value < high ? value : std::nextafter(high, low);
}

std::int32_t Random::integer(std::int32_t low, std::int32_t high) {
    if (high < low) {
        return low;
    }
    return std::uniform_int_distribution<std::int32_t>(low, high)(generator());
}

} // namespace tarvex
