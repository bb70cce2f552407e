#include "ContentTestTypes.hpp"
#include "content/ContentDb.hpp"
#include "core/Error.hpp"
#include "support/DebugLogCapture.hpp"

#include <gtest/gtest.h>

namespace tarvex {
namespace {

class ContentDbTest : public ::testing::Test {
protected:
    void SetUp() override {
        db->registerComponentSchema(body);
        db->registerComponentSchema(sprite);
    }

    // A template holding the given components, each with the given "field=value" entries.
    Ref<EntityTemplate>
    add(const std::string& name, const std::string& parent,
        const std::vector<std::pair<Ref<ComponentSchema>, std::vector<std::string>>>& parts = {}) {
        auto entityTemplate = EntityTemplate::Create(name, "", parent);
        for (const auto& [schema, values] : parts) {
            auto component = ComponentTemplate::Create(schema);
            for (const auto& value : values) {
                const auto equals = value.find('=');
                component->_setFieldValue(value.substr(0, equals), value.substr(equals + 1));
            }
            entityTemplate->addComponentTemplate(component);
        }
        db->registerGameObjectTemplate(entityTemplate);
        return entityTemplate;
    }

    std::string raised(const std::function<void()>& action) {
        try {
            action();
        } catch (const Error& error) {
            return error.what();
        }
        return "(nothing raised)";
    }

