#include "GameSystemsFixture.hpp"
#include "entities/TagManager.hpp"
#include "game/components/EnemyComponents.hpp"
#include "game/components/ParticleGeneratorComponent.hpp"
#include "game/components/PlayerComponents.hpp"
#include "game/components/TextBodyComponent.hpp"
#include "game/components/TimedComponents.hpp"
#include "game/components/WeaponComponents.hpp"
#include "game/components/WildlifeComponents.hpp"
#include "game/systems/DamageTimerSystem.hpp"
#include "game/systems/ExplosionCollisionSystem.hpp"
#include "game/systems/PlayerInputSystem.hpp"
#include "platform/Input.hpp"
#include "support/DebugLogCapture.hpp"

namespace tarvex::game {
namespace {

class ExplosionCollisionSystemTest : public testing::GameSystemsTest {
protected:
    ExplosionCollisionSystemTest() { addSystem<ExplosionCollisionSystem>(); }

    // One explosion piece at (x, y) (no animation: it goes after this step).
    Ref<Entity> piece(float x, float y, bool enemy, bool player, std::int64_t blast = 0) {
        auto entity = sized(8, 8, x, y);
        auto explosion = std::make_shared<ExplosionComponent>();
        explosion->damages_enemy = enemy;
        explosion->damages_player = player;
        explosion->_blast = blast;
        entity->addComponent(explosion);
        entity->refresh();
        return entity;
    }

    [[nodiscard]] std::vector<TextBodyComponent*> labels() const {
        std::vector<TextBodyComponent*> found;
        for (const auto& entity : with<ScoreFlyoffComponent>()) {
            found.push_back(entity->getComponentAs<TextBodyComponent>());
        }
        return found;
    }

