#include "game/screens/CountdownTimer.hpp"
#include "game/screens/ScoreFormat.hpp"

#include <gtest/gtest.h>

namespace tarvex::game {
namespace {

TEST(CountdownTimer, RunsOnlyOnceStartedAndRoundsSecondsUp) {
    CountdownTimer timer;
    EXPECT_FALSE(timer.isRunning());
    timer.set(60'000);
    timer.update(500);
    EXPECT_EQ(timer.getSeconds(), 60) << "set but not started: the time stands";

    timer.start();
    timer.update(59'000);
    EXPECT_EQ(timer.getSeconds(), 1) << "one second left";
    timer.update(999);
    EXPECT_EQ(timer.getSeconds(), 1) << "the last millisecond still counts as a second";
    EXPECT_FALSE(timer.isExpired());
    timer.update(1);
    EXPECT_EQ(timer.getSeconds(), 0);
    EXPECT_FALSE(timer.isExpired()) << "exactly 0 is not yet expired";
    timer.update(16);
    EXPECT_TRUE(timer.isExpired());
    EXPECT_EQ(timer.getSeconds(), 0) << "no negative seconds shown just after expiry";

    timer.stop();
    timer.update(5000);
    EXPECT_FLOAT_EQ(timer.getTime(), -16.0F);
}

TEST(ScoreFormat, PadsToEightDigitsAndNeverCuts) {
    EXPECT_EQ(formatScore(0, 8), "00000000");
    EXPECT_EQ(formatScore(1234, 8), "00001234");
    EXPECT_EQ(formatScore(12345678, 8), "12345678");
    EXPECT_EQ(formatScore(123456789, 8), "123456789");
    EXPECT_EQ(formatScore(-50, 8), "-0000050") << "the sign stays in front";
}

} // namespace
} // namespace tarvex::game
