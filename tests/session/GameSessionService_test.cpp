#include "core/TextObject.hpp"
#include "session/GameSessionService.hpp"

#include <gtest/gtest.h>
#include <limits>

namespace tarvex {
namespace {

TEST(GameSessionService, FlagsAreTheIntegersOneAndZeroAndUnsetRemovesTheKey) {
    GameSessionService session;
    session.setFlag("x", true);
    EXPECT_TRUE(session.hasFlag("x"));
    EXPECT_EQ(session.getString("x"), "1");
    session.setInt("x", 2);
    EXPECT_FALSE(session.hasFlag("x"));
    session.setFlag("x", false);
    EXPECT_FALSE(session.hasFlag("x"));
    EXPECT_TRUE(session.hasValue("x"));
    session.unsetFlag("x");
    EXPECT_FALSE(session.hasValue("x"));
    session.set("y", nullptr);
    EXPECT_FALSE(session.hasValue("y"));
}

TEST(GameSessionService, FieldsCountFromZeroWhenAbsentOrNotANumber) {
    GameSessionService session;
    session.increaseField("a", 5);
    session.decreaseField("b", 3);
    session.set("c", TextObject::Create("many"));
    session.increaseField("c", 2);
    session.set("d", std::make_shared<Object>());
    session.increaseField("d", 7);
    EXPECT_EQ(session.getString("a"), "5");
    EXPECT_EQ(session.getString("b"), "-3");
    EXPECT_EQ(session.getInt("c"), 2);
    EXPECT_EQ(session.getInt("d"), 7);
}

TEST(GameSessionService, FieldsStopAtTheIntegerRangeInsteadOfChangingSign) {
    constexpr auto most = std::numeric_limits<std::int32_t>::max();
    constexpr auto least = std::numeric_limits<std::int32_t>::min();
    GameSessionService session;
    session.setInt("up", most - 1);
    session.increaseField("up", 5);
    session.setInt("down", least + 1);
    session.decreaseField("down", 5);
    session.decreaseField("flip", least);
    EXPECT_EQ(session.getInt("up"), most);
    EXPECT_EQ(session.getInt("down"), least);
    EXPECT_EQ(session.getInt("flip"), most);
}

TEST(GameSessionService, CopyStoresTheSameObjectAndCopiesAbsenceToo) {
    GameSessionService session;
    const auto level = std::make_shared<Object>();
    session.set("a", level);
    session.copy("a", "b");
    EXPECT_EQ(session.get("b"), level);
    session.copy("missing", "b");
    EXPECT_FALSE(session.hasValue("b"));
}

TEST(GameSessionService, ResetStartsEmptyAndReleasesTheOldValuesAtOnce) {
    GameSessionService session;
    auto value = std::make_shared<Object>();
    const std::weak_ptr<Object> alive = value;
    session.set("k", std::move(value));
    const Ref<GameSession> old = session.getSession();
    session.reset();
    EXPECT_TRUE(alive.expired()); // even though the old session is still held
    EXPECT_NE(session.getSession(), old);
    EXPECT_FALSE(session.hasValue("k"));
}

} // namespace
} // namespace tarvex
