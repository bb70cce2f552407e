// Reading resource definition files: names, types, files, settings, nested groups, includes
// and files that cannot be read.
#include "ResourceTestSupport.hpp"
#include "ZipTestData.hpp"
#include "resources/BrixResourceFileSerializer.hpp"

#include <gtest/gtest.h>

namespace tarvex {
namespace {

ResourceFileSerializer::Definitions read(const std::string& file) {
    BrixResourceFileSerializer serializer;
    serializer.init(file);
    return serializer.getResources();
}

TEST(BrixResourceFileSerializer, ReadsNamesTypesFilesSettingsAndNestedGroups) {
    const auto file = testing::memoryText("ser/a/resources.brix", R"(
        [resources] {
            namespace = depthrun.objects;
            default_type = image;
            [t:resource, n:mine] { file = mine.png; frames* = 1; frames* = 2; width = 9; }
            [mine_layer] { type = sound; }     // no "t": not a definition
            [t:resource, n:spin] {
                type = animation; name = ignored; loop = forever;
                [animation_frames] { default = 0, 1; flash = 1; }
                [extra] { x = 1; }
            }
        })");
    const auto definitions = read(file);
    ASSERT_EQ(definitions.size(), 2u);

    const auto& mine = *definitions[0];
    EXPECT_EQ(mine.getFullName(), "depthrun.objects.mine");
    EXPECT_EQ(mine.getResourceType(), "image");
    EXPECT_EQ(mine.getFileName(), "memory::ser/a/mine.png");
    EXPECT_EQ(mine.getSourceFile(), file);
    EXPECT_TRUE(mine.namesFile());
    EXPECT_EQ(mine.getDetails(),
              (ResourceDefinition::FieldMap{{"frames", ""}, {"width", "9"}})); // arrays as ""
    EXPECT_EQ(mine.getField("height", "7"), "7");

    const auto& spin = *definitions[1];
    EXPECT_EQ(spin.getResourceType(), "animation");
    EXPECT_EQ(spin.getFileName(), file); // no file: the definition file itself
    EXPECT_FALSE(spin.namesFile());
    EXPECT_EQ(spin.getDetails(), (ResourceDefinition::FieldMap{{"loop", "forever"}}));
    EXPECT_EQ(spin.getDataFields(), (std::vector<std::string>{"animation_frames", "extra"}));
    ASSERT_NE(spin.getData("animation_frames"), nullptr);
    EXPECT_EQ(spin.getData("animation_frames")->at("default"), "0, 1");
    EXPECT_EQ(spin.getData("nothing"), nullptr);
}

TEST(BrixResourceFileSerializer, IncludesComeFirstAndResolveAgainstTheTopDirectory) {
    testing::memoryText("ser/top/sub/more.brix", R"([resources] {
        namespace = more; include = ../deep.brix;
        [t:resource, n:pic] { type = image; file = pic.png; } })");
    // Named relative to the top file's directory, not to sub/ where more.brix lives.
    testing::memoryText("ser/top/../deep.brix", R"([resources] {
        namespace = deep; [t:resource, n:x] { type = image; } })");
    testing::memoryText("ser/top/other.brix", R"([resources] {
        namespace = other; [t:resource, n:y] { type = image; } })");
    const auto top = testing::memoryText("ser/top/resources.brix", R"([resources] {
        namespace = top;
        include* = sub/more.brix;
        include* = other.brix;
        [t:resource, n:z] { type = image; } })");

    std::vector<std::string> names;
    for (const auto& definition : read(top)) {
        names.push_back(definition->getFullName());
    }
    EXPECT_EQ(names, (std::vector<std::string>{"deep.x", "more.pic", "other.y", "top.z"}));
    EXPECT_EQ(read(top)[1]->getFileName(), "memory::ser/top/pic.png");
}

TEST(BrixResourceFileSerializer, UnreadableFilesAreReportedAndYieldNothing) {
    ::testing::internal::CaptureStderr();
    EXPECT_TRUE(read("memory::ser/missing/resources.brix").empty());
    EXPECT_TRUE(read(testing::memoryText("ser/empty.brix", "[other] { a = 1; }")).empty());
    // A missing include is reported; the including file's own definitions are still read.
    const auto defs = read(testing::memoryText("ser/inc/resources.brix",
                                               "[resources] { include = gone.brix; namespace = n;"
                                               " [t:r, n:kept] { type = image; } }"));
    EXPECT_EQ(::testing::internal::GetCapturedStderr(),
              "Could not open resource file: memory::ser/missing/resources.brix\n"
              "Resource file has no resources group: memory::ser/empty.brix\n"
              "Could not open resource file: memory::ser/inc/gone.brix\n");
    ASSERT_EQ(defs.size(), 1u);
    EXPECT_EQ(defs[0]->getFullName(), "n.kept");
}

TEST(BrixResourceFileSerializer, IncludeCyclesAreReportedAndBroken) {
    testing::memoryText("ser/cycle/b.brix", R"([resources] { namespace = b; include = a.brix;
        [t:r, n:one] { type = image; } })");
    const auto a = testing::memoryText("ser/cycle/a.brix", R"([resources] { namespace = a;
        include* = b.brix; include* = a.brix; [t:r, n:one] { type = image; } })");
    ::testing::internal::CaptureStderr();
    const auto defs = read(a);
    const std::string errors = ::testing::internal::GetCapturedStderr();
    ASSERT_EQ(defs.size(), 2u);
    EXPECT_EQ(defs[0]->getFullName(), "b.one");
    EXPECT_EQ(defs[1]->getFullName(), "a.one");
    EXPECT_EQ(errors, "Resource file includes itself: memory::ser/cycle/a.brix\n"
                      "Resource file includes itself: memory::ser/cycle/a.brix\n");
}

TEST(BrixResourceFileSerializer, ReadsADefinitionFileInsideAnArchive) {
    testing::registerResourceTestTypes(); // registers the "zip::" scheme
    const std::string file = "zip::" + testing::zipData("pack.zip") + "://levels/resources.brix";
    BrixResourceFileSerializer serializer;
    serializer.init(file);
    ::testing::internal::CaptureStderr();
    EXPECT_TRUE(serializer.getResources().empty()); // the member declares no resource
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
    // Assets named in it would be members of the same archive.
    EXPECT_EQ(serializer._baseDirectory(), "zip::" + testing::zipData("pack.zip") + "://levels/");
}

TEST(BrixResourceFileSerializer, BareFileNameResolvesInTheCurrentDirectory) {
    BrixResourceFileSerializer serializer;
    serializer.init("resources.brix");
    EXPECT_EQ(serializer._baseDirectory(), "");
    serializer.init("resource_db/ui/resources.brix");
    EXPECT_EQ(serializer._baseDirectory(), "resource_db/ui/");
}

TEST(BrixResourceFileSerializer, FileIsReadOnceOnTheFirstRequest) {
    const auto file = testing::memoryText("ser/once.brix", "[resources] { [t:r, n:a] {} }");
    BrixResourceFileSerializer serializer;
    serializer.init(file);
    EXPECT_FALSE(serializer.isLoaded());
    EXPECT_EQ(serializer.getResources().size(), 1u);
    EXPECT_TRUE(serializer.isLoaded());
    EXPECT_EQ(serializer.getResources().size(), 1u);
    EXPECT_EQ(serializer.getResources()[0]->getFullName(), ".a"); // no namespace
}

} // namespace
} // namespace tarvex
