// A game message being written. Each Write appends to the body (little-endian numbers,
// strings as bytes ending in 0) and brings both sizes up to date; toBuffer() then gives the
// bytes to send, compressed when the message was created packed.
//
//     auto message = MessageOut::Create(7, false);
//     message->WriteInt(1);
//     message->WriteString("ab");
//     client->Send(*message);   // 24 bytes: the header, then 01 00 00 00 61 62 00
#pragma once

#include "network/GameMessage.hpp"

namespace tarvex {

class MessageOut : public GameMessage {
    TARVEX_OBJECT(MessageOut, GameMessage)
public:
    MessageOut() = default;

    [[nodiscard]] static Ref<MessageOut> Create(std::int32_t actionId, bool packed);

    void WriteInt(std::int32_t value);
    // The low 16 bits.
    void WriteShort(std::int32_t value);
    void WriteByte(std::int32_t value);
    // The low 8 bits of each character, then a 0 byte.
    void WriteString(std::string_view text);
    void WriteData(std::span<const std::uint8_t> bytes);
    // Packed and unpacked size become the body's length.
    void UpdateSize();
};

} // namespace tarvex
