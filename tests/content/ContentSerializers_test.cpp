#include "ContentTestTypes.hpp"
#include "content/ContentDbLoader.hpp"
#include "content/ContentSerializers.hpp"
#include "core/Error.hpp"
#include "core/TextObject.hpp"
#include "support/DebugLogCapture.hpp"

#include <gtest/gtest.h>

namespace tarvex {
namespace {

const char* const SCHEMAS = R"(
[t:component, n:ship]
{
    doc = A sailing ship;
    requires* = body;
    requires* = Sprite;
    internal* = cargo;
    [hull] { type = int; default = 100; doc = Hit points; }
    [speed] { type = float; default = 1.5; }
    [label] { type = string; default = nameless; }
}
[t:other, n:ignored] { }
[t:component, n:body] { requires = sprite; [x] { type = int; } }
)";

const char* const TEMPLATES = R"(
[t:template, n:Vessel]
{
    doc = Anything that floats;
    category_name = boats;
    [ship] { hull = 50; label* = a; label* = b; [cargo] { fish = 3; } [other] { x = 1; } }
    [wings] { span = 3; }
}
[t:template, n:Gunboat]
{
    specializes = Vessel;
    [ship] { speed = 2.25; }
}
)";

class ContentSerializersTest : public ::testing::Test {
protected:
    void SetUp() override {
        testing::registerContentTestTypes();
        const auto schemas = ContentDbLoader::loadComponentSchema(
            testing::memoryFile("serializers-schemas.brix", SCHEMAS));
        ASSERT_TRUE(schemas);
        for (const auto& schema : *schemas) {
            db->registerComponentSchema(schema);
        }
    }

