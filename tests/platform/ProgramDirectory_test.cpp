#include "platform/ProgramDirectory.hpp"

#include <filesystem>
#include <gtest/gtest.h>

namespace tarvex::platform {
namespace {

TEST(ProgramDirectory, IsTheDirectoryOfTheRunningProgram) {
    const std::filesystem::path directory = programDirectory();
    EXPECT_TRUE(std::filesystem::exists(directory / "test_platform"));
    EXPECT_NE(programDirectory().back(), '/');
}

TEST(ProgramDirectory, CanBePointedElsewhereAndBack) {
    const std::string real = programDirectory();
    overrideProgramDirectory("/tmp/game//");
    EXPECT_EQ(programDirectory(), "/tmp/game");
    overrideProgramDirectory("");
    EXPECT_EQ(programDirectory(), real);
}

} // namespace
} // namespace tarvex::platform
