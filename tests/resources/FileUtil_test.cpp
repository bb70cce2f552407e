#include "resources/AssemblyInfo.hpp"
#include "resources/FileUtil.hpp"

#include <cstdlib>
#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace tarvex {
namespace {

TEST(File_Util, PathCombineClimbsAndJoinsWithOneSeparator) {
    EXPECT_EQ(File_Util::PathCombine("data/levels", "../ui/a.brix"), "data/ui/a.brix");
    EXPECT_EQ(File_Util::PathCombine("data/", "/x"), "data/x");
    EXPECT_EQ(File_Util::PathCombine("", "x"), "x");
    EXPECT_EQ(File_Util::PathCombine("data", "x"), "data/x");
    EXPECT_EQ(File_Util::PathCombine("data/", "x"), "data/x");
    EXPECT_EQ(File_Util::PathCombine("data", "/x"), "data/x");
    EXPECT_EQ(File_Util::PathCombine("a/b/c", "../../x"), "a/x");
    EXPECT_EQ(File_Util::PathCombine("a\\b", "..\\x"), "a/x");
    EXPECT_EQ(File_Util::PathCombine("a\\b\\", "x"), "a\\b\\x");
}

TEST(File_Util, ClimbingNeverTurnsARelativePathAbsoluteOrClimbsTwice) {
    // A trailing separator does not count as a directory of its own.
    EXPECT_EQ(File_Util::PathCombine("data/levels/", "../ui/a.brix"), "data/ui/a.brix");
    // Climbing out of the whole base leaves the relative path alone, not "/x".
    EXPECT_EQ(File_Util::PathCombine("data", "../x"), "x");
    EXPECT_EQ(File_Util::PathCombine("data", "../../x"), "../x");
    EXPECT_EQ(File_Util::PathCombine("/data", "../x"), "/x");
    EXPECT_EQ(File_Util::PathCombine("../a", "../../x"), "../../x");
}

// Sets an environment variable for the life of the object, then restores (or unsets) it.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const std::string& value) : _name(name) {
        if (const char* old = std::getenv(name)) {
            _saved = old;
        }
        setenv(name, value.c_str(), 1);
    }
    ~ScopedVariable() {
        if (_saved) {
            setenv(_name, _saved->c_str(), 1);
        } else {
            unsetenv(_name);
        }
    }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

private:
    const char* _name;
    std::optional<std::string> _saved;
};

TEST(File_Util, TempDirPrefersTempThenTmp) {
    const ScopedVariable temp("TEMP", "");
    const ScopedVariable tmp("TMP", "");
    setenv("TEMP", "/from/temp", 1);
    setenv("TMP", "/from/tmp", 1);
    EXPECT_EQ(File_Util::GetTempDir(), "/from/temp");
    setenv("TEMP", "", 1);
    EXPECT_EQ(File_Util::GetTempDir(), "/from/tmp");
    setenv("TMP", "", 1);
    EXPECT_FALSE(File_Util::GetTempDir().empty()) << "the system's temporary directory";
}

TEST(File_Util, SettingsLiveInTheApplicationDataDirectory) {
    const ScopedVariable config("XDG_CONFIG_HOME", "/home/p/.config");
    EXPECT_EQ(File_Util::GetSettingsDirectory("depthrun", "scores"),
              "/home/p/.config/depthrun/scores");
}

TEST(AssemblyInfo, NamesTheProduct) {
    EXPECT_STREQ(AssemblyInfo::Name, "Depthrun 2000");
    EXPECT_STREQ(AssemblyInfo::Version, "0.1.0");
    EXPECT_STREQ(AssemblyInfo::Date, "February 28th, 2017");
}

} // namespace
} // namespace tarvex
