// String tables: "key = value" files and tables made of the definition's settings.
#include "ResourceTestSupport.hpp"
#include "resources/ResourceManager.hpp"
#include "resources/StringTableResource.hpp"

#include <gtest/gtest.h>

namespace tarvex {
namespace {

Ref<StringTable> table(const std::string& body) {
    testing::registerResourceTestTypes();
    const auto file = testing::memoryText("str/resources.brix",
                                          "[resources] { namespace = s; default_type = stringtable;"
                                          "[t:resource, n:it] {" +
                                              body + "} }");
    ResourceManager manager;
    manager.loadResources(file, true);
    const auto resource =
        std::dynamic_pointer_cast<StringTableResource>(manager.getResource("s.it", false));
    return resource ? resource->getTable() : nullptr;
}

TEST(StringTableResource, LinesSplitAtTheFirstEqualsAndAreTrimmed) {
    testing::memoryText("str/words.txt", "title = Depth charge\r\n"
                                         "  sum=1+1=2\n"
                                         "loose words \n"
                                         "title = Depth charge 2\n");
    const auto words = table("file = words.txt;");
    ASSERT_TRUE(words);
    EXPECT_EQ(words->get("title"), "Depth charge 2"); // the later line wins
    EXPECT_EQ(words->get("sum"), "1+1=2");
    EXPECT_EQ(words->get(""), "loose words");
    EXPECT_EQ(words->get("missing"), "");
    EXPECT_EQ(words->entries().size(), 3u);
}

TEST(StringTableResource, WithoutFileTheSettingsAreTheTable) {
    const auto labels = table("title = Depth charge; score = Score;");
    ASSERT_TRUE(labels);
    EXPECT_EQ(labels->get("title"), "Depth charge");
    EXPECT_EQ(labels->get("score"), "Score");
    EXPECT_EQ(labels->entries().size(), 2u);
}

TEST(StringTableResource, MissingFileGivesNoTable) {
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(table("file = gone.txt;"));
    EXPECT_NE(::testing::internal::GetCapturedStderr().find("memory::str/gone.txt"),
              std::string::npos);
}

TEST(StringTable, SetReplacesAndChains) {
    StringTable strings;
    strings.set("a", "1").set("a", "2").set("b", "3");
    EXPECT_EQ(strings.get("a"), "2");
    EXPECT_EQ(strings.get("b"), "3");
}

} // namespace
} // namespace tarvex
