#include "ContentTestTypes.hpp"
#include "content/ComponentSchema.hpp"
#include "core/Error.hpp"

#include <gtest/gtest.h>

namespace tarvex {
namespace {

TEST(ComponentSchema, FieldLookupsByLowerCasedName) {
    const auto schema = testing::makeSchema("body", {"Speed:float=1.5", "x:int=0"});
    EXPECT_TRUE(schema->hasProperty("SPEED"));
    EXPECT_TRUE(schema->hasProperty("speed"));
    EXPECT_FALSE(schema->hasProperty("y"));
    ASSERT_TRUE(schema->getField("speed"));
    EXPECT_EQ(schema->getField("speed")->getDefaultValue(), "1.5");
    EXPECT_FALSE(schema->getField("Speed")); // getField expects lower case
    EXPECT_EQ(schema->getFieldType("speed"), "float");
}

TEST(ComponentSchema, UnknownFieldTypeRaisesWithTheName) {
    const auto schema = testing::makeSchema("body", {"x:int"});
    try {
        (void)schema->getFieldType("depth");
        FAIL() << "no error raised";
    } catch (const Error& error) {
        EXPECT_STREQ(error.what(), "Field \"depth\" not found");
    }
}

TEST(ComponentSchema, SecondFieldOfTheSameNameReplacesTheLookupButBothAreListed) {
    auto schema = testing::makeSchema("body", {"x:int=1", "X:float=2"});
    schema->addField(nullptr);
    EXPECT_EQ(schema->countFields(), 2);
    EXPECT_EQ(schema->getFieldType("x"), "float");
}

TEST(ComponentSchema, RequirementsAreLowerCasedOnceAndFoundInAnyCase) {
    auto schema = ComponentSchema::Create("sub", "");
    schema->_addRequirement("Body");
    schema->_addRequirement("BODY");
    schema->_addRequirement("sprite");
    EXPECT_EQ(schema->getRequirements(), (std::vector<std::string>{"body", "sprite"}));
    EXPECT_TRUE(schema->hasRequirement("Sprite"));
    EXPECT_FALSE(schema->hasRequirement("fish"));
}

TEST(ComponentSchema, InternalsAreComparedExactly) {
    auto schema = ComponentSchema::Create("sub", "");
    schema->_addInternal("Frames");
    schema->_addInternal("path");
    EXPECT_TRUE(schema->_hasInternal("Frames"));
    EXPECT_FALSE(schema->_hasInternal("frames"));
    EXPECT_EQ(schema->_dump(), "Internals { \tFrames, \tpath, }");
}

} // namespace
} // namespace tarvex
