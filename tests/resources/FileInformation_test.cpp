#include "resources/FileInformation.hpp"
#include "support/ScratchDirectory.hpp"

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <gtest/gtest.h>

namespace tarvex {
namespace {

using testing::ScratchDirectory;

// Writes a file whose modification time is `seconds` after 1970.
std::string fileWrittenAt(const ScratchDirectory& scratch, const std::string& name,
                          std::int64_t seconds) {
    const std::string path = scratch.write(name, {1, 2, 3});
    std::filesystem::last_write_time(
        path,
        std::chrono::file_clock::from_sys(std::chrono::sys_seconds(std::chrono::seconds(seconds))));
    return path;
}

class FileInformationTest : public ::testing::Test {
protected:
    void SetUp() override {
        const char* zone = std::getenv("TZ");
        _savedZone = zone != nullptr ? zone : "";
        _hadZone = zone != nullptr;
        setenv("TZ", "UTC", 1);
        tzset();
    }
    void TearDown() override {
        if (_hadZone) {
            setenv("TZ", _savedZone.c_str(), 1);
        } else {
            unsetenv("TZ");
        }
        tzset();
    }

private:
    std::string _savedZone;
    bool _hadZone = false;
};

TEST_F(FileInformationTest, SplitsTheModificationTimeWithoutLeadingZeros) {
    const ScratchDirectory scratch;
    // 3 February 2017, 04:05:06 UTC.
    const auto info = FileInformation::GetFileInfo(fileWrittenAt(scratch, "a.brix", 1486094706));
    EXPECT_EQ(info->longtime, 1486094706);
    EXPECT_EQ(info->year, 2017);
    EXPECT_EQ(info->Month, 2);
    EXPECT_EQ(info->day, 3);
    EXPECT_EQ(info->getTidyString_Time(), "4:5:6");
    EXPECT_EQ(info->getTidyString_Date(), "3/2/2017");
    EXPECT_EQ(info->toString(), "3/2/2017 4:5:6");
    EXPECT_EQ(info->name, (scratch.path() / "a.brix").string());
}

TEST_F(FileInformationTest, OrdersNewerFilesFirst) {
    const ScratchDirectory scratch;
    const auto older = FileInformation::GetFileInfo(fileWrittenAt(scratch, "old", 1000));
    const auto newer = FileInformation::GetFileInfo(fileWrittenAt(scratch, "new", 2000));
    EXPECT_LT(newer->compare(older), 0);
    EXPECT_GT(older->compare(newer), 0);
    EXPECT_EQ(older->compare(FileInformation::GetFileInfo(fileWrittenAt(scratch, "same", 1000))),
              0);
    EXPECT_EQ(older->compare(std::make_shared<Object>()), 0);
    EXPECT_EQ(older->compare(nullptr), 0);
}

TEST_F(FileInformationTest, MissingFileKeepsZeroTimes) {
    const auto info = FileInformation::GetFileInfo("no/such/file");
    EXPECT_EQ(info->longtime, 0);
    EXPECT_EQ(info->toString(), "0/0/0 0:0:0");
}

} // namespace
} // namespace tarvex
