#include "platform/Stream.hpp"

#include <array>
#include <cstdio>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>

namespace tarvex::platform {
namespace {

std::string readText(Stream& stream) {
    const auto bytes = readAllBytes(stream, 1 << 20);
    return bytes ? std::string(bytes->begin(), bytes->end()) : std::string("<too big>");
}

TEST(MemoryStream, ReadsSeeksAndStopsAtTheEnd) {
    MemoryStream stream({'a', 'b', 'c', 'd'});
    char buffer[8] = {};
    EXPECT_EQ(stream.read(buffer, 3), 3u);
    EXPECT_EQ(std::string(buffer, 3), "abc");
    EXPECT_EQ(stream.read(buffer, 8), 1u);
    EXPECT_EQ(stream.read(buffer, 8), 0u);
    EXPECT_TRUE(stream.eof());
    EXPECT_TRUE(stream.seek(1));
    EXPECT_EQ(readText(stream), "bcd");
    EXPECT_FALSE(stream.seek(5));
    EXPECT_FALSE(stream.seek(-1));
    EXPECT_EQ(stream.position(), 4);
}

TEST(MemoryStream, WritesOnlyWhenOpenedForWriting) {
    MemoryStream readOnly({'x'});
    EXPECT_EQ(readOnly.write("yz", 2), 0u);
    EXPECT_EQ(readOnly.size(), 1);

    MemoryStream writeable({'x', 'y'}, true);
    ASSERT_TRUE(writeable.seek(1));
    EXPECT_EQ(writeable.write("YZ", 2), 2u);
    EXPECT_EQ(writeable.size(), 3);
    ASSERT_TRUE(writeable.seek(0));
    EXPECT_EQ(readText(writeable), "xYZ");
}

TEST(OpenStream, PlainNamesAreFilesAndMissingFilesAreNull) {
    const auto path = std::filesystem::temp_directory_path() / "tarvex_stream_test.txt";
    {
        auto out = openStream(path.string(), STREAM_WRITE);
        ASSERT_TRUE(out);
        EXPECT_EQ(out->write("hello", 5), 5u);
    }
    auto in = openStream(path.string());
    ASSERT_TRUE(in);
    EXPECT_EQ(in->size(), 5);
    EXPECT_EQ(readText(*in), "hello");
    std::filesystem::remove(path);

    EXPECT_FALSE(openStream(path.string()));
    EXPECT_FALSE(openStream(std::filesystem::temp_directory_path().string()))
        << "a directory is not a readable file";
    EXPECT_FALSE(openStream(""));
}

TEST(OpenStream, IncbinServesRegisteredBytesReadOnly) {
    static const std::array<std::uint8_t, 3> bytes = {1, 2, 3};
    registerIncbin("test-blob.bin", bytes);
    auto stream = openStream("incbin::test-blob.bin");
    ASSERT_TRUE(stream);
    EXPECT_EQ(stream->size(), 3);
    EXPECT_FALSE(openStream("incbin::test-blob.bin", STREAM_WRITE));
    EXPECT_FALSE(openStream("incbin::not-registered.bin"));
}

TEST(OpenStream, MemoryFilesGiveEachOpeningItsOwnCopy) {
    registerMemoryFile("notes.txt", {'a', 'b'});
    auto first = openStream("memory::notes.txt", STREAM_READ | STREAM_WRITE);
    ASSERT_TRUE(first);
    EXPECT_EQ(first->write("Z", 1), 1u);
    auto second = openStream("memory::notes.txt");
    ASSERT_TRUE(second);
    EXPECT_EQ(readText(*second), "ab");
}

TEST(OpenStream, SchemesGoToTheirFactoryWithTheRestOfTheNameAndTheMode) {
    std::string seenRest;
    int seenMode = 0;
    registerStreamScheme("probe", [&](const std::string& rest, int mode) -> Ref<Stream> {
        seenRest = rest;
        seenMode = mode;
        return std::make_shared<MemoryStream>(std::vector<std::uint8_t>{'!'});
    });
    auto stream = openStream("probe::pack.zip://a::b", STREAM_READ | STREAM_WRITE);
    ASSERT_TRUE(stream);
    EXPECT_EQ(seenRest, "pack.zip://a::b") << "only the first :: separates the scheme";
    EXPECT_EQ(seenMode, STREAM_READ | STREAM_WRITE);
    EXPECT_FALSE(openStream("nosuchscheme::file.txt"));
}

TEST(ReadAllBytes, RefusesStreamsLargerThanTheLimit) {
    MemoryStream stream(std::vector<std::uint8_t>(100, 7));
    EXPECT_FALSE(readAllBytes(stream, 99));
    ASSERT_TRUE(stream.seek(10));
    const auto rest = readAllBytes(stream, 90);
    ASSERT_TRUE(rest);
    EXPECT_EQ(rest->size(), 90u);
}

} // namespace
} // namespace tarvex::platform
