#include "core/Error.hpp"
#include "core/TextObject.hpp"
#include "resources/BrixFile.hpp"

#include <gtest/gtest.h>

namespace tarvex {
namespace {

class BrixQuery : public ::testing::Test {
protected:
    void SetUp() override {
        file = std::make_shared<BrixFile>();
        file->loadFromString(R"(
[level]
{
    name = Harbour;
    frames* = 10;
    frames* = 20;
    frames* = 30;
    speed = 1.5;
    count = $1F;
    [a] { [b] { c = deep; } }
    [wave*] { n = first; }
    [wave*] { n = second; }
}
[spawns*] { x = 1; }
[spawns*] { x = 2; }
[flags] { one = 1; two = 2; upper = TRUE; title = True; zero = 0; minus = -1; word = yes; empty = ; }
)");
    }
    Ref<BrixFile> file;
};

TEST_F(BrixQuery, DottedPathsReachFieldsElementsAndChildren) {
    EXPECT_EQ(file->queryString("level.name"), "Harbour");
    EXPECT_EQ(file->queryString("level.frames[2]"), "30");
    EXPECT_EQ(file->queryString("spawns[1].x"), "2");
    EXPECT_EQ(file->queryString("level.a.b.c"), "deep");
    const auto frames = std::dynamic_pointer_cast<ObjectBag>(file->query("level.frames"));
    ASSERT_TRUE(frames);
    EXPECT_EQ(frames->getSize(), 3);
    EXPECT_TRUE(std::dynamic_pointer_cast<BrixGroup>(file->query("level.a")));
}

TEST_F(BrixQuery, ArrayGroupsNeedAnIndex) {
    EXPECT_EQ(file->query("spawns.x"), nullptr);
    EXPECT_EQ(file->queryString("spawns[0].x"), "1");
    EXPECT_EQ(file->query("spawns[2].x"), nullptr);
    // Nested array groups: an index picks one, "*" (or no index) the last one read.
    EXPECT_EQ(file->queryString("level.wave[0].n"), "first");
    EXPECT_EQ(file->queryString("level.wave[1].n"), "second");
    EXPECT_EQ(file->query("level.wave[2].n"), nullptr);
}

TEST_F(BrixQuery, MissingPathsAnswerDefaults) {
    for (const char* path : {"", "level", "nothing.here", "level.nothing", "level.frames[3]",
                             "level.a.nothing.c", "level..name", "level.name."}) {
        EXPECT_EQ(file->query(path), nullptr) << path;
        EXPECT_EQ(file->queryString(path), "") << path;
        EXPECT_EQ(file->QueryInt(path), 0) << path;
        EXPECT_EQ(file->QueryFloat(path), 0.0F) << path;
        EXPECT_FALSE(file->QueryBool(path)) << path;
    }
    EXPECT_EQ(file->queryString("level.a"), ""); // a group is not text
}

TEST_F(BrixQuery, TypedQueriesConvertText) {
    EXPECT_EQ(file->QueryInt("level.count"), 31);
    EXPECT_FLOAT_EQ(file->QueryFloat("level.speed"), 1.5F);
    EXPECT_EQ(file->QueryInt("level.frames[1]"), 20);
    for (const char* yes : {"one", "two", "upper", "title"}) {
        EXPECT_TRUE(file->QueryBool(std::string("flags.") + yes)) << yes;
    }
    for (const char* no : {"zero", "minus", "word", "empty"}) {
        EXPECT_FALSE(file->QueryBool(std::string("flags.") + no)) << no;
    }
}

TEST_F(BrixQuery, AnswersAreCachedUntilReset) {
    EXPECT_EQ(file->queryString("level.name"), "Harbour");
    file->setValue("level.name", "Reef");
    EXPECT_EQ(file->queryString("level.name"), "Harbour");
    file->resetCache();
    EXPECT_EQ(file->queryString("level.name"), "Reef");
    // A miss is not remembered.
    EXPECT_EQ(file->query("level.extra"), nullptr);
    file->setValue("level.extra", "1");
    EXPECT_EQ(file->queryString("level.extra"), "1");
}

TEST_F(BrixQuery, SetValueCreatesMissingGroupsAndRefusesGroups) {
    file->setValue("options.volume", "7");
    EXPECT_EQ(file->QueryInt("options.volume"), 7);
    EXPECT_EQ(file->getGroups()->getSize(), 5);
    try {
        file->setValue("level.a", "x");
        FAIL() << "setting a whole group must raise";
    } catch (const Error& error) {
        EXPECT_STREQ(error.what(), "Cannot set value for entire group 'level.a'");
    }
}

TEST_F(BrixQuery, GroupsAreSelectedByHeaderMetadata) {
    BrixFile meta;
    meta.loadFromString("[t:component, n:body]{} [t:template, n:mine]{} [T:component;N:fish]{}");
    const auto components = meta.getNodes("[t:component]");
    ASSERT_TRUE(components);
    ASSERT_EQ(components->getSize(), 2);
    EXPECT_EQ(components->get(0)->getIdentifier(), "body");
    EXPECT_EQ(components->get(1)->getIdentifier(), "fish");
    const auto fish = meta.getNodes("[ T : component , n : fish ]");
    ASSERT_TRUE(fish);
    EXPECT_EQ(fish->getSize(), 1);
    EXPECT_EQ(meta.getNodes("[t:Component]"), nullptr); // values compare exactly
    EXPECT_EQ(meta.getNodes("[t:entity]"), nullptr);
    EXPECT_EQ(meta.getNodes("t:component"), nullptr);
    EXPECT_NO_THROW((void)meta.getNodes("["));
}

TEST(BrixGroupQuery, PathsRelativeToAGroup) {
    BrixFile file;
    file.loadFromString("[g]{ x = 1; [c]{ []{ y = 2; } } }");
    const auto group = file.getGroup("g", -1);
    ASSERT_TRUE(group);
    EXPECT_EQ(group->queryString("x"), "1");
    const auto anonymous = std::dynamic_pointer_cast<BrixGroup>(group->Query("c.*"));
    ASSERT_TRUE(anonymous);
    EXPECT_EQ(anonymous->getIdentifier(), "*");
    EXPECT_EQ(group->queryString("c.*.y"), "2");
    EXPECT_EQ(group->Query(""), nullptr);
}

} // namespace
} // namespace tarvex
