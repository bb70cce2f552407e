#include "core/TypeBuilder.hpp"
#include "game/GameTypes.hpp"
#include "game/screens/SimpleTimer.hpp"
#include "support/DebugLogCapture.hpp"

#include <gtest/gtest.h>
#include <vector>

namespace tarvex::game {

// A receiver whose tick method is only reachable by name.
class TickCounter : public Object {
    TARVEX_OBJECT(TickCounter, Object)
public:
    void tick(const Ref<SimpleTimer>& timer) {
        counts.push_back(timer ? timer->getRepeatCount() : -1);
        if (dropOnTick) {
            held = nullptr; // the timer's last owner lets go during the call
        }
    }

    std::vector<int> counts;
    Ref<SimpleTimer> held;
    bool dropOnTick = false;
};

const Type& TickCounter::staticType() {
    static const Type& type =
        TypeBuilder<TickCounter>("TickCounter").method("tick", &TickCounter::tick).build();
    return type;
}

namespace {

TEST(SimpleTimer, CallsItsMethodByNameEachDelayAndStopsAtItsLimit) {
    registerGameTypes();
    TickCounter counter;
    auto timer = SimpleTimer::Create(64, 3);
    timer->onTick(&counter, "tick");
    timer->update(100);
    EXPECT_TRUE(counter.counts.empty()) << "not started";
    timer->start();
    timer->update(60);
    EXPECT_TRUE(counter.counts.empty());
    timer->update(5); // 64 ms have passed: below 0 now
    EXPECT_EQ(counter.counts, (std::vector<int>{1}));
    EXPECT_FLOAT_EQ(timer->getCurrentTime(), 63);
    timer->update(1000); // a long frame still ticks once
    EXPECT_EQ(counter.counts, (std::vector<int>{1, 2}));
    EXPECT_TRUE(timer->isRunning());
    timer->update(1000);
    EXPECT_EQ(counter.counts, (std::vector<int>{1, 2, 3}));
    EXPECT_FALSE(timer->isRunning()) << "stops itself at the repeat limit";
    timer->update(1000);
    EXPECT_EQ(counter.counts.size(), 3U);
}

TEST(SimpleTimer, SetAndExpiredReadOnlyTheirOwnTime) {
    auto timer = SimpleTimer::Create(10, 1);
    EXPECT_FALSE(timer->isExpired());
    timer->set(-1);
    EXPECT_TRUE(timer->isExpired());
    timer->start();
    timer->update(5);
    EXPECT_TRUE(timer->isExpired());
}

TEST(SimpleTimer, UnknownMethodCallsNothingAndSaysSo) {
    registerGameTypes();
    TickCounter counter;
    auto timer = SimpleTimer::Create(10, 2);
    tarvex::testing::DebugLogCapture log;
    timer->onTick(&counter, "noSuchMethod");
    EXPECT_FALSE(log.lines().empty());
    timer->start();
    timer->update(20);
    timer->update(20);
    EXPECT_TRUE(counter.counts.empty());
    EXPECT_EQ(timer->getRepeatCount(), 2);
    EXPECT_FALSE(timer->isRunning());
}

TEST(SimpleTimer, ReceiverMayDropTheTimerDuringItsTick) {
    registerGameTypes();
    TickCounter counter;
    counter.held = SimpleTimer::Create(10, 1);
    counter.dropOnTick = true;
    counter.held->onTick(&counter, "tick");
    counter.held->start();
    counter.held->update(20); // the timer outlives its own update (checked by ASan)
    EXPECT_EQ(counter.counts, (std::vector<int>{1}));
    EXPECT_FALSE(counter.held);
}

} // namespace
} // namespace tarvex::game
