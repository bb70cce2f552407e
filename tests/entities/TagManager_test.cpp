#include "EntityTestTypes.hpp"
#include "entities/TagManager.hpp"
#include "support/DebugLogCapture.hpp"

#include <gtest/gtest.h>

namespace tarvex {
namespace {

class TagManagerTest : public ::testing::Test {
protected:
    void SetUp() override { testing::registerEntityTestTypes(); }

    World world;
    TagManager& tags = *world.getTagManager();
};

TEST_F(TagManagerTest, LaterRegistrationOfATagWins) {
    auto e1 = world.createEntity();
    auto e2 = world.createEntity();
    tags.register_("player", e1.get());
    tags.register_("player", e2.get());
    EXPECT_EQ(tags.getEntity("player"), e2.get());
    EXPECT_EQ(tags.getEntityTag(e2.get()), "player");
    EXPECT_EQ(tags.getEntityTag(e1.get()), "") << "e1 lost the tag";

    // Dropping e1 must not take the tag away from e2.
    tags.remove(e1.get());
    EXPECT_EQ(tags.getEntity("player"), e2.get());

    // Once the tag is gone altogether, e1 keeps no trace of it either.
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

    // After removal and reuse of the object, the old tag does not name the newcomer.
    tags.remove(entity.get());
    EXPECT_EQ(tags.getEntity("player"), nullptr);
    EXPECT_EQ(tags.getEntity("boat"), nullptr);
}

TEST_F(TagManagerTest, UnregisterDropsBothDirections) {
    auto entity = world.createEntity();
    tags.register_("player", entity.get());
    tags.unregister("player");
    tags.unregister("nobody");
    EXPECT_FALSE(tags.isRegistered("player"));
    EXPECT_EQ(tags.getTagEntity("player"), nullptr);
    EXPECT_EQ(entity->getTag(), "");
}

TEST_F(TagManagerTest, TagsAreCaseSensitive) {
    auto entity = world.createEntity();
    entity->setTag("Player");
    EXPECT_EQ(tags.getEntity("player"), nullptr);
    EXPECT_EQ(tags.getEntity("Player"), entity.get());
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
