#include "platform/LoopPlatform.hpp"

#include <gtest/gtest.h>

namespace tarvex::platform {
namespace {

TEST(HeadlessLoopPlatform, ATimerOfZeroOrNegativeRateIsMadeWithoutDividingByZero) {
    HeadlessLoopPlatform platform;
    for (const int rate : {0, -5}) {
        // Ticks once a second, like the other platforms' timers; waiting is not needed here.
        EXPECT_NE(platform.createFrameTimer(rate), nullptr) << rate;
    }
}

} // namespace
} // namespace tarvex::platform
