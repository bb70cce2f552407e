// A message of the network layer in its simplest form: a body of bytes and the sizes a header
// would carry. The server hands each message it receives to its subclass as one of these (the
// bytes exactly as they arrived); GameMessage adds the 17-byte header with an action
// identifier, MessageIn and MessageOut the reading and writing of whole messages.
//
//     auto message = BaseGameMessage::CreateFromString("hello");
//     message->ReadString(0, -1);            // "hello"
//     message->ReadInt(3);                   // 0: the value does not lie wholly in the body
//
// Reads never step outside the body: a value that does not fit answers 0 (or "").
#pragma once

#include "core/Object.hpp"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tarvex {

using ByteBuffer = std::vector<std::uint8_t>;

class BaseGameMessage : public Object {
    TARVEX_OBJECT(BaseGameMessage, Object)
public:
    BaseGameMessage() = default;

    // The body's size before compression.
    [[nodiscard]] std::int32_t getMessageSize() const { return _unpackedSize; }
    // Header and body as they would be sent.
    [[nodiscard]] std::int32_t getTotalSize() const { return getHeaderSize() + getBodySize(); }
    [[nodiscard]] virtual std::int32_t getHeaderSize() const { return 0; }
    [[nodiscard]] std::int32_t getBodySize() const {
        return static_cast<std::int32_t>(_messageData.size());
    }

    // The characters of the bytes from `offset` up to the first 0 byte, the end of the body or
    // `count` characters (when `count` >= 0), whichever comes first; "" when `offset` lies
    // outside the body.
    [[nodiscard]] std::string ReadString(std::int32_t offset, std::int32_t count) const;
    // Little-endian; 0 when the value does not lie wholly inside the body.
    [[nodiscard]] std::int32_t ReadShort(std::int32_t offset) const; // unsigned 16 bits
    [[nodiscard]] std::int32_t ReadInt(std::int32_t offset) const;
    [[nodiscard]] std::int32_t ReadByte(std::int32_t offset) const;

    // The header in wire form; this class has none, so both answer 1 and do nothing.
    virtual int readHeader(std::span<const std::uint8_t> /*buffer*/) { return 1; }
    virtual int writeHeader(std::span<std::uint8_t> /*buffer*/) const { return 1; }
    // Header followed by body, ready to send.
    [[nodiscard]] virtual ByteBuffer toBuffer();

    // A message whose body holds the low 8 bits of each character.
    [[nodiscard]] static Ref<BaseGameMessage> CreateFromString(std::string_view text);
    // A message whose body is a copy of the bytes (no header is parsed).
    [[nodiscard]] static Ref<BaseGameMessage> CreateFromBank(std::span<const std::uint8_t> bytes);
    // The body's bytes as characters.
    [[nodiscard]] std::string ToString() const override;
    // Takes the bytes as the body; false when they cannot be taken.
    virtual bool readFromBank(std::span<const std::uint8_t> bytes);

    [[nodiscard]] bool isPacked() const { return _isPacked; }
    [[nodiscard]] std::int32_t getPackedSize() const { return _packedSize; }
    [[nodiscard]] std::int32_t getUnpackedSize() const { return _unpackedSize; }
    [[nodiscard]] std::int32_t getDataChecksum() const { return _dataChecksum; }
    // The body as held: for a received packed message, the compressed bytes.
    [[nodiscard]] const ByteBuffer& getData() const { return _messageData; }

protected:
    // The bytes the Read operations look at: the body, or its decompressed form once a packed
    // message has been unpacked.
    [[nodiscard]] virtual std::span<const std::uint8_t> _readableBody() const {
        return _messageData;
    }
    void _setBody(std::span<const std::uint8_t> bytes);

    bool _isPacked = false;
    std::int32_t _packedSize = 0;
    std::int32_t _unpackedSize = 0;
    std::int32_t _dataChecksum = 0; // carried in the header, never computed
    ByteBuffer _messageData;
};

} // namespace tarvex