    void loadTemplates() {
        reader.Load(db.get(), TextObject::Create(
                                  testing::memoryFile("serializers-templates.brix", TEMPLATES)));
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
    BrixContentDbSerializer reader;
};

TEST_F(ContentSerializersTest, SchemaGroupsBecomeSchemasInFileOrder) {
    EXPECT_EQ(db->getComponentSchemaList(), (std::vector<std::string>{"ship", "body"}));
    const auto ship = db->getComponentSchema("ship");
    EXPECT_EQ(ship->getDescription(), "A sailing ship");
    EXPECT_EQ(ship->getRequirements(), (std::vector<std::string>{"body", "sprite"}));
    EXPECT_EQ(ship->getInternals(), (std::vector<std::string>{"cargo"}));
    ASSERT_EQ(ship->countFields(), 3);
    EXPECT_EQ(ship->getFields()[0]->getName(), "hull");
    EXPECT_EQ(ship->getFields()[0]->getDataType(), "int");
    EXPECT_EQ(ship->getFields()[0]->getDefaultValue(), "100");
    EXPECT_EQ(ship->getFields()[0]->getDescription(), "Hit points");
    // "requires" counts only when written as an array.
    EXPECT_TRUE(db->getComponentSchema("body")->getRequirements().empty());
}

TEST_F(ContentSerializersTest, SchemaReaderTakesOnlyBrixFilesThatExist) {
    BrixComponentSchemaSerializer schemas;
    EXPECT_TRUE(schemas.canLoad("a.b.brix"));
    EXPECT_FALSE(schemas.canLoad("a.brix.txt"));
    EXPECT_FALSE(schemas.canLoad("brix"));
    EXPECT_FALSE(schemas.loadComponentSchema("/no/such/file.brix"));
    EXPECT_FALSE(ContentDbLoader::loadComponentSchema("components.json"));
}

TEST_F(ContentSerializersTest, TemplateGroupsAreRegisteredWithTheirComponents) {
    loadTemplates();
    ASSERT_EQ(db->countObjectTemplates(), 2);
    const auto vessel = db->getObjectTemplate("vessel");
    EXPECT_EQ(vessel->getDescription(), "Anything that floats");
    EXPECT_EQ(vessel->getCategory(), "boats");
    EXPECT_EQ(vessel->getParentTemplate(), "");
    EXPECT_EQ(db->getObjectTemplate("gunboat")->getParentTemplate(), "Vessel");
    const auto ship = vessel->getComponentTemplate("ship");
    EXPECT_EQ(ship->getFieldValue("hull"), "50");
    EXPECT_EQ(ship->getFieldValue("label"), ""); // an array entry
    // Only the schema's internal fields keep their nested group.
    const auto cargo = std::dynamic_pointer_cast<BrixGroup>(ship->getRawField("cargo"));
    ASSERT_TRUE(cargo);
    EXPECT_EQ(cargo->getFieldString("fish", 0, nullptr), "3");
    EXPECT_FALSE(ship->isFieldSet("other"));
}

TEST_F(ContentSerializersTest, ComponentOfAnUnknownSchemaIsLeftOutAndReportedByName) {
    testing::DebugLogCapture log;
    loadTemplates();
    EXPECT_FALSE(db->getObjectTemplate("vessel")->hasComponentTemplate("wings"));
    EXPECT_TRUE(log.contains("Unknown component schema \"wings\" in template \"Vessel\""));
}

TEST_F(ContentSerializersTest, EntitiesCopyTheirParentAndOverrideInPlace) {
    loadTemplates();
    db->buildTemplates();
    const auto entities = ContentDbLoader::loadEntityTemplates(
        *db, testing::memoryFile("serializers-entities.brix", R"(
[t:entity, n:Flagship] { specializes = gunboat; [ship] { label = flag; } [body] { x = 4; } }
[t:entity, n:Raft] { specializes = Vessel; }
)"));
    ASSERT_TRUE(entities);
    ASSERT_EQ(entities->size(), 2U);
    const auto& flagship = entities->at(0);
    EXPECT_EQ(flagship->getName(), "Flagship");
    EXPECT_EQ(flagship->getParentTemplate(), "gunboat");
    EXPECT_EQ(flagship->getTemplateString("ship.label"), "flag");
    EXPECT_EQ(flagship->getTemplateString("ship.speed"), "2.25");
    EXPECT_EQ(flagship->getTemplateString("ship.hull"), "50");
    EXPECT_EQ(flagship->getTemplateString("body.x"), "4");
    // The parent is untouched and the entities are not registered.
    EXPECT_EQ(db->getTemplateString("gunboat.ship.label"), "");
    EXPECT_FALSE(db->getObjectTemplate("Flagship"));
}

TEST_F(ContentSerializersTest, EntityErrorsNameTheMissingParent) {
    loadTemplates();
    EXPECT_EQ(raised([&] {
                  (void)reader.loadEntities(
                      db.get(), TextObject::Create(testing::memoryFile(
                                    "entity-no-parent.brix", "[t:entity, n:a] { doc = x; }")));
              }),
              "Cannot create an entity without a valid parent type");
    EXPECT_EQ(raised([&] {
                  (void)reader.loadEntities(
                      db.get(),
                      TextObject::Create(testing::memoryFile(
                          "entity-ghost.brix", "[t:entity, n:a] { specializes = Ghost; }")));
              }),
              "Could not spawn entity from undefined template: Ghost");
    EXPECT_FALSE(reader.loadEntities(
        db.get(), TextObject::Create(testing::memoryFile("entity-none.brix", TEMPLATES))));
}

TEST_F(ContentSerializersTest, LoadingErrorsCarryTheirMessages) {
    EXPECT_EQ(raised([&] { reader.Load(nullptr, TextObject::Create("x.brix")); }),
              "Attempted to load an invalid database");
    EXPECT_EQ(raised([&] { reader.Load(db.get(), TextObject::Create("/no/such/templates.brix")); }),
              "Couldn't load /no/such/templates.brix");
    EXPECT_EQ(raised([&] { (void)reader.loadEntities(nullptr, TextObject::Create("x.brix")); }),
              "Attempted to load an invalid database");
    EXPECT_EQ(raised([&] { reader.Save(db.get(), TextObject::Create("out.brix")); }),
              "Not yet implemented!");
}

TEST_F(ContentSerializersTest, OpenFileAnswersStreamsOfKnownSize) {
    EXPECT_TRUE(reader._openFile(testing::memoryFile("open-file.brix", "[a] { }")));
    EXPECT_FALSE(reader._openFile("/no/such/file.brix"));
}

} // namespace
} // namespace tarvex
