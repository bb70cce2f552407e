#include "resources/BrixByteReader.hpp"

#include <gtest/gtest.h>
#include <string>

namespace tarvex {
namespace {

// Hands out one byte per read, as a pipe or an archive member might.
class TrickleStream : public platform::MemoryStream {
public:
    explicit TrickleStream(const std::string& text)
        : MemoryStream(std::vector<std::uint8_t>(text.begin(), text.end())) {}
    std::size_t read(void* buffer, std::size_t size) override {
        return MemoryStream::read(buffer, size == 0 ? 0 : 1);
    }
};

TEST(BrixByteReader, PeekAndPutBackWorkAcrossBlockBoundaries) {
    TrickleStream stream("ab");
    BrixByteReader reader(stream);
    EXPECT_EQ(reader.get(), 'a');
    EXPECT_EQ(reader.peek(), 'b');
    reader.unget('a');
    EXPECT_EQ(reader.peek(), 'a');
    EXPECT_EQ(reader.get(), 'a');
    EXPECT_EQ(reader.get(), 'b');
    EXPECT_EQ(reader.peek(), BrixByteReader::END);
    EXPECT_EQ(reader.get(), BrixByteReader::END);
    reader.unget('b');
    EXPECT_EQ(reader.get(), 'b');
    EXPECT_TRUE(reader.atEnd());
}

TEST(BrixByteReader, HighBytesAreCharactersNotEnd) {
    const std::string text = "\xff\x80";
    auto stream = platform::MemoryStream(std::vector<std::uint8_t>(text.begin(), text.end()));
    BrixByteReader reader(stream);
    EXPECT_EQ(reader.get(), 0xFF);
    EXPECT_EQ(reader.get(), 0x80);
    EXPECT_EQ(reader.get(), BrixByteReader::END);
}

TEST(BrixByteReader, StopEndsTheInputAtOnce) {
    auto stream = platform::MemoryStream(std::vector<std::uint8_t>{'x', 'y'});
    BrixByteReader reader(stream);
    reader.unget(reader.get());
    reader.stop();
    EXPECT_EQ(reader.peek(), BrixByteReader::END);
    EXPECT_EQ(reader.get(), BrixByteReader::END);
}

} // namespace
} // namespace tarvex
