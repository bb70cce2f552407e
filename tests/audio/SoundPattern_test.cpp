#include "audio/SoundPattern.hpp"

#include <gtest/gtest.h>
#include <string>

namespace tarvex {
namespace {

TEST(SoundPattern, StarStandsForAnyRunAlsoNone) {
    for (const char* name :
         {"depthrun.sounds.explode", "depthrun.sounds.explode1", "depthrun.sounds.explode_big"}) {
        EXPECT_TRUE(matchesSoundPattern(name, "depthrun.sounds.explode*")) << name;
    }
    EXPECT_FALSE(matchesSoundPattern("x.depthrun.sounds.explode1", "depthrun.sounds.explode*"));
    EXPECT_FALSE(matchesSoundPattern("depthrun.sounds.explod", "depthrun.sounds.explode*"));
    EXPECT_TRUE(matchesSoundPattern("ac", "a*c"));
    EXPECT_TRUE(matchesSoundPattern("abc", "a*c"));
    EXPECT_TRUE(matchesSoundPattern("abbc", "a*c"));
    EXPECT_FALSE(matchesSoundPattern("abcd", "a*c"));
    EXPECT_TRUE(matchesSoundPattern("anything", "*"));
    EXPECT_TRUE(matchesSoundPattern("abcbc", "*bc")) << "the star must give back what it took";
    EXPECT_TRUE(matchesSoundPattern("aXbXc", "a*b*c"));
    EXPECT_FALSE(matchesSoundPattern("aXbX", "a*b*c"));
}

TEST(SoundPattern, QuestionMarkStandsForExactlyOne) {
    EXPECT_TRUE(matchesSoundPattern("abc", "a?c"));
    EXPECT_FALSE(matchesSoundPattern("ac", "a?c"));
    EXPECT_FALSE(matchesSoundPattern("abcd", "a?c"));
    EXPECT_TRUE(matchesSoundPattern("splash2", "splash?"));
    EXPECT_TRUE(matchesSoundPattern("a", "?*"));
    EXPECT_FALSE(matchesSoundPattern("a", "??*"));
}

TEST(SoundPattern, BackslashMakesTheNextCharacterLiteral) {
    EXPECT_TRUE(matchesSoundPattern("a*", "a\\*"));
    EXPECT_FALSE(matchesSoundPattern("ab", "a\\*"));
    EXPECT_FALSE(matchesSoundPattern("a", "a\\*"));
    EXPECT_TRUE(matchesSoundPattern("a?", "a\\?"));
    EXPECT_FALSE(matchesSoundPattern("ab", "a\\?"));
    EXPECT_TRUE(matchesSoundPattern("a\\b", "a\\\\b"));
    EXPECT_TRUE(matchesSoundPattern("ab", "\\a\\b"))
        << "escaped ordinary characters are themselves";
    EXPECT_TRUE(matchesSoundPattern("a\\", "a\\")) << "a final backslash stands for itself";
    EXPECT_TRUE(matchesSoundPattern("x*y*z", "x\\*y*"));
}

TEST(SoundPattern, CaseEmptinessAndLongInputs) {
    EXPECT_FALSE(matchesSoundPattern("Depthrun.sounds.sonar", "depthrun.sounds.sonar"));
    EXPECT_TRUE(matchesSoundPattern("depthrun.sounds.sonar", "depthrun.sounds.sonar"));
    EXPECT_FALSE(matchesSoundPattern("", "*"));
    EXPECT_FALSE(matchesSoundPattern("a", ""));
    EXPECT_FALSE(matchesSoundPattern("", ""));
    // Many stars against a long near-miss: must answer promptly, not explore every split.
    const std::string text(5000, 'a');
    EXPECT_FALSE(matchesSoundPattern(text, "*a*a*a*a*a*a*a*a*a*a*a*b"));
    EXPECT_TRUE(matchesSoundPattern(text + "b", "*a*a*a*a*a*a*a*a*a*a*a*b"));
}

} // namespace
} // namespace tarvex
