#include "ContentTestTypes.hpp"
#include "content/EntityTemplate.hpp"
#include "core/Error.hpp"

#include <gtest/gtest.h>

namespace tarvex {
namespace {

Ref<EntityTemplate> boat() {
    auto boat = EntityTemplate::Create("Boat", "the player", "Vessel");
    auto body = ComponentTemplate::Create(testing::makeSchema("Body", {"speed:float"}));
    body->_setFieldValue("speed", "3");
    boat->addComponentTemplate(body);
    boat->setCategory("player");
    return boat;
}

TEST(EntityTemplate, ComponentsAreFoundInAnyCase) {
    const auto template_ = boat();
    EXPECT_TRUE(template_->hasComponentTemplate("BODY"));
    EXPECT_TRUE(template_->getComponentTemplate("body"));
    EXPECT_FALSE(template_->getComponentTemplate(""));
    EXPECT_FALSE(template_->getComponentTemplate("sprite"));
    EXPECT_EQ(template_->getTemplateString("BoDy.speed"), "3");
    EXPECT_EQ(template_->getTemplateString("body.unset"), "");
    EXPECT_EQ(template_->getIdentifier(), "boat");
    EXPECT_TRUE(template_->inherits("VESSEL"));
    EXPECT_FALSE(template_->inherits(""));
}

TEST(EntityTemplate, UnknownComponentInTemplateStringRaisesWithItsName) {
    try {
        (void)boat()->getTemplateString("sprite.image");
        FAIL() << "no error raised";
    } catch (const Error& error) {
        EXPECT_STREQ(error.what(), "Could not find ComponentTemplate \"sprite\"");
    }
}

TEST(EntityTemplate, CloneCopiesComponentsDeeply) {
    const auto original = boat();
    original->_addTag("hero");
    const auto copy = original->clone();
    EXPECT_EQ(copy->getName(), "Boat");
    EXPECT_EQ(copy->getDescription(), "the player");
    EXPECT_EQ(copy->getParentTemplate(), "Vessel");
    EXPECT_EQ(copy->getCategory(), "player");
    EXPECT_EQ(copy->getTags(), original->getTags());
    ASSERT_EQ(copy->countComponents(), 1);
    copy->getComponentTemplate("body")->_setFieldValue("speed", "9");
    EXPECT_EQ(original->getTemplateString("body.speed"), "3");
    EXPECT_EQ(copy->getTemplateString("body.speed"), "9");
}

} // namespace
} // namespace tarvex
