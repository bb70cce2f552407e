// The level rules as the real game plays them: charges running out, and the boat destroyed.
#include "GameFlowFixture.hpp"
#include "game/GameEntityFactory.hpp"
#include "game/components/PlayerComponents.hpp"
#include "game/components/WeaponComponents.hpp"
#include "game/screens/Overlays.hpp"
#include "platform/Input.hpp"

namespace tarvex::game {
namespace {

class GameplayScreenRulesTest : public testing::GameFlowTest {
protected:
    // From 1-1 on to the start of play on 1-2 (three charges, two submarines to destroy).
    void playLevelWithThreeCharges() {
        startGame();
        winLevel();
        ASSERT_TRUE(runUntilState(GameplayScreen::STATE_LEVEL_OVER, 5));
        GameRunner::tapKey(platform::KEY_SPACE);
        ASSERT_TRUE(runUntilState(GameplayScreen::STATE_PLAYING, 200));
    }

    static void press() { GameRunner::tapKey(platform::KEY_SPACE); }

    [[nodiscard]] std::int32_t liveCharges() const {
        const auto* charges =
            runner->game().getEntityService()->getEntitiesWithComponentName("depth_charge");
        return charges == nullptr ? 0 : charges->getSize();
    }
};

TEST_F(GameplayScreenRulesTest,
       SpendingEveryChargeWithoutReachingTheTargetFailsOnceTheLastBlastIsOver) {
    playLevelWithThreeCharges();
    for (int press = 0; press < 5; ++press) { // drop, detonate, drop, detonate, drop
        GameplayScreenRulesTest::press();
        runner->runFrames(1);
    }
    EXPECT_EQ(liveCharges(), 1);
    runner->runFrames(10);
    EXPECT_EQ(gameplay()->getChargesLabel()->getText(), "0 Charges Left");
    EXPECT_EQ(gameplay()->getState(), GameplayScreen::STATE_PLAYING) << "the last one still sinks";

    press(); // the last charge goes off
    runner->runFrames(1);
    EXPECT_EQ(liveCharges(), 0);
    EXPECT_EQ(gameplay()->getState(), GameplayScreen::STATE_PLAYING)
        << "its blast could still hit a submarine";
    ASSERT_TRUE(runUntilState(GameplayScreen::STATE_LEVEL_FAILED, 120));
    EXPECT_FALSE(gameplay()->getTimer().isExpired()) << "failed by the charges, not the clock";
    EXPECT_NE(std::dynamic_pointer_cast<MissionFailedOverlay>(gameplay()->getOverlay()), nullptr);

    const auto session = runner->game().getSessionDbService();
    EXPECT_EQ(session->getChargesDroppedThisLevel(), 3) << "no fourth charge";
}

TEST_F(GameplayScreenRulesTest, ReachingTheTargetWithTheLastChargeStillWins) {
    playLevelWithThreeCharges();
    const auto session = runner->game().getSessionDbService();
    session->increaseChargesDropped(3);
    session->setInt("current_level.destroyed_subs", 2);
    runner->runFrames(1);
    EXPECT_EQ(gameplay()->getState(), GameplayScreen::STATE_LEVEL_OVER);
}

TEST_F(GameplayScreenRulesTest, BoatDestroyedByMissileBlastsFailsTheMission) {
    startGame();
    auto* entities = runner->game().getEntityService().get();
    Entity* player = entities->getEntityByTag("player");
    ASSERT_NE(player, nullptr);
    auto* health = player->getComponentAs<HealthComponent>();
    health->current_health = 2;
    // A blast at the waterline over the boat, as a missile reaching the surface makes one.
    const auto blast = [] {
        for (auto& piece : GameEntityFactory::createExplosion(110, 64, 4, 4, true)) {
            auto* explosion = piece->getComponentAs<ExplosionComponent>();
            explosion->damages_enemy = false;
            explosion->damages_player = true;
        }
    };
    blast();
    runner->runFrames(3);
    EXPECT_FLOAT_EQ(health->current_health, 1);
    blast();
    runner->runFrames(3);
    EXPECT_FLOAT_EQ(health->current_health, 1) << "immune for a second";
    runner->runFrames(60);
    blast();
    ASSERT_TRUE(runUntilState(GameplayScreen::STATE_LEVEL_FAILED, 10));
    EXPECT_EQ(entities->getEntityByTag("player"), nullptr);
    const auto* fragments = entities->getEntitiesWithComponentName("player_fragment");
    ASSERT_NE(fragments, nullptr);
    EXPECT_EQ(fragments->getSize(), 4);
    EXPECT_FALSE(gameplay()->getTimer().isExpired());
}

} // namespace
} // namespace tarvex::game