    Ref<ContentDb> db = ContentDb::Create();
    Ref<ComponentSchema> body =
        testing::makeSchema("Body", {"x:int=1", "y:int=2", "speed:float=0.5"});
    Ref<ComponentSchema> sprite = testing::makeSchema("sprite", {"image:string=none"});
};

TEST_F(ContentDbTest, ThreeLevelsDeepReceiveRootSchemaDefaultsThroughTheirParents) {
    // Registered child first: the build must still complete parents before children.
    add("Grandchild", "Child", {{body, {"speed=9"}}});
    add("Child", "Root", {{body, {"y=20"}}});
    add("Root", "", {{body, {"x=10"}}, {sprite, {}}});
    db->buildTemplates();
    EXPECT_EQ(db->getTemplateString("Grandchild.body.x"), "10");
    EXPECT_EQ(db->getTemplateString("Grandchild.body.y"), "20");
    EXPECT_EQ(db->getTemplateString("Grandchild.body.speed"), "9");
    EXPECT_EQ(db->getTemplateString("Grandchild.sprite.image"), "none");
    EXPECT_EQ(db->getTemplateString("Child.body.speed"), "0.5");
    EXPECT_EQ(db->getTemplateString("Root.body.y"), "2");
}

TEST_F(ContentDbTest, OverrideKeepsItsValueAndReceivesTheOtherFields) {
    add("Root", "", {{body, {"x=10", "y=11"}}});
    add("Child", "Root", {{body, {"x=99"}}});
    db->buildTemplates();
    EXPECT_EQ(db->getTemplateString("child.body.x"), "99");
    EXPECT_EQ(db->getTemplateString("child.body.y"), "11");
    EXPECT_EQ(db->getTemplateString("child.body.speed"), "0.5");
    EXPECT_EQ(db->getTemplateString("root.body.x"), "10");
}

TEST_F(ContentDbTest, ComponentOnlyTheChildHasIsNotFilledFromItsSchema) {
    add("Root", "", {{body, {}}});
    add("Child", "Root", {{sprite, {}}});
    db->buildTemplates();
    EXPECT_FALSE(
        db->getObjectTemplate("Child")->getComponentTemplate("sprite")->isFieldSet("image"));
    EXPECT_EQ(db->getTemplateString("Child.body.x"), "1");
}

TEST_F(ContentDbTest, ChildWithoutCategoryTakesTheParents) {
    add("Root", "")->setCategory("enemies");
    add("Child", "Root");
    add("Other", "Root")->setCategory("props");
    db->buildTemplates();
    EXPECT_EQ(db->getObjectTemplate("Child")->getCategory(), "enemies");
    EXPECT_EQ(db->getObjectTemplate("Other")->getCategory(), "props");
}

TEST_F(ContentDbTest, LookupsInAnotherCaseFindTheSameEntries) {
    const auto root = add("SubMarine", "", {{body, {}}});
    EXPECT_EQ(db->getObjectTemplate("SUBMARINE"), root);
    EXPECT_EQ(db->getObjectTemplate("submarine"), root);
    EXPECT_EQ(db->getComponentSchema("BODY"), body);
    EXPECT_FALSE(db->getObjectTemplate(""));
    EXPECT_EQ(db->getTemplatesWithComponent("Body").size(), 1U);
    EXPECT_EQ(db->getObjectTemplateList(), (std::vector<std::string>{"SubMarine"}));
    EXPECT_EQ(db->getComponentSchemaList(), (std::vector<std::string>{"Body", "sprite"}));
}

TEST_F(ContentDbTest, ErrorsNameWhatWasNotFound) {
    add("Root", "", {{body, {}}});
    EXPECT_EQ(raised([&] { (void)db->getTemplateString("Ghost.body.x"); }),
              "Could not find ObjectTemplate: Ghost");
    EXPECT_EQ(raised([&] { (void)db->getTemplateString("Root.wings.x"); }),
              "Could not find ComponentTemplate \"wings\"");
    EXPECT_EQ(raised([&] { db->registerComponentTemplate(ComponentTemplate::Create(body)); }),
              "Whoops!");
    EXPECT_EQ(db->registerGameObjectTemplate(nullptr), 0);
    EXPECT_EQ(db->registerComponentSchema(nullptr), 0);
}

TEST_F(ContentDbTest, TemplateWhoseParentIsMissingIsReportedByName) {
    testing::DebugLogCapture log;
    add("Orphan", "Ghost", {{body, {"x=5"}}});
    db->buildTemplates();
    EXPECT_TRUE(log.contains("Could not find parent template \"Ghost\" of template \"Orphan\""));
    EXPECT_FALSE(db->getObjectTemplate("Orphan")->getComponentTemplate("body")->isFieldSet("y"));
}

TEST_F(ContentDbTest, InheritanceCyclesAndDuplicateNamesEndTheBuild) {
    testing::DebugLogCapture log;
    add("A", "B");
    add("B", "A");
    add("Self", "Self");
    add("Twin", "", {{body, {}}});
    add("Twin", "Twin", {{body, {"x=7"}}}); // names its own duplicate as parent
    db->buildTemplates();
    EXPECT_TRUE(log.contains("Template \"A\" was not built: its parent templates form a cycle"));
    EXPECT_TRUE(log.contains("Template \"Self\" was not built: its parent templates form a cycle"));
    EXPECT_EQ(db->getTemplateString("Twin.body.x"), "7");
}

TEST_F(ContentDbTest, LongInheritanceChainBuildsWithoutDeepRecursion) {
    add("T0", "", {{body, {"x=42"}}});
    constexpr int depth = 20000;
    for (int i = 1; i <= depth; ++i) {
        add("T" + std::to_string(i), "T" + std::to_string(i - 1));
    }
    db->buildTemplates();
    EXPECT_EQ(db->getTemplateString("T" + std::to_string(depth) + ".body.x"), "42");
}

TEST_F(ContentDbTest, BuildingBelowOneParentLeavesOtherTemplatesAlone) {
    add("Root", "", {{body, {}}});
    add("Child", "Root");
    add("Other", "", {{body, {}}});
    db->buildChildTemplates("Root");
    EXPECT_EQ(db->getObjectTemplate("Child")->countComponents(), 1);
    EXPECT_FALSE(db->getObjectTemplate("Other")->getComponentTemplate("body")->isFieldSet("x"));
    db->LEGACY_buildChildTemplates("");
    EXPECT_EQ(db->getTemplateString("Other.body.x"), "1");
}

TEST_F(ContentDbTest, AddingAnInvalidComponentsFileRaisesWithThePath) {
    EXPECT_EQ(raised([&] { db->addComponentsFile("/no/such/components.brix"); }),
              "Attempted to add invalid file '/no/such/components.brix'");
    db->addComponentsFile("memory::anything.brix"); // stream URLs are taken as they are
}

} // namespace
} // namespace tarvex
