#include "EntityTestTypes.hpp"
#include "entities/GroupManager.hpp"

#include <gtest/gtest.h>

namespace tarvex {
namespace {

using testing::idsOf;

class GroupManagerTest : public testing::WorldFixture {
protected:
    GroupManager& groups = *world.getGroupManager();
};

TEST_F(GroupManagerTest, EntityBelongsToOneGroupAtATime) {
    auto fish = world.createEntity();
    auto sub = world.createEntity();
    sub->setGroup("enemies");
    fish->setGroup("enemies");
    fish->setGroup("wildlife");
    fish->setGroup(""); // ignored
    EXPECT_EQ(idsOf(groups.getEntities("enemies")), std::vector<std::int32_t>{sub->getId()});
    EXPECT_EQ(idsOf(groups.getEntities("wildlife")), std::vector<std::int32_t>{fish->getId()});
    EXPECT_EQ(groups.getGroupOf(fish.get()), "wildlife");
    EXPECT_EQ(groups.getEntities(""), nullptr);
}

TEST_F(GroupManagerTest, RemoveTakesTheEntityOutOfItsGroup) {
    auto a = world.createEntity();
    auto b = world.createEntity();
    auto loner = world.createEntity();
    a->setGroup("enemies");
    b->setGroup("enemies");
    groups.remove(a.get());
    groups.remove(a.get());
    EXPECT_EQ(idsOf(groups.getEntities("enemies")), std::vector<std::int32_t>{b->getId()});
    EXPECT_FALSE(groups.isGrouped(a.get()));
    EXPECT_EQ(groups.getGroupOf(loner.get()), "") << "id beyond the records";
    EXPECT_EQ(groups.getGroupOf(nullptr), "");
}

} // namespace
} // namespace tarvex
