#include "resources/BrixFileUtil.hpp"

#include <gtest/gtest.h>

namespace tarvex {
namespace {

TEST(BrixFileUtil, SegmentNameStopsAtTheIndex) {
    EXPECT_EQ(BrixFile_Util::GetName("frames[2]"), "frames");
    EXPECT_EQ(BrixFile_Util::GetName("frames"), "frames");
    EXPECT_EQ(BrixFile_Util::GetName("[3]"), "");
}

TEST(BrixFileUtil, OffsetIsTheConvertedIndexOrInvalid) {
    EXPECT_EQ(BrixFile_Util::GetOffset("frames"), BrixFile_Util::INVALID_OFFSET);
    EXPECT_EQ(BrixFile_Util::GetOffset("frames[2]"), 2);
    EXPECT_EQ(BrixFile_Util::GetOffset("frames[$10]"), 16);
    EXPECT_EQ(BrixFile_Util::GetOffset("frames[-1]"), BrixFile_Util::INVALID_OFFSET);
    EXPECT_EQ(BrixFile_Util::GetOffset("frames[x]"), 0);
    EXPECT_EQ(BrixFile_Util::GetOffset("frames[7"), 7);
    EXPECT_TRUE(BrixFile_Util::HasOffset("a[x]"));
    EXPECT_FALSE(BrixFile_Util::HasOffset("a"));
}

TEST(BrixFileUtil, AssembledQueryDropsTheFirstSegment) {
    EXPECT_EQ(BrixFile_Util::AssembleQuery({"a", "b", "c"}), "b.c");
    EXPECT_EQ(BrixFile_Util::AssembleQuery({"a", ""}), "");
    EXPECT_EQ(BrixFile_Util::AssembleQuery({"a"}), "");
    EXPECT_EQ(BrixFile_Util::AssembleQuery({}), "");
}

TEST(BrixFileUtil, TrimTreatsHighBytesAsText) {
    EXPECT_EQ(BrixFile_Util::Trim(" \t\x01x y\r "), "x y");
    EXPECT_EQ(BrixFile_Util::Trim("\xe9t\xe9"), "\xe9t\xe9");
    EXPECT_EQ(BrixFile_Util::Trim("   "), "");
    EXPECT_EQ(BrixFile_Util::Split("a..b", '.').size(), 3U);
}

} // namespace
} // namespace tarvex
