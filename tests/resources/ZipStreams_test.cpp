#include "core/Error.hpp"
#include "core/TypeRegistry.hpp"
#include "resources/BrixFile.hpp"
#include "resources/FileTypes.hpp"
#include "resources/ZipStreams.hpp"
#include "resources/ZipTestData.hpp"
#include "support/DebugLogCapture.hpp"

#include <gtest/gtest.h>
#include <string>

namespace tarvex {
namespace {

using testing::DebugLogCapture;
using testing::zipData;

class ZipStreams : public ::testing::Test {
protected:
    void SetUp() override { registerZipStreams(); }

    static std::string content(const std::string& url) {
        const auto stream = platform::openStream(url);
        if (!stream) {
            return "<null>";
        }
        const auto bytes = platform::readAllBytes(*stream, 1 << 20);
        return bytes ? std::string(bytes->begin(), bytes->end()) : "<unreadable>";
    }
};

TEST_F(ZipStreams, ZipSchemeOpensAMemberForAnyReader) {
    const auto file = BrixFile::Load("zip::" + zipData("pack.zip") + "://levels/resources.brix");
    ASSERT_TRUE(file);
    EXPECT_EQ(file->queryString("resources.namespace"), "depthrun.levels");
    EXPECT_EQ(content("zip::" + zipData("pack.zip") + "://absent.brix"), "<null>");
    EXPECT_EQ(content("zip::" + zipData("absent.zip") + "://levels/resources.brix"), "<null>");
    EXPECT_EQ(content("zip::" + zipData("pack.zip")), "<null>") << "no member part";
    EXPECT_EQ(content("zip::" + zipData("climbing.zip") + "://../escape.brix"), "<null>");
}

TEST_F(ZipStreams, TextBeforeAnAtSignIsThePassword) {
    const std::string member = zipData("secret.zip") + "://levels/resources.brix";
    EXPECT_NE(content("zip::secret@" + member).find("depthrun.levels"), std::string::npos);
    EXPECT_EQ(content("zip::wrong@" + member), "<null>");
    EXPECT_EQ(content("zip::" + member), "<null>");
    // An at sign after "://" is part of the member path, and no password is used.
    EXPECT_EQ(content("zip::" + zipData("pack.zip") + "://mail@home.txt"), "sent from home\n");
    // A password given for a member that has none does no harm.
    EXPECT_EQ(content("zip::x@" + zipData("pack.zip") + "://mail@home.txt"), "sent from home\n");
}

TEST_F(ZipStreams, ZipSchemeIsReadOnly) {
    const std::string url = "zip::" + zipData("pack.zip") + "://mail@home.txt";
    try {
        (void)platform::openStream(url, platform::STREAM_WRITE);
        FAIL() << "writing was accepted";
    } catch (const Error& error) {
        EXPECT_STREQ(error.what(), "The zip:: protocol does not support writing");
    }
    const auto both = platform::openStream(url, platform::STREAM_READ | platform::STREAM_WRITE);
    ASSERT_TRUE(both);
    EXPECT_EQ(both->write("x", 1), 0U);
    EXPECT_EQ(both->size(), 15);
}

TEST_F(ZipStreams, ZipeSchemeTakesArchiveMemberAndPassword) {
    EXPECT_EQ(content("zipe::" + zipData("pack.zip") + "::mail@home.txt"), "sent from home\n");
    EXPECT_NE(content("zipe::" + zipData("secret.zip") + "::levels/resources.brix::secret")
                  .find("depthrun.levels"),
              std::string::npos);
    EXPECT_EQ(content("zipe::" + zipData("secret.zip") + "::levels/resources.brix::wrong"),
              "<null>");
}

TEST_F(ZipStreams, ZipeSchemeReportsItsTroublesOnTheDebugLog) {
    const std::string syntax =
        "Invalid syntax for URL (ex. zipe::zipfilename::file_in_zip::password)";
    for (const std::string& rest : {zipData("pack.zip"), zipData("pack.zip") + "::a::b::c"}) {
        const DebugLogCapture log;
        EXPECT_EQ(content("zipe::" + rest), "<null>") << rest;
        EXPECT_EQ(log.lines(), std::vector<std::string>{syntax}) << rest;
    }
    {
        const DebugLogCapture log;
        EXPECT_EQ(content("zipe::no-such.zip::a.txt"), "<null>");
        EXPECT_EQ(log.lines(), std::vector<std::string>{"unable to open zip no-such.zip"});
    }
    {
        const DebugLogCapture log;
        const auto stream = platform::openStream("zipe::" + zipData("pack.zip") + "::mail@home.txt",
                                                 platform::STREAM_WRITE);
        ASSERT_TRUE(stream) << "writing carries on read-only";
        EXPECT_EQ(stream->write("x", 1), 0U);
        EXPECT_TRUE(log.contains("WARNING: ZipEngine streams are read-only"));

        EXPECT_TRUE(stream->seek(15));
        EXPECT_FALSE(stream->seek(16));
        EXPECT_TRUE(log.contains("Unable to find file"));
        EXPECT_EQ(stream->position(), 15);
    }
}

TEST(FileTypes, RegistersTheClassesAndTheZipSchemes) {
    registerFileTypes();
    for (const char* name : {"FileInformation", "ZipArchive", "ZipEngineStream"}) {
        EXPECT_NE(TypeRegistry::instance().findByName(name), nullptr) << name;
    }
    EXPECT_TRUE(platform::openStream("zip::" + zipData("pack.zip") + "://mail@home.txt"));
}

} // namespace
} // namespace tarvex
