#include "EnemySystemsFixture.hpp"
#include "core/Random.hpp"
#include "entities/TagManager.hpp"
#include "game/components/EnemyComponents.hpp"
#include "game/components/ParticleGeneratorComponent.hpp"
#include "game/components/WeaponComponents.hpp"
#include "game/systems/SubmarineSpawnerSystem.hpp"
#include "support/DebugLogCapture.hpp"

#include <cmath>

namespace tarvex::game {
namespace {

class SubmarineSpawnerSystemTest : public testing::EnemySystemsTest {
protected:
    Ref<SubmarineSpawnerSystem> spawner = addSystem<SubmarineSpawnerSystem>();
};

TEST_F(SubmarineSpawnerSystemTest, KeepsAtMostTwiceTheTargetInTheWorldCountingWrecks) {
    useLevel("enemies_to_destroy = 3;");
    for (int i = 0; i < 5; ++i) {
        submarine(SubmarineComponent::DIRECTION_LEFT, 100, 100);
    }
    auto wreck = submarine(SubmarineComponent::DIRECTION_LEFT, 100, 274);
    wreck->addComponent(std::make_shared<DestroyedComponent>());
    wreck->refresh();
    for (int i = 0; i < 600; ++i) { // a minute of 100 ms intervals
        step(100);
    }
    EXPECT_EQ(with<SubmarineComponent>().size(), 6U) << "six already, the wreck among them";

    entities->removeEntity(wreck.get());
    for (int i = 0; i < 600 && with<SubmarineComponent>().size() < 6; ++i) {
        step(100);
    }
    EXPECT_EQ(with<SubmarineComponent>().size(), 6U) << "one more once there is room";
    for (int i = 0; i < 600; ++i) {
        step(100);
    }
    EXPECT_EQ(with<SubmarineComponent>().size(), 6U);
}

TEST_F(SubmarineSpawnerSystemTest, TriesAboutOnceInTwentyIntervalsAndOnlyEvery100Ms) {
    useLevel("enemies_to_destroy = 200;");
    for (int i = 0; i < 20; ++i) {
        step(50); // 1 s in half intervals: the system runs every other step
    }
    const auto firstSecond = with<SubmarineComponent>().size();
    for (int i = 0; i < 1980; ++i) {
        step(100);
    }
    const auto attempts = 1990.0;
    const auto subs = static_cast<double>(with<SubmarineComponent>().size());
    EXPECT_NEAR(subs / attempts, 0.05, 0.015) << subs << " submarines";
    EXPECT_LE(firstSecond, 10U);
}

TEST_F(SubmarineSpawnerSystemTest, NewSubmarinesEnterAtAnEdgeAtCruisingDepthAndSpeed) {
    useLevel("enemies_to_destroy = 3; enemy_aggression = 7.5;");
    int left = 0;
    int right = 0;
    for (int i = 0; i < 200; ++i) {
        tarvex::testing::DebugLogCapture log;
        auto sub = spawner->createSubmarine();
        auto* body = bodyOf(sub);
        auto* component = sub->getComponentAs<SubmarineComponent>();
        ASSERT_NE(component, nullptr);
        EXPECT_FLOAT_EQ(component->aggression, 7.5F);
        EXPECT_FLOAT_EQ(component->_missileCountdown, 0);
        EXPECT_GE(body->y_pos, 90);
        EXPECT_LE(body->y_pos, 270);
        EXPECT_EQ(body->y_pos, std::floor(body->y_pos)) << "whole depths";
        EXPECT_FLOAT_EQ(body->y_max_velocity, 50);
        EXPECT_FLOAT_EQ(body->sprite_alpha, 1);
        if (component->direction == SubmarineComponent::DIRECTION_LEFT) {
            ++left;
            EXPECT_FLOAT_EQ(body->x_pos, 224);
            EXPECT_EQ(body->sprite_name, "depthrun.objects.submarine_left");
            EXPECT_GE(body->x_velocity, -12);
            EXPECT_LT(body->x_velocity, -4);
        } else {
            ASSERT_EQ(component->direction, SubmarineComponent::DIRECTION_RIGHT);
            ++right;
            EXPECT_FLOAT_EQ(body->x_pos, -34);
            EXPECT_EQ(body->sprite_name, "depthrun.objects.submarine_right");
            EXPECT_GE(body->x_velocity, 4);
            EXPECT_LT(body->x_velocity, 12);
        }

        const std::string id = std::to_string(sub->getId());
        Entity* propeller = entities->getWorld()->getTagManager()->getEntity("propeller_for_" + id);
        ASSERT_NE(propeller, nullptr);
        EXPECT_EQ(propeller->getComponentAs<PropellerComponent>()->attached_to, sub->getId());
        auto* bubbles = propeller->getComponentAs<ParticleGeneratorComponent>();
        ASSERT_NE(bubbles, nullptr);
        EXPECT_FLOAT_EQ(bubbles->spawn_frequency, 0.9F);
        EXPECT_FLOAT_EQ(bubbles->width, 1);
        EXPECT_FLOAT_EQ(bubbles->height, 1);
        EXPECT_FLOAT_EQ(bubbles->particle_lifespan, 2);
        EXPECT_EQ(bubbles->max_particles, 10);
        EXPECT_EQ(bubbles->_particle_type, "BubbleParticle");
        ASSERT_EQ(log.lines().size(), 2U);
        EXPECT_EQ(log.lines()[0], "Creating a sub: " + id);
        EXPECT_EQ(log.lines()[1].rfind(" - x_velocity => ", 0), 0U) << log.lines()[1];
        entities->removeEntity(sub.get());
        entities->removeEntity(propeller);
    }
    EXPECT_GT(left, 60);
    EXPECT_GT(right, 60);
    const auto* enemies = entities->getEntitiesInGroup("enemies");
    EXPECT_TRUE(enemies == nullptr || enemies->getSize() == 0);
}

TEST_F(SubmarineSpawnerSystemTest, OnSonarLevelsSubmarinesAreInvisibleAndLeaveNoBubbles) {
    useLevel("enemies_to_destroy = 3; total_sonars = 2;");
    auto sub = spawner->createSubmarine();
    EXPECT_FLOAT_EQ(bodyOf(sub)->sprite_alpha, 0);
    EXPECT_EQ(groupOf(sub), "enemies");
    Entity* propeller = entities->getWorld()->getTagManager()->getEntity(
        "propeller_for_" + std::to_string(sub->getId()));
    ASSERT_NE(propeller, nullptr);
    auto* bubbles = propeller->getComponentAs<ParticleGeneratorComponent>();
    EXPECT_EQ(bubbles->_particle_type, "") << "no particle class, no bubbles";
    EXPECT_EQ(bubbles->max_particles, 0);
}

} // namespace
} // namespace tarvex::game
