#include "ContentTestTypes.hpp"
#include "content/ComponentTemplate.hpp"
#include "resources/BrixGroup.hpp"

#include <gtest/gtest.h>

namespace tarvex {
namespace {

TEST(ComponentTemplate, SchemaDefaultsFillOnlyUnsetFields) {
    const auto schema = testing::makeSchema("Body", {"x:int=1", "y:int=2"});
    auto body = ComponentTemplate::Create(schema);
    body->_setFieldValue("x", "10");
    EXPECT_EQ(body->CopyFromSchema(schema.get()), 1);
    EXPECT_EQ(body->getFieldValue("x"), "10");
    EXPECT_EQ(body->getFieldValue("y"), "2");
    EXPECT_EQ(body->countFields(), 2);
    EXPECT_EQ(body->getSchemaIdentifier(), "body");
    EXPECT_EQ(body->CopyFromSchema(nullptr), 0);
    EXPECT_EQ(body->CopyFromSchema(ComponentSchema::Create("empty", "").get()), 0);
}

TEST(ComponentTemplate, ParentValuesFillOnlyUnsetFieldsAndStructuredOnesArriveEmpty) {
    const auto schema = testing::makeSchema("body", {"x:int", "y:int"});
    auto parent = ComponentTemplate::Create(schema);
    parent->_setFieldValue("x", "1");
    parent->_setFieldValue("y", "2");
    parent->_setFieldValueObject("path", std::make_shared<BrixGroup>());
    auto child = ComponentTemplate::Create(schema);
    child->_setFieldValue("y", "20");
    child->CopyFromTemplate(parent.get());
    EXPECT_EQ(child->getFieldValue("x"), "1");
    EXPECT_EQ(child->getFieldValue("y"), "20");
    EXPECT_TRUE(child->isFieldSet("path"));
    EXPECT_EQ(child->getFieldValue("path"), "");
}

TEST(ComponentTemplate, EmptyOrNullParentChangesNothing) {
    const auto schema = testing::makeSchema("body", {"x:int=1"});
    auto child = ComponentTemplate::Create(schema);
    child->CopyFromTemplate(nullptr);
    child->CopyFromTemplate(ComponentTemplate::Create(schema).get());
    EXPECT_EQ(child->countFields(), 0);
}

TEST(ComponentTemplate, ReplacedValueCountsAgain) {
    auto body = ComponentTemplate::Create(testing::makeSchema("body", {"x:int"}));
    body->_setFieldValue("x", "1");
    body->_setFieldValue("x", "2");
    EXPECT_EQ(body->countFields(), 2);
    EXPECT_EQ(body->getFieldValue("x"), "2");
}

TEST(ComponentTemplate, CopyIsIndependentOfTheOriginal) {
    auto body = ComponentTemplate::CreateFromSchema(testing::makeSchema("body", {"x:int=1"}));
    auto copy = body->Copy();
    copy->_setFieldValue("x", "5");
    EXPECT_EQ(body->getFieldValue("x"), "1");
    EXPECT_EQ(copy->getFieldValue("x"), "5");
    EXPECT_EQ(copy->getSchema(), body->getSchema());
    EXPECT_EQ(body->_dump(), "ComponentTemplate[body] {\n\tx => 1\n}");
}

} // namespace
} // namespace tarvex
