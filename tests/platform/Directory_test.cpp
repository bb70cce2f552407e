#include "platform/Directory.hpp"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace tarvex::platform {
namespace {

class DirectoryTest : public ::testing::Test {
protected:
    void SetUp() override {
        root = std::filesystem::temp_directory_path() /
               ("tarvex-directory-" +
                std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(root);
        std::filesystem::create_directories(root / "b-folder");
        for (const char* name : {"c.brix", "a.brix", "B.brix"}) {
            std::ofstream(root / name) << "x";
        }
    }
    void TearDown() override { std::filesystem::remove_all(root); }

    std::filesystem::path root;
};

TEST_F(DirectoryTest, ListsFilesAndFoldersSortedByName) {
    const auto entries = listDirectory(root.string());
    std::vector<std::string> names;
    for (const auto& entry : entries) {
        names.push_back(entry.name + (entry.isDirectory ? "/" : ""));
    }
    EXPECT_EQ(names, (std::vector<std::string>{"B.brix", "a.brix", "b-folder/", "c.brix"}));
}

TEST_F(DirectoryTest, MissingDirectoryListsNothing) {
    EXPECT_TRUE(listDirectory((root / "none").string()).empty());
    EXPECT_TRUE(listDirectory((root / "a.brix").string()).empty());
}

TEST_F(DirectoryTest, TellsFilesFromFolders) {
    EXPECT_TRUE(isFile((root / "a.brix").string()));
    EXPECT_FALSE(isFile((root / "b-folder").string()));
    EXPECT_TRUE(isDirectory((root / "b-folder").string()));
    EXPECT_FALSE(isDirectory((root / "a.brix").string()));
    EXPECT_FALSE(isFile(""));
    EXPECT_FALSE(isDirectory(""));
    EXPECT_FALSE(currentDirectory().empty());
}

} // namespace
} // namespace tarvex::platform
