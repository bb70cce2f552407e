// The wire form of game messages: header layout, body encoding, bounded reads, compression,
// and the refusal of headers and bodies that cannot be trusted.
#include "network/GameServer.hpp"
#include "network/MessageIn.hpp"
#include "network/MessageOut.hpp"
#include "support/Loopback.hpp"

#include <gtest/gtest.h>
#include <thread>

namespace tarvex {
namespace {

ByteBuffer header(std::int32_t action, std::uint8_t packed, std::int32_t packedSize,
                  std::int32_t unpackedSize) {
    ByteBuffer bytes(GameMessage::HEADER_SIZE);
    writeLittleInt(bytes, action);
    bytes[4] = packed;
    writeLittleInt(std::span(bytes).subspan(5), packedSize);
    writeLittleInt(std::span(bytes).subspan(9), unpackedSize);
    return bytes;
}

Ref<MessageOut> example(bool packed) {
    auto message = MessageOut::Create(7, packed);
    message->WriteInt(1);
    message->WriteString("ab");
    return message;
}

TEST(MessageOut, ExampleMessageIsTwentyFourLittleEndianBytes) {
    const ByteBuffer expected{7, 0, 0, 0, 0, 7, 0, 0, 0, 7,    0,    0,
                              0, 0, 0, 0, 0, 1, 0, 0, 0, 0x61, 0x62, 0};
    const auto message = example(false);
    EXPECT_EQ(message->toBuffer(), expected);
    EXPECT_EQ(message->getTotalSize(), 24);
    EXPECT_EQ(message->getMessageSize(), 7);
}

TEST(MessageOut, WritesShortsBytesAndDataLittleEndian) {
    auto message = MessageOut::Create(1, false);
    message->WriteShort(0x12345678); // the low 16 bits only
    message->WriteByte(0x1FF);
    const ByteBuffer data{9, 8};
    message->WriteData(data);
    message->WriteData({});
    message->WriteInt(-2);
    EXPECT_EQ(message->getData(), (ByteBuffer{0x78, 0x56, 0xFF, 9, 8, 0xFE, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(message->getPackedSize(), 9);
    EXPECT_EQ(message->ReadShort(0), 0x5678);
    EXPECT_EQ(message->ReadInt(5), -2);
}

TEST(BaseGameMessage, ReadsStayInsideTheBody) {
    const auto message = example(false);
    EXPECT_EQ(message->ReadString(4, -1), "ab");
    EXPECT_EQ(message->ReadString(4, 1), "a");
    EXPECT_EQ(message->ReadString(4, 0), "");
    EXPECT_EQ(message->ReadString(7, -1), "");
    EXPECT_EQ(message->ReadString(-1, -1), "");
    EXPECT_EQ(message->ReadInt(0), 1);
    EXPECT_EQ(message->ReadInt(3), 0x00626100);
    EXPECT_EQ(message->ReadInt(4), 0);
    EXPECT_EQ(message->ReadInt(5), 0);
    EXPECT_EQ(message->ReadInt(-1), 0);
    EXPECT_EQ(message->ReadShort(5), 0x0062);
    EXPECT_EQ(message->ReadShort(6), 0);
    EXPECT_EQ(message->ReadByte(6), 0);
    EXPECT_EQ(message->ReadByte(5), 0x62);
    EXPECT_EQ(message->ReadByte(7), 0);
}

TEST(BaseGameMessage, StringWithoutTerminatorEndsAtTheBody) {
    const auto message = BaseGameMessage::CreateFromString("hello");
    EXPECT_EQ(message->ReadString(1, -1), "ello");
    EXPECT_EQ(message->ReadString(1, 99), "ello");
    EXPECT_EQ(message->ToString(), "hello");
    EXPECT_EQ(message->getHeaderSize(), 0);
    EXPECT_EQ(message->toBuffer(), (ByteBuffer{'h', 'e', 'l', 'l', 'o'}));
}

TEST(GameMessage, HeaderNeedsSeventeenBytes) {
    GameMessage message;
    ByteBuffer shortBuffer(16, 0);
    EXPECT_EQ(message.readHeader(shortBuffer), 0);
    EXPECT_EQ(message.writeHeader(shortBuffer), 0);
    EXPECT_EQ(shortBuffer, ByteBuffer(16, 0));
    const auto bytes = header(-5, 1, 3, 4);
    EXPECT_EQ(message.readHeader(bytes), 1);
    EXPECT_EQ(message.getActionID(), -5);
    EXPECT_TRUE(message.isPacked());
    EXPECT_EQ(message.getPackedSize(), 3);
    EXPECT_EQ(message.getUnpackedSize(), 4);
}

TEST(MessageIn, UnpackedRoundTrip) {
    const auto message = MessageIn::FromBank(example(false)->toBuffer());
    ASSERT_NE(message, nullptr);
    EXPECT_EQ(message->getActionID(), 7);
    EXPECT_FALSE(message->isPacked());
    EXPECT_EQ(message->ReadInt(0), 1);
    EXPECT_EQ(message->ReadString(4, -1), "ab");
    EXPECT_TRUE(message->unpacked_data.empty());
}

TEST(MessageIn, PackedRoundTripReadsTheWrittenValues) {
    auto out = MessageOut::Create(42, true);
    for (int i = 0; i < 1000; ++i) {
        out->WriteInt(i);
    }
    out->WriteString("the end");
    const auto bytes = out->toBuffer();
    EXPECT_LT(out->getPackedSize(), 4000) << "a repetitive body should shrink";
    EXPECT_EQ(bytes.size(),
              GameMessage::HEADER_SIZE + static_cast<std::size_t>(out->getPackedSize()));

    const auto in = MessageIn::FromBank(bytes);
    ASSERT_NE(in, nullptr);
    EXPECT_TRUE(in->isPacked());
    EXPECT_EQ(in->getUnpackedSize(), 4008);
    EXPECT_EQ(in->unpacked_data, out->getData());
    EXPECT_EQ(in->getData().size(), static_cast<std::size_t>(out->getPackedSize()));
    EXPECT_EQ(in->ReadInt(4 * 999), 999);
    EXPECT_EQ(in->ReadString(4000, -1), "the end");
}

TEST(MessageIn, EmptyMessagesRoundTripPackedOrNot) {
    for (const bool packed : {false, true}) {
        const auto in = MessageIn::FromBank(MessageOut::Create(3, packed)->toBuffer());
        ASSERT_NE(in, nullptr) << packed;
        EXPECT_EQ(in->getActionID(), 3);
        EXPECT_EQ(in->ReadInt(0), 0);
    }
    // A packed header with both sizes 0 and no zlib stream behind it is an empty message too.
    const auto bare = MessageIn::FromBank(header(3, 1, 0, 0));
    ASSERT_NE(bare, nullptr);
    EXPECT_EQ(bare->getBodySize(), 0);
}

TEST(MessageIn, RefusesHeadersThatCannotBeTrusted) {
    ByteBuffer body(64, 0);
    auto with = [&](ByteBuffer bytes) {
        bytes.insert(bytes.end(), body.begin(), body.end());
        return MessageIn::FromBank(bytes);
    };
    EXPECT_EQ(with(header(1, 0, -1, -1)), nullptr) << "negative sizes";
    EXPECT_EQ(with(header(1, 1, 8, -4)), nullptr) << "negative unpacked size";
    EXPECT_EQ(with(header(1, 1, GameMessage::MAX_BODY_SIZE + 1, 8)), nullptr) << "huge body";
    EXPECT_EQ(with(header(1, 1, 8, 0x7FFFFFFF)), nullptr) << "huge unpacked size";
    EXPECT_EQ(with(header(1, 0, 8, 4)), nullptr) << "plain body with two sizes";
    EXPECT_EQ(with(header(1, 0, 65, 65)), nullptr) << "body shorter than the header says";
    EXPECT_EQ(MessageIn::FromBank(ByteBuffer(16, 0)), nullptr) << "short header";
    EXPECT_NE(with(header(1, 0, 64, 64)), nullptr);
}

TEST(MessageIn, RefusesPackedBodyThatDoesNotUnpackToItsSize) {
    auto out = MessageOut::Create(5, true);
    out->WriteString("some text to squeeze");
    auto bytes = out->toBuffer();

    auto claiming = [&](std::int32_t unpackedSize) {
        auto copy = bytes;
        writeLittleInt(std::span(copy).subspan(9), unpackedSize);
        return MessageIn::FromBank(copy);
    };
    EXPECT_NE(claiming(out->getUnpackedSize()), nullptr);
    EXPECT_EQ(claiming(out->getUnpackedSize() - 1), nullptr) << "decompresses to more";
    EXPECT_EQ(claiming(out->getUnpackedSize() + 1), nullptr) << "decompresses to less";

    auto garbled = bytes;
    garbled[GameMessage::HEADER_SIZE + 3] ^= 0xFF;
    EXPECT_EQ(MessageIn::FromBank(garbled), nullptr);
}

TEST(MessageIn, FromSocketWaitsForTheRestOfASplitMessage) {
    auto server = std::make_shared<GameServer>();
    const int port = testing::listenOnLoopback(*server);
    auto sender = testing::connectLoopback(port);
    ASSERT_NE(sender, nullptr);
    sender->setNoDelay(true);
    server->handleIncomingClients(2000);
    ASSERT_EQ(server->countConnectedClients(), 1);
    const auto& receiver = server->getConnectedClients().front()->getSocket();

    auto out = MessageOut::Create(8, true);
    out->WriteString("arrives in three pieces");
    const auto bytes = out->toBuffer();
    std::thread pieces([&] {
        (void)sender->send(std::span(bytes).first(5));
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        (void)sender->send(std::span(bytes).subspan(5, 15));
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        (void)sender->send(std::span(bytes).subspan(20));
    });
    const auto message = MessageIn::FromSocket(*receiver, 5000);
    pieces.join();
    ASSERT_NE(message, nullptr);
    EXPECT_EQ(message->ReadString(0, -1), "arrives in three pieces");

    (void)sender->send(std::span(bytes).first(10));
    sender->close();
    EXPECT_EQ(MessageIn::FromSocket(*receiver, 5000), nullptr) << "the peer left mid-message";
    server->stopListening();
}

} // namespace
} // namespace tarvex
