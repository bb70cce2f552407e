// The framework's one random number generator. The application seeds it once at start-up (from
// the millisecond clock); tests seed it with a fixed value to replay a run exactly.
//
//     Random::seed(1234);
//     float offset = Random::real(-2.0F, 2.0F);   // in [-2, 2)
//     int frame = Random::integer(0, 4);          // 0 to 4 inclusive
//
// Main thread only.
#pragma once

#include <cstdint>

namespace tarvex {

class Random {
public:
    Random() = delete;

    static void seed(std::uint32_t value);
    // Uniform in [low, high); low itself when the range is empty.
    [[nodiscard]] static float real(float low, float high);
    // Uniform over low to high inclusive; low when high < low.
    [[nodiscard]] static std::int32_t integer(std::int32_t low, std::int32_t high);
};

} // namespace tarvex
