// Cutting a byte stream into whole messages, whatever the pieces it arrives in.
#include "network/MessageOut.hpp"
#include "network/MessageReader.hpp"

#include <gtest/gtest.h>

namespace tarvex {
namespace {

ByteBuffer messageBytes(std::int32_t action, std::int32_t value, bool packed = false) {
    auto message = MessageOut::Create(action, packed);
    message->WriteInt(value);
    message->WriteString("payload");
    return message->toBuffer();
}

TEST(MessageReader, MessageFedOneByteAtATimeAppearsOnlyWhenWhole) {
    MessageReader reader;
    const auto bytes = messageBytes(4, 77);
    for (std::size_t i = 0; i + 1 < bytes.size(); ++i) {
        reader.append(std::span(bytes).subspan(i, 1));
        EXPECT_FALSE(reader.hasMessage()) << "after " << i + 1 << " bytes";
        EXPECT_FALSE(reader.next().has_value());
    }
    reader.append(std::span(bytes).last(1));
    const auto whole = reader.next();
    ASSERT_TRUE(whole.has_value());
    EXPECT_EQ(*whole, bytes);
    EXPECT_EQ(reader.pending(), 0U);
}

TEST(MessageReader, SeveralMessagesInOneReadComeOutInOrder) {
    MessageReader reader;
    ByteBuffer stream;
    for (int i = 0; i < 5; ++i) {
        const auto bytes = messageBytes(1, i, i % 2 == 1);
        stream.insert(stream.end(), bytes.begin(), bytes.end());
    }
    const auto half = stream.size() / 2 + 3; // cuts a message in two
    reader.append(std::span(stream).first(half));
    int seen = 0;
    while (auto bytes = reader.next()) {
        EXPECT_EQ(*bytes, messageBytes(1, seen, seen % 2 == 1));
        ++seen;
    }
    EXPECT_LT(seen, 5);
    reader.append(std::span(stream).subspan(half));
    while (auto bytes = reader.next()) {
        EXPECT_EQ(*bytes, messageBytes(1, seen, seen % 2 == 1));
        ++seen;
    }
    EXPECT_EQ(seen, 5);
}

TEST(MessageReader, UntrustedHeaderStopsTheStream) {
    MessageReader reader;
    auto bytes = messageBytes(1, 1);
    writeLittleInt(std::span(bytes).subspan(5), -20);
    reader.append(bytes);
    EXPECT_FALSE(reader.hasMessage());
    EXPECT_TRUE(reader.failed());
    reader.append(messageBytes(1, 2));
    EXPECT_FALSE(reader.next().has_value()) << "nothing after a broken header can be trusted";
    EXPECT_EQ(reader.pending(), 0U);
}

TEST(MessageReader, HugeDeclaredBodyIsRefusedBeforeItArrives) {
    MessageReader reader;
    auto bytes = messageBytes(1, 1);
    writeLittleInt(std::span(bytes).subspan(5), GameMessage::MAX_BODY_SIZE + 1);
    writeLittleInt(std::span(bytes).subspan(9), GameMessage::MAX_BODY_SIZE + 1);
    reader.append(std::span(bytes).first(GameMessage::HEADER_SIZE));
    EXPECT_FALSE(reader.hasMessage());
    EXPECT_TRUE(reader.failed());
}

} // namespace
} // namespace tarvex
