#include "core/TextObject.hpp"
#include "platform/VirtualLoopPlatform.hpp"
#include "session/GameSession.hpp"

#include <gtest/gtest.h>

namespace tarvex {
namespace {

TEST(GameSession, OnlyTextValuesReadAsTextAndNumbers) {
    GameSession session;
    const auto plain = std::make_shared<Object>();
    session.set("level", plain);
    session.set("word", TextObject::Create("abc"));
    session.set("score", TextObject::Create("-42"));
    EXPECT_EQ(session.get("level"), plain);
    EXPECT_EQ(session.getString("level"), "");
    EXPECT_EQ(session.getInt("level"), 0);
    EXPECT_EQ(session.getInt("word"), 0);
    EXPECT_EQ(session.getInt("score"), -42);
    EXPECT_EQ(session.get("missing"), nullptr);
    EXPECT_EQ(session.getString("missing"), "");
}

class GameSessionClock : public ::testing::Test {
protected:
    void TearDown() override { platform::setLoopPlatform(nullptr); }
    std::shared_ptr<platform::VirtualLoopPlatform> useClock(std::int64_t now) {
        auto clock = std::make_shared<platform::VirtualLoopPlatform>(now);
        platform::setLoopPlatform(clock);
        return clock;
    }
};

TEST_F(GameSessionClock, PlayTimeCountsOnlyStretchesBetweenStartAndStop) {
    auto clock = useClock(1000);
    GameSession session;
    session.stop(); // never started: nothing to add
    EXPECT_EQ(session.getPlayTime(), 0);
    session.start();
    clock->advance(250);
    session.stop();
    clock->advance(100);
    session.stop(); // the same stretch is not counted twice
    EXPECT_EQ(session.getPlayTime(), 250);
    session.start();
    clock->advance(50);
    session.stop();
    EXPECT_EQ(session.getPlayTime(), 300);
}

TEST_F(GameSessionClock, PlayTimeSurvivesTheClockPassingThirtyTwoBitsAndIgnoresAClockGoingBack) {
    auto clock = useClock((std::int64_t{1} << 32) - 100);
    GameSession session;
    session.start();
    clock->advance(300);
    session.stop();
    EXPECT_EQ(session.getPlayTime(), 300);

    session.start();
    useClock(0);
    session.stop();
    EXPECT_EQ(session.getPlayTime(), 300);
}

} // namespace
} // namespace tarvex
