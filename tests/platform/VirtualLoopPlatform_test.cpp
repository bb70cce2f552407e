#include "platform/Input.hpp"
#include "platform/VirtualLoopPlatform.hpp"

#include <gtest/gtest.h>
#include <vector>

namespace tarvex::platform {
namespace {

TEST(VirtualLoopPlatform, SixtyHertzFramesAreSixteenOrSeventeenMillisecondsAndAddUp) {
    VirtualLoopPlatform platform(1000);
    auto timer = platform.createFrameTimer(60);
    std::vector<std::int64_t> deltas;
    std::int64_t last = platform.milliseconds();
    for (int frame = 0; frame < 60; ++frame) {
        timer->wait();
        deltas.push_back(platform.milliseconds() - last);
        last = platform.milliseconds();
    }
    for (const auto delta : deltas) {
        EXPECT_TRUE(delta == 16 || delta == 17) << delta;
    }
    EXPECT_EQ(platform.milliseconds(), 2000) << "60 ticks at 60 Hz are exactly one second";
}

TEST(VirtualLoopPlatform, AWaitAfterALongFrameReturnsAtOnce) {
    VirtualLoopPlatform platform;
    auto timer = platform.createFrameTimer(60);
    timer->wait();        // t = 16
    platform.advance(50); // a slow frame: t = 66, three ticks have passed
    timer->wait();
    EXPECT_EQ(platform.milliseconds(), 66) << "no time passes: the tick is already due";
    timer->wait();
    EXPECT_EQ(platform.milliseconds(), 83) << "then the next tick is waited for";
}

TEST(VirtualLoopPlatform, ScriptedKeysArriveWhenTheClockPassesTheirTime) {
    keyboard().flush();
    VirtualLoopPlatform platform;
    platform.pressKey(40, KEY_SPACE);
    platform.releaseKey(60, KEY_SPACE);
    auto timer = platform.createFrameTimer(60);
    timer->wait(); // 16
    timer->wait(); // 33
    EXPECT_FALSE(keyboard().keyDown(KEY_SPACE));
    timer->wait(); // 50
    EXPECT_TRUE(keyboard().keyDown(KEY_SPACE));
    timer->wait(); // 66
    EXPECT_FALSE(keyboard().keyDown(KEY_SPACE));
    EXPECT_EQ(keyboard().keyHit(KEY_SPACE), 1);
}

TEST(VirtualLoopPlatform, ScriptedActionsDueTogetherRunInScriptOrder) {
    VirtualLoopPlatform platform;
    std::vector<int> order;
    platform.at(10, [&] { order.push_back(2); });
    platform.at(5, [&] { order.push_back(1); });
    platform.at(10, [&] { order.push_back(3); });
    platform.advance(10);
    EXPECT_EQ(order, (std::vector<int>{1, 2, 3}));
}

TEST(VirtualLoopPlatform, TypedTextBecomesCharacters) {
    keyboard().flush();
    VirtualLoopPlatform platform;
    platform.typeText(0, "ok");
    platform.advance(0);
    EXPECT_EQ(keyboard().getChar(), 'o');
    EXPECT_EQ(keyboard().getChar(), 'k');
}

TEST(VirtualLoopPlatform, PresentCountsFramesAndCallsBack) {
    VirtualLoopPlatform platform;
    int seen = 0;
    platform.onPresent([&](int frame) { seen = frame; });
    platform.present(0);
    platform.present(0);
    EXPECT_EQ(platform.framesPresented(), 2);
    EXPECT_EQ(seen, 2);
}

} // namespace
} // namespace tarvex::platform
