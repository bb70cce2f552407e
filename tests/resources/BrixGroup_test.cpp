#include "core/TextObject.hpp"
#include "resources/BrixFileUtil.hpp"
#include "resources/BrixGroup.hpp"

#include <gtest/gtest.h>

namespace tarvex {
namespace {

TEST(BrixGroup, MetadataHeaderKeysAreLowerCasedAndNameComesFromN) {
    BrixGroup group;
    group.SetIdentifier("T: Resource ; N:Mine,extra, :x");
    EXPECT_EQ(group.getIdentifier(), "Mine");
    EXPECT_EQ(group.GetMeta("t"), "Resource");
    EXPECT_EQ(group.GetMeta("T"), "Resource");
    EXPECT_EQ(group.GetMeta("extra"), "");
    EXPECT_EQ(group.GetMeta(""), "x");

    BrixGroup unnamed;
    unnamed.SetIdentifier("t:resource");
    EXPECT_EQ(unnamed.getIdentifier(), "");
    group.SetMeta("Case", "kept");
    EXPECT_EQ(group.m_Meta.count("Case"), 1U);
}

TEST(BrixGroup, MetadataHeaderWithoutNameReadsTheNextHeaderToo) {
    BrixGroup probe; // the scanner's rule, shown through the file reader in BrixFile tests
    probe.SetIdentifier("t:a");
    probe.SetIdentifier("n:later");
    EXPECT_EQ(probe.getIdentifier(), "later");
    EXPECT_EQ(probe.GetMeta("t"), "a");
}

TEST(BrixGroup, ArrayCallOnPlainFieldTurnsItIntoAnArray) {
    BrixGroup group;
    group.AddField("f", "plain", false);
    group.AddField("f", "more", true);
    EXPECT_TRUE(group.FieldIsArray("f"));
    EXPECT_EQ(group.getFieldString("f", 0, nullptr), "more");
    EXPECT_EQ(group.CountFields(), 1);
    group.AddField("g*", "x", false); // a trailing star makes an array call
    group.AddField("g*", "y", false);
    EXPECT_TRUE(group.FieldIsArray("g*"));
    EXPECT_EQ(group.getFieldString("g*", 1, nullptr), "y");
    EXPECT_EQ(group.CountFields(), 2);
}

TEST(BrixGroup, FieldsDefaultWhenMissingAndNameInByteOrder) {
    BrixGroup group;
    group.AddField("b", "1", false);
    group.AddField("B", "2", false);
    group.AddField("a", "3", false);
    EXPECT_EQ(group.getFieldNames(), (std::vector<std::string>{"B", "a", "b"}));
    const auto fallback = TextObject::Create("default");
    EXPECT_EQ(group.getField("missing", -1, fallback), fallback);
    EXPECT_EQ(group.getFieldString("missing", -1, nullptr), "");
    EXPECT_EQ(group.getFieldString("b", 5, nullptr), "1"); // plain fields ignore the offset
    EXPECT_FALSE(group.FieldIsArray("missing"));
}

TEST(BrixGroup, ChildLookupByIdentifierAndIndex) {
    BrixGroup group;
    auto make = [](const std::string& header, bool array) {
        auto child = std::make_shared<BrixGroup>();
        child->SetIdentifier(header);
        child->m_IsArray = array ? 1 : 0;
        return child;
    };
    const auto plainFirst = make("p", false);
    group.AddChild(plainFirst);
    group.AddChild(make("p", false));
    const auto w0 = make("w", true);
    const auto w1 = make("w", true);
    group.AddChild(w0);
    group.AddChild(w1);
    group.AddChild(nullptr);

    EXPECT_EQ(group.CountChildren(), 4);
    EXPECT_NE(group.GetChild("p", 0), plainFirst); // the last one added under the name
    EXPECT_EQ(group.GetChild("w", -1), w1);
    EXPECT_EQ(group.GetChild("w", 0), w0);
    EXPECT_EQ(group.GetChild("w", 1), w1);
    EXPECT_EQ(group.GetChild("w", 2), nullptr);
    EXPECT_EQ(group.GetChild("w", BrixFile_Util::INVALID_OFFSET), nullptr);
    EXPECT_EQ(group.GetChild("x", -1), nullptr);
    EXPECT_EQ(group.GetChildren("")->getSize(), 4);
    EXPECT_EQ(group.GetChildren("w")->getSize(), 2);
    EXPECT_EQ(group.GetChildren("w")->get(0), w0);
    EXPECT_TRUE(group.GetChildren("none")->isEmpty());
}

} // namespace
} // namespace tarvex
