#include "EnemySystemsFixture.hpp"
#include "entities/TagManager.hpp"
#include "game/components/EnemyComponents.hpp"
#include "game/components/ParticleGeneratorComponent.hpp"
#include "game/systems/SubmarineBubblesSystem.hpp"
#include "game/systems/SubmarineSpawnerSystem.hpp"

namespace tarvex::game {
namespace {

class SubmarineBubblesSystemTest : public testing::EnemySystemsTest {
protected:
    SubmarineBubblesSystemTest() { useLevel("enemies_to_destroy = 1;"); }

    Ref<SubmarineSpawnerSystem> spawner = addSystem<SubmarineSpawnerSystem>();
    Ref<SubmarineBubblesSystem> bubbles = addSystem<SubmarineBubblesSystem>();

    [[nodiscard]] Entity* propellerOf(const Ref<Entity>& sub) const {
        return entities->getWorld()->getTagManager()->getEntity("propeller_for_" +
                                                                std::to_string(sub->getId()));
    }
};

TEST_F(SubmarineBubblesSystemTest, BubblesRiseFromTheSternSixUnitsDown) {
    spawner->disableSystem();
    Ref<Entity> leftBound;
    Ref<Entity> rightBound;
    while (!leftBound || !rightBound) {
        auto sub = spawner->createSubmarine();
        auto& slot = sub->getComponentAs<SubmarineComponent>()->direction ==
                             SubmarineComponent::DIRECTION_LEFT
                         ? leftBound
                         : rightBound;
        if (slot) {
            entities->removeEntity(propellerOf(sub));
            entities->removeEntity(sub.get());
        } else {
            slot = sub;
        }
    }
    step();
    bodyOf(leftBound)->setX(100);
    bodyOf(leftBound)->setY(150);
    bodyOf(rightBound)->setX(60);
    bodyOf(rightBound)->setY(200);
    step();
    auto* left = propellerOf(leftBound)->getComponentAs<ParticleGeneratorComponent>();
    EXPECT_FLOAT_EQ(left->x_pos, 132) << "the right end of a submarine going left";
    EXPECT_FLOAT_EQ(left->y_pos, 156);
    auto* right = propellerOf(rightBound)->getComponentAs<ParticleGeneratorComponent>();
    EXPECT_FLOAT_EQ(right->x_pos, 60);
    EXPECT_FLOAT_EQ(right->y_pos, 206);
}

TEST_F(SubmarineBubblesSystemTest, PropellerGoesInTheStepAfterItsSubmarine) {
    spawner->disableSystem();
    auto sub = spawner->createSubmarine();
    auto propeller = entities->getEntityById(propellerOf(sub)->getId());
    step();
    entities->removeEntity(sub.get());
    step();
    EXPECT_TRUE(propeller->isActive()) << "queued in this step";
    step();
    EXPECT_FALSE(propeller->isActive());
}

TEST_F(SubmarineBubblesSystemTest, PropellerOfAnEntityThatIsNoLongerASubmarineGoes) {
    spawner->disableSystem();
    auto sub = spawner->createSubmarine();
    auto propeller = entities->getEntityById(propellerOf(sub)->getId());
    step();
    sub->removeComponentByType(ComponentTypeManager::getTypeFor<SubmarineComponent>().get());
    sub->refresh();
    step();
    step();
    EXPECT_FALSE(propeller->isActive());
    EXPECT_TRUE(sub->isActive());
}

} // namespace
} // namespace tarvex::game
