#include "resources/ZipArchive.hpp"
#include "resources/ZipTestData.hpp"
#include "support/ScratchDirectory.hpp"

#include <gtest/gtest.h>
#include <string>

namespace tarvex {
namespace {

using testing::declareSize;
using testing::readFileBytes;
using testing::ScratchDirectory;
using testing::zipData;

std::string text(const std::optional<std::vector<std::uint8_t>>& bytes) {
    return bytes ? std::string(bytes->begin(), bytes->end()) : "<none>";
}

TEST(ZipArchive, ListsAndExtractsMembersOfAnArchiveMadeByZip) {
    const auto archive = ZipArchive::open(zipData("pack.zip"));
    ASSERT_TRUE(archive);
    EXPECT_EQ(archive->entryNames(),
              (std::vector<std::string>{"levels/resources.brix", "mail@home.txt", "lines.txt"}));
    EXPECT_EQ(text(archive->extract("mail@home.txt", "")), "sent from home\n");
    // Larger than one read chunk, and read more than once from the same archive.
    std::string lines;
    for (int i = 0; i < 12000; ++i) {
        lines += "depth charge away\n";
    }
    EXPECT_EQ(text(archive->extract("lines.txt", "")), lines);
    EXPECT_EQ(text(archive->extract("lines.txt", "")), lines);
    EXPECT_FALSE(archive->extract("LINES.TXT", "")) << "names compare case-sensitively";
    EXPECT_FALSE(archive->extract("absent.txt", ""));
}

TEST(ZipArchive, EncryptedMemberNeedsTheRightPassword) {
    const auto archive = ZipArchive::open(zipData("secret.zip"));
    ASSERT_TRUE(archive);
    EXPECT_NE(text(archive->extract("levels/resources.brix", "secret")).find("depthrun.levels"),
              std::string::npos);
    EXPECT_FALSE(archive->extract("levels/resources.brix", "wrong"));
    EXPECT_FALSE(archive->extract("levels/resources.brix", ""));
}

TEST(ZipArchive, StoredAndStreamedEncryptedMembersDecrypt) {
    // Stored without compression; and written from a pipe, where the check byte is taken from
    // the modification time because the CRC came after the data.
    const auto stored = ZipArchive::open(zipData("secret-stored.zip"));
    ASSERT_TRUE(stored);
    EXPECT_NE(text(stored->extract("levels/resources.brix", "secret")).find("depthrun.levels"),
              std::string::npos);
    EXPECT_FALSE(stored->extract("levels/resources.brix", "Secret"));
    const auto streamed = ZipArchive::open(zipData("secret-stream.zip"));
    ASSERT_TRUE(streamed);
    EXPECT_EQ(text(streamed->extract("-", "secret")), "abc");
    EXPECT_FALSE(streamed->extract("-", "wrong"));
}

TEST(ZipArchive, MemberPathsThatClimbOutGiveNothing) {
    const auto archive = ZipArchive::open(zipData("climbing.zip"));
    ASSERT_TRUE(archive);
    for (const auto& name : archive->entryNames()) {
        EXPECT_FALSE(archive->extract(name, "")) << name;
    }
    EXPECT_TRUE(ZipArchive::isSafeMemberPath("levels/resources.brix"));
    EXPECT_TRUE(ZipArchive::isSafeMemberPath("a..b/c.."));
    EXPECT_FALSE(ZipArchive::isSafeMemberPath(".."));
    EXPECT_FALSE(ZipArchive::isSafeMemberPath("a/../b"));
    EXPECT_FALSE(ZipArchive::isSafeMemberPath("a\\..\\b"));
    EXPECT_FALSE(ZipArchive::isSafeMemberPath(""));
    EXPECT_FALSE(ZipArchive::isSafeMemberPath(std::string("..\0x", 4)));
}

TEST(ZipArchive, AbsurdDeclaredSizesGiveNothing) {
    const ScratchDirectory scratch;
    const auto original = readFileBytes(zipData("pack.zip"));
    // Above the ceiling; below it but beyond what 30-odd compressed bytes inflate to; and just
    // one byte more than the member holds.
    for (const std::uint32_t size : {0xFFFFFFF0U, 50U << 20, 81U}) {
        auto bytes = original;
        declareSize(bytes, "levels/resources.brix", size);
        const auto archive = ZipArchive::open(scratch.write("sized.zip", bytes));
        ASSERT_TRUE(archive) << size;
        EXPECT_FALSE(archive->extract("levels/resources.brix", "")) << size;
        EXPECT_EQ(text(archive->extract("mail@home.txt", "")), "sent from home\n")
            << "the other members stay readable";
    }
}

TEST(ZipArchive, TruncatedOrDamagedArchivesGiveNothing) {
    const ScratchDirectory scratch;
    const auto original = readFileBytes(zipData("pack.zip"));
    ASSERT_FALSE(original.empty());
    for (std::size_t length = 0; length < original.size(); length += 7) {
        const std::vector<std::uint8_t> cut(original.begin(),
                                            original.begin() + static_cast<long>(length));
        EXPECT_FALSE(ZipArchive::open(scratch.write("cut.zip", cut))) << length;
    }
    // A flipped byte inside the compressed data of lines.txt: inflating fails or the CRC
    // disagrees.
    auto damaged = original;
    const std::string marker = "lines.txt";
    const auto header = std::search(damaged.begin(), damaged.end(), marker.begin(), marker.end());
    ASSERT_NE(header, damaged.end());
    *(header + static_cast<long>(marker.size()) + 20) ^= 0x55;
    const auto archive = ZipArchive::open(scratch.write("damaged.zip", damaged));
    ASSERT_TRUE(archive);
    EXPECT_FALSE(archive->extract("lines.txt", ""));
    EXPECT_FALSE(ZipArchive::open(zipData("no-such.zip")));
    EXPECT_FALSE(ZipArchive::open(std::string(TARVEX_TEST_DATA_DIR))) << "a directory";
}

TEST(ZipArchive, ReadsFromAnyStream) {
    auto bytes = readFileBytes(zipData("pack.zip"));
    const auto archive =
        ZipArchive::open(std::make_shared<platform::MemoryStream>(std::move(bytes)));
    ASSERT_TRUE(archive);
    EXPECT_EQ(text(archive->extract("mail@home.txt", "")), "sent from home\n");
    EXPECT_FALSE(ZipArchive::open(Ref<platform::Stream>()));
}

} // namespace
} // namespace tarvex
