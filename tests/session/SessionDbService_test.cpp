#include "core/TextObject.hpp"
#include "core/TypeBuilder.hpp"
#include "core/TypeRegistry.hpp"
#include "kernel/GameKernel.hpp"
#include "session/SessionDbService.hpp"
#include "session/SessionTypes.hpp"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace tarvex {
namespace {

// Stands in for the game's level resource, which lives above the session layer.
class TestLevel : public Object {
    TARVEX_OBJECT(TestLevel, Object)
};
class TestBonusLevel : public TestLevel {
    TARVEX_OBJECT(TestBonusLevel, TestLevel)
};

} // namespace

const Type& TestLevel::staticType() {
    static const Type& type = TypeBuilder<TestLevel>("GameLevelResource").build();
    return type;
}
const Type& TestBonusLevel::staticType() {
    static const Type& type = TypeBuilder<TestBonusLevel>("TestBonusLevel").build();
    return type;
}

namespace {

// Sees every integer write, to check the order in which the resets write their keys (a
// subclass overriding setInt observes exactly this).
class RecordingSessionDb : public SessionDbService {
public:
    void setInt(std::string_view key, std::int32_t value) override {
        writes.push_back(std::string(key) + "=" + std::to_string(value));
        SessionDbService::setInt(key, value);
    }
    std::vector<std::string> writes;
};

TEST(SessionDbService, ResetsWriteZeroToTheirKeysInOrder) {
    RecordingSessionDb db;
    db.resetGameplayState();
    EXPECT_EQ(db.writes,
              (std::vector<std::string>{"player_won=0", "highest_combo=0", "charges_dropped=0",
                                        "destroyed_subs=0", "score=0"}));
    db.writes.clear();
    db.resetCurrentLevelState();
    EXPECT_EQ(db.writes, (std::vector<std::string>{
                             "current_level.destroyed_subs=0", "current_level.used_charges=0",
                             "current_level.used_sonars=0", "current_level.destroyed_subs=0",
                             "current_level.current_powerup=0"}));
    db.writes.clear();
    // The game's counters and flags go through the same integer writes.
    db.increaseChargesDropped(2);
    db.increaseSonarsUsed(1);
    db.increaseScore(50);
    db.decreaseScore(20);
    db.setFlag("player_won", true);
    db.setHighScore(30);
    EXPECT_EQ(db.writes,
              (std::vector<std::string>{"charges_dropped=2", "current_level.used_charges=2",
                                        "current_level.used_sonars=1", "score=50", "score=30",
                                        "player_won=1", "high_score=30"}));
    EXPECT_TRUE(db.playerWon());
}

void expectFresh(const SessionDbService& db) {
    for (const auto value :
         {db.getScore(), db.getHighScore(), db.getDestroyedSubs(), db.getChargesDropped(),
          db.getChargesDroppedThisLevel(), db.getSonarsUsedThisLevel(), db.getHighestCombo()}) {
        EXPECT_EQ(value, 0);
    }
    EXPECT_EQ(db.getPreviousName(), "");
    EXPECT_EQ(db.getCurrentLevel(), nullptr);
    EXPECT_FALSE(db.playerWon());
}

TEST(SessionDbService, FreshAndResetSessionsReadAsZeroEmptyNullAndNotWon) {
    SessionDbService db;
    expectFresh(db);
    db.set("current_level", std::make_shared<TestLevel>());
    db.setHighScore(900);
    db.setScore(400);
    db.increaseChargesDropped(3);
    db.increaseSonarsUsed(1);
    db.set("previous_name", TextObject::Create("ANN"));
    db.setFlag("player_won", true);
    db.reset(); // the whole store, the high score included
    expectFresh(db);
}

TEST(SessionDbService, ChargesCountForGameAndLevelSonarsForTheLevelOnly) {
    SessionDbService db;
    for (int i = 0; i < 3; ++i) {
        db.increaseChargesDropped(1);
    }
    db.increaseSonarsUsed(2);
    EXPECT_EQ(db.getChargesDropped(), 3);
    EXPECT_EQ(db.getChargesDroppedThisLevel(), 3);
    EXPECT_EQ(db.getSonarsUsedThisLevel(), 2);
    db.increaseField("destroyed_subs", 1);
    db.increaseField("current_level.destroyed_subs", 1);

    db.resetCurrentLevelState();
    EXPECT_EQ(db.getChargesDropped(), 3);
    EXPECT_EQ(db.getDestroyedSubs(), 1);
    EXPECT_EQ(db.getChargesDroppedThisLevel(), 0);
    EXPECT_EQ(db.getSonarsUsedThisLevel(), 0);
    EXPECT_EQ(db.getString("current_level.destroyed_subs"), "0");
    EXPECT_EQ(db.getString("current_level.current_powerup"), "0");

    db.increaseChargesDropped(255); // a full byte, not -1
    EXPECT_EQ(db.getChargesDropped(), 258);
}

TEST(SessionDbService, ScoreMayGoNegative) {
    SessionDbService db;
    db.setScore(100);
    db.decreaseScore(250);
    EXPECT_EQ(db.getScore(), -150);
    db.increaseScore(200);
    EXPECT_EQ(db.getScore(), 50);
}

TEST(SessionDbService, NewGameKeepsHighScoreLevelAndLevelCounters) {
    SessionDbService db;
    const auto level = std::make_shared<TestLevel>();
    db.set("current_level", level);
    db.setHighScore(900);
    db.setScore(400);
    db.setFlag("player_won", true);
    db.setInt("highest_combo", 4);
    db.increaseChargesDropped(2);
    db.increaseField("destroyed_subs", 3);

    db.resetGameplayState();
    EXPECT_EQ(db.getHighScore(), 900);
    EXPECT_EQ(db.getCurrentLevel(), level);
    EXPECT_EQ(db.getChargesDroppedThisLevel(), 2);
    EXPECT_EQ(db.getScore(), 0);
    EXPECT_EQ(db.getString("score"), "0");
    EXPECT_FALSE(db.playerWon());
    EXPECT_EQ(db.getHighestCombo(), 0);
    EXPECT_EQ(db.getChargesDropped(), 0);
    EXPECT_EQ(db.getDestroyedSubs(), 0);
}

TEST(SessionDbService, CurrentLevelIsOnlyAnObjectOfTheLevelClass) {
    SessionDbService db;
    const auto bonus = std::make_shared<TestBonusLevel>();
    db.set("current_level", bonus);
    EXPECT_EQ(db.getCurrentLevel(), bonus);
    EXPECT_EQ(db.getCurrentLevel<TestLevel>(), bonus);
    EXPECT_EQ(db.getInt("current_level"), 0);
    db.set("current_level", TextObject::Create("level_1_1"));
    EXPECT_EQ(db.getCurrentLevel(), nullptr);
    EXPECT_EQ(db.getCurrentLevel<TestLevel>(), nullptr);
}

TEST(SessionDbService, PlayerWonReadsTheLowByteOfTheFlag) {
    SessionDbService db;
    db.setInt("player_won", 1);
    EXPECT_TRUE(db.playerWon());
    db.setInt("player_won", 256);
    EXPECT_FALSE(db.playerWon());
    db.setInt("player_won", -1);
    EXPECT_TRUE(db.playerWon());
}

TEST(SessionDbService, KernelFindsItByItsExactClassAndNeverFramesIt) {
    registerSessionTypes();
    const Type* byName = TypeRegistry::instance().findByName("SessionDbService");
    ASSERT_NE(byName, nullptr);
    EXPECT_TRUE(byName->derivesFrom(GameSessionService::staticType()));

    GameKernel kernel;
    const auto db = std::dynamic_pointer_cast<SessionDbService>(byName->create());
    ASSERT_NE(db, nullptr);
    ASSERT_TRUE(kernel.addService(nullptr, db));
    EXPECT_EQ(kernel.getService<SessionDbService>(), db);
    EXPECT_EQ(kernel.getService<GameSessionService>(), nullptr);
    EXPECT_FALSE(GameKernel::serviceImplements(*db, "update"));
    EXPECT_FALSE(GameKernel::serviceImplements(*db, "render"));
    db->setScore(7);
    EXPECT_EQ(kernel.getService<SessionDbService>()->getScore(), 7);
}

} // namespace
} // namespace tarvex