    [[nodiscard]] static bool destroyed(const Ref<Entity>& entity) {
        return entity->hasComponent(ComponentTypeManager::getTypeFor<DestroyedComponent>().get());
    }
};

TEST_F(ExplosionCollisionSystemTest, DeepSubmarineIsDestroyedOnceAndScoresOneAndAHalf) {
    ::tarvex::testing::DebugLogCapture log;
    auto sub = submarine(90, 235); // spans 90..122 by 235..251
    bodyOf(sub)->x_velocity = -8;
    bodyOf(sub)->getSprite()->SetAlpha(0);
    auto propeller = entities->createEntity();
    propeller->setTag("propeller_for_" + std::to_string(sub->getId()));
    auto trail = std::make_shared<ParticleGeneratorComponent>();
    trail->spawn_frequency = 0.9F;
    propeller->addComponent(trail);
    propeller->refresh();
    auto blast = piece(100, 240, true, false);
    step();

    EXPECT_TRUE(destroyed(sub));
    EXPECT_TRUE(log.contains("DESTROYED SUBMARINE: " + std::to_string(sub->getId())));
    EXPECT_EQ(session->getScore(), 150);
    EXPECT_EQ(session->getInt("destroyed_subs"), 1);
    EXPECT_EQ(session->getInt("current_level.destroyed_subs"), 1);
    const auto texts = labels();
    ASSERT_EQ(texts.size(), 1U);
    EXPECT_EQ(texts[0]->text, "100 x 1.5");
    EXPECT_FLOAT_EQ(texts[0]->x_pos, 76) << "90 + 32/2 - 30";
    EXPECT_FLOAT_EQ(texts[0]->y_pos, 235);
    EXPECT_EQ(texts[0]->text_r, 255);
    EXPECT_FLOAT_EQ(texts[0]->y_velocity, -10);
    EXPECT_FLOAT_EQ(texts[0]->y_acceleration, 5);
    auto* body = bodyOf(sub);
    EXPECT_GE(body->y_acceleration, 4);
    EXPECT_LT(body->y_acceleration, 6);
    EXPECT_FLOAT_EQ(body->x_velocity, -4);
    EXPECT_FLOAT_EQ(body->getSprite()->getAlpha(), 1) << "shown as it sinks";
    EXPECT_FLOAT_EQ(trail->spawn_frequency, 0);
    ASSERT_NE(propeller->getComponentAs<LifespanComponent>(), nullptr);
    EXPECT_FLOAT_EQ(propeller->getComponentAs<LifespanComponent>()->delete_after, 4000);

    piece(100, 240, true, false);
    step();
    EXPECT_FALSE(blast->isActive()) << "no animation left: the piece went at this step's start";
    EXPECT_EQ(session->getScore(), 150) << "a destroyed submarine scores once";
    EXPECT_EQ(session->getInt("destroyed_subs"), 1);
    EXPECT_EQ(labels().size(), 1U);
}

TEST_F(ExplosionCollisionSystemTest, ScoreFollowsTheDepthBand) {
    auto middle = submarine(10, 140);
    auto shallow = submarine(100, 135);
    piece(20, 145, true, false);
    piece(110, 140, true, false);
    step();
    ASSERT_TRUE(destroyed(middle));
    ASSERT_TRUE(destroyed(shallow));
    EXPECT_EQ(session->getScore(), 125 + 100) << "above 135 is the middle band; 135 is not";
    std::vector<std::string> texts;
    for (auto* label : labels()) {
        texts.push_back(label->text);
    }
    std::sort(texts.begin(), texts.end());
    EXPECT_EQ(texts, (std::vector<std::string>{"100", "100 x 1.25"}));
}

TEST_F(ExplosionCollisionSystemTest, OnlyTheCornerStrictlyInsideHits) {
    auto sub = submarine(90, 235);
    piece(90, 240, true, false);  // on the left edge
    piece(100, 251, true, false); // on the bottom edge
    piece(122, 240, true, false); // on the right edge
    piece(85, 230, true, false);  // overlapping, but its corner is outside
    piece(100, 240, false, true); // hurts only the boat
    step();
    EXPECT_FALSE(destroyed(sub));
    EXPECT_EQ(session->getScore(), 0);
}

TEST_F(ExplosionCollisionSystemTest, MissilesAreRemovedWithoutScore) {
    ::tarvex::testing::DebugLogCapture log;
    auto missile = sized(4, 8, 50, 100);
    missile->addComponent(std::make_shared<MissileComponent>());
    missile->refresh();
    piece(51, 101, true, false);
    step();
    EXPECT_TRUE(log.contains("DESTROYED MISSILE: " + std::to_string(missile->getId())));
    step();
    EXPECT_FALSE(missile->isActive());
    EXPECT_EQ(session->getScore(), 0);
}

TEST_F(ExplosionCollisionSystemTest, AnyPieceKillsFishForAPenalty) {
    session->increaseScore(1000);
    auto fish = sized(16, 8, 60, 150);
    fish->addComponent(std::make_shared<FishComponent>());
    fish->refresh();
    bodyOf(fish)->x_velocity = 12;
    piece(61, 151, false, false); // a harmless flash
    step();
    EXPECT_TRUE(destroyed(fish));
    EXPECT_EQ(session->getScore(), 750);
    const auto texts = labels();
    ASSERT_EQ(texts.size(), 1U);
    EXPECT_EQ(texts[0]->text, "-250");
    EXPECT_FLOAT_EQ(texts[0]->x_pos, 38) << "60 + 16/2 - 30";
    EXPECT_EQ(texts[0]->text_r, 128);
    EXPECT_EQ(texts[0]->text_g, 0);
    EXPECT_EQ(texts[0]->text_b, 0);
    auto* body = bodyOf(fish);
    EXPECT_FLOAT_EQ(body->x_velocity, 0);
    EXPECT_FLOAT_EQ(body->y_acceleration, -5);
    EXPECT_FLOAT_EQ(body->y_max_velocity, 100);

    piece(61, 151, true, false);
    step();
    EXPECT_EQ(session->getScore(), 750) << "a dead fish costs once";
}

TEST_F(ExplosionCollisionSystemTest, MissileBlastsCostTheBoatOnePointPerImmunityPeriod) {
    addSystem<DamageTimerSystem>();
    auto player = boat(); // 48 x 16 at (88, 55)
    auto* health = player->getComponentAs<HealthComponent>();
    step();
    // Two pieces of a missile reaching the surface, in one step.
    piece(100, 68, false, true);
    piece(104, 69, false, true);
    step(16);
    EXPECT_FLOAT_EQ(health->current_health, 4);
    ASSERT_NE(player->getComponentAs<RecentlyDamagedComponent>(), nullptr);

    for (int i = 0; i < 30; ++i) { // 500 ms on: still immune
        step(16.7F);
        if (i == 29) {
            piece(100, 68, false, true);
        }
    }
    step(16);
    EXPECT_FLOAT_EQ(health->current_health, 4) << "still immune";

    // The timer counts 33 ms per elapsed interval: 31 intervals end 1000 ms of immunity.
    for (int i = 0; i < 40 && player->getComponentAs<RecentlyDamagedComponent>() != nullptr; ++i) {
        step(33);
    }
    ASSERT_EQ(player->getComponentAs<RecentlyDamagedComponent>(), nullptr);
    piece(100, 68, false, true);
    step(16);
    EXPECT_FLOAT_EQ(health->current_health, 3) << "vulnerable again";

    piece(100, 68, true, false);
    step(16);
    EXPECT_FLOAT_EQ(health->current_health, 3) << "depth-charge blasts spare the boat";
}

TEST_F(ExplosionCollisionSystemTest, DamageTimerCountsIntervalsNotTime) {
    addSystem<DamageTimerSystem>();
    auto player = boat();
    player->addComponent(RecentlyDamagedComponent::Create(1000));
    player->refresh();
    int intervals = 0;
    for (int i = 0; i < 100 && player->getComponentAs<RecentlyDamagedComponent>() != nullptr; ++i) {
        step(40); // each step passes one 33 ms interval, whatever its length
        ++intervals;
    }
    EXPECT_EQ(intervals, 31);
}

TEST_F(ExplosionCollisionSystemTest, HighestComboCountsTheSubmarinesOfOneChargesBlast) {
    addSystem<PlayerInputSystem>();
    boat();
    // Three submarines around where the charge leaves the boat (107, 67).
    submarine(87, 57);
    submarine(90, 60);
    submarine(180, 200);
    step();
    for (int press = 0; press < 2; ++press) { // drop, then detonate at once
        platform::keyboard().press(platform::KEY_SPACE);
        platform::keyboard().release(platform::KEY_SPACE);
        step();
    }
    step();
    EXPECT_EQ(session->getInt("destroyed_subs"), 2);
    EXPECT_EQ(session->getHighestCombo(), 2);
    EXPECT_EQ(session->getScore(), 200) << "scoring is unchanged by combos";

    // A later blast that takes one keeps the best; pieces of no charge never count.
    piece(181, 201, true, false, 999);
    submarine(10, 100);
    piece(11, 101, true, false);
    step();
    EXPECT_EQ(session->getInt("destroyed_subs"), 4);
    EXPECT_EQ(session->getHighestCombo(), 2);
}

} // namespace
} // namespace tarvex::game
