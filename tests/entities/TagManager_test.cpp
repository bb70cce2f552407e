#include "EntityTestTypes.hpp"
#include "entities/TagManager.hpp"
#include "support/DebugLogCapture.hpp"

#include <gtest/gtest.h>

namespace tarvex {
namespace {

class TagManagerTest : public testing::WorldFixture {
protected:
    TagManager& tags = *world.getTagManager();
};

TEST_F(TagManagerTest, LaterRegistrationOfATagWins) {
    auto e1 = world.createEntity();
    auto e2 = world.createEntity();
    tags.register_("player", e1.get());
    tags.register_("player", e2.get());
    EXPECT_EQ(tags.getEntity("player"), e2.get());
    EXPECT_EQ(tags.getEntityTag(e1.get()), "");

    tags.remove(e1.get()); // must not take the tag away from e2
    EXPECT_EQ(tags.getEntity("player"), e2.get());
    tags.unregister("player");
    EXPECT_EQ(tags.getEntityTag(e1.get()), "");
    EXPECT_EQ(tags.getEntityTag(e2.get()), "");
}

TEST_F(TagManagerTest, SecondTagOfAnEntityReplacesTheFirst) {
    auto entity = world.createEntity();
    entity->setTag("boat");
    entity->setTag("player");
    EXPECT_EQ(entity->getTag(), "player");
    EXPECT_FALSE(tags.isRegistered("boat"));
    tags.remove(entity.get());
    EXPECT_FALSE(tags.isRegistered("player"));
}

TEST_F(TagManagerTest, DumpTagsListsTagsInOrder) {
    auto boat = world.createEntity();
    auto mine = world.createEntity();
    mine->setTag("mine");
    boat->setTag("boat");
    testing::DebugLogCapture log;
    tags.dumpTags();
    EXPECT_EQ(log.lines(),
              (std::vector<std::string>{"TagManager.tags {", "  boat => " + boat->ToString(),
                                        "  mine => " + mine->ToString(), "}"}));
}

} // namespace
} // namespace tarvex
