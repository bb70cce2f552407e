// Loading a database from directories, single files and archives.
#include "ContentTestTypes.hpp"
#include "content/ContentDbLoader.hpp"
#include "core/Error.hpp"
#include "resources/ZipArchive.hpp"
#include "support/DebugLogCapture.hpp"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace tarvex {
namespace {

class ContentDbLoaderTest : public ::testing::Test {
protected:
    void SetUp() override {
        testing::registerContentTestTypes();
        db->addComponentsFile(content + "/components.brix");
        db->loadComponentsFiles();
        scratch = std::filesystem::temp_directory_path() /
                  ("tarvex-content-" +
                   std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::remove_all(scratch);
        std::filesystem::create_directories(scratch);
    }
    void TearDown() override { std::filesystem::remove_all(scratch); }

    std::string write(const std::string& name, const std::string& bytes) {
        const auto path = scratch / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path.string();
    }

    std::vector<std::string> templateNames() const { return db->getObjectTemplateList(); }

    const std::string content = testing::samplesDirectory() + "/content";
    Ref<ContentDb> db = ContentDb::Create();
    std::filesystem::path scratch;
};

TEST_F(ContentDbLoaderTest, DirectoryIsWalkedDepthFirstInNameOrder) {
    testing::DebugLogCapture log;
    db->addTemplateDirectory(content + "/templates/");
    db->loadTemplates();
    EXPECT_TRUE(log.contains("Loading template: " + content + "/templates"));
    // navy/ sorts before vessels.brix.
    EXPECT_EQ(templateNames(), (std::vector<std::string>{"Flagship", "Vessel", "Gunboat"}));
}

TEST_F(ContentDbLoaderTest, SingleFileLoadsItsTemplates) {
    db->addTemplateDirectory(content + "/templates/vessels.brix");
    db->loadTemplates();
    EXPECT_EQ(templateNames(), (std::vector<std::string>{"Vessel", "Gunboat"}));
}

TEST_F(ContentDbLoaderTest, ArchiveLoadsEveryFileEntryAndSkipsDirectoryEntries) {
    testing::DebugLogCapture log;
    db->addTemplateArchive(content + "/templates.zip");
    db->loadTemplates();
    EXPECT_EQ(templateNames(), (std::vector<std::string>{"Vessel", "Gunboat", "Flagship", "Raft"}));
    EXPECT_TRUE(log.contains(" :: templates/vessels.brix"));
    EXPECT_FALSE(log.contains(" :: templates/"));
}

TEST_F(ContentDbLoaderTest, ZipPathLoadsOnlyEntriesUnderItsPrefix) {
    db->addTemplateArchive("zip::" + content + "/templates.zip://templates/navy");
    db->loadTemplates();
    EXPECT_EQ(templateNames(), (std::vector<std::string>{"Flagship"}));
}

TEST_F(ContentDbLoaderTest, FileWithTheZipSignatureIsReadAsAnArchive) {
    std::ifstream zip(content + "/templates.zip", std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(zip)),
                            std::istreambuf_iterator<char>());
    db->addTemplateDirectory(write("pack.brix", bytes));
    db->loadTemplates();
    EXPECT_EQ(db->countObjectTemplates(), 4);
}

TEST_F(ContentDbLoaderTest, EmptyOrMissingArchiveIsReported) {
    testing::DebugLogCapture log;
    const std::string empty =
        write("empty.zip", std::string("PK\x05\x06", 4) + std::string(18, '\0'));
    db->addTemplateArchive(empty);
    db->addTemplateArchive(scratch.string() + "/missing.zip");
    db->loadTemplates();
    EXPECT_TRUE(log.contains("No files in archive"));
    EXPECT_TRUE(
        log.contains("Could not open template archive \"" + scratch.string() + "/missing.zip\""));
    EXPECT_EQ(db->countObjectTemplates(), 0);
}

TEST_F(ContentDbLoaderTest, DamagedArchiveEntryIsNotLoaded) {
    std::ifstream zip(content + "/templates.zip", std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(zip)), std::istreambuf_iterator<char>());
    // Flip a byte inside the first compressed entry's data: its CRC no longer matches.
    const auto data = bytes.find("templates/vessels.brix") + 22 + 8;
    bytes[data] = static_cast<char>(bytes[data] ^ 0x5A);
    const auto archive = ZipArchive::open(write("damaged.zip", bytes));
    ASSERT_TRUE(archive);
    EXPECT_FALSE(archive->extract("templates/vessels.brix", ""));
    EXPECT_TRUE(archive->extract("extras/raft.brix", ""));
    EXPECT_FALSE(archive->extract("no/such/entry.brix", ""));
}

TEST_F(ContentDbLoaderTest, SchemasAndTemplatesMayComeFromZipPaths) {
    auto zipped = ContentDb::Create();
    zipped->addComponentsFile("zip::" + content + "/templates.zip://components.brix");
    zipped->loadComponentsFiles();
    zipped->addTemplateDirectory("zip::" + content + "/templates.zip://extras/");
    zipped->addTemplateDirectory("zip::" + content + "/templates.zip://templates/");
    zipped->loadTemplates();
    zipped->buildTemplates();
    EXPECT_EQ(zipped->getComponentSchemaList(), (std::vector<std::string>{"ship", "self_init"}));
    EXPECT_EQ(zipped->getTemplateString("raft.ship.hull"), "5");
    EXPECT_EQ(zipped->getTemplateString("raft.ship.label"), "vessel");
    EXPECT_EQ(zipped->getTemplateString("raft.ship.speed"), "1.5");
}

TEST_F(ContentDbLoaderTest, SchemaFileNoReaderTakesRaisesWithThePath) {
    const std::string json = write("components.json", "{}");
    db->addComponentsFile(json);
    try {
        db->loadComponentsFiles();
        FAIL() << "no error raised";
    } catch (const Error& error) {
        EXPECT_EQ(std::string(error.what()),
                  "Could not find ComponentSerializer from '" + json + "'");
    }
}

TEST_F(ContentDbLoaderTest, RelativeLocationsAreTakenFromTheWorkingDirectory) {
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(content);
    db->addTemplateDirectory("templates/navy/");
    db->loadTemplates();
    std::filesystem::current_path(previous);
    EXPECT_EQ(templateNames(), (std::vector<std::string>{"Flagship"}));
    EXPECT_EQ(ContentDbLoader::resolvePath("/abs/x"), "/abs/x");
    EXPECT_EQ(ContentDbLoader::resolvePath("../x"), previous.parent_path().string() + "/x");
    EXPECT_EQ(ContentDbLoader::resolvePath("memory::x"), "memory::x");
}

} // namespace
} // namespace tarvex
