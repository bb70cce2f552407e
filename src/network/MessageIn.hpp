// A game message as received: parsed from a buffer holding a whole message or read whole from
// a socket. A packed body is decompressed into `unpacked_data`, and the Read operations then
// read the decompressed bytes, so a handler reads a packed message exactly as it was written.
//
//     if (auto message = MessageIn::FromBank(bytes)) {
//         dispatch(message->getActionID(), message->ReadInt(0));
//     }
//
// A header that is not to be trusted (see GameMessage::checkHeader), a body shorter than its
// header says, or a packed body that does not decompress to exactly the unpacked size gives
// null: nothing is allocated beyond the limits and nothing is read out of bounds.
#pragma once

#include "network/GameMessage.hpp"

namespace tarvex::platform {
class Socket;
}

namespace tarvex {

class MessageIn : public GameMessage {
    TARVEX_OBJECT(MessageIn, GameMessage)
public:
    // How long FromSocket waits for the rest of a message that has begun to arrive.
    static constexpr int DEFAULT_READ_TIMEOUT_MS = 5000;

    MessageIn() = default;

    // Reads exactly one header and then exactly its body, waiting at most `timeoutMs` in all;
    // null when the time runs out, the connection ends or the message is refused.
    [[nodiscard]] static Ref<MessageIn> FromSocket(platform::Socket& socket,
                                                   int timeoutMs = DEFAULT_READ_TIMEOUT_MS);
    // The message at the start of the buffer (bytes after it are ignored); null when the
    // buffer holds no whole, acceptable message.
    [[nodiscard]] static Ref<MessageIn> FromBank(std::span<const std::uint8_t> bytes);
    bool readFromBank(std::span<const std::uint8_t> bytes) override;
    // Decompresses the body into unpacked_data; false when it does not give exactly
    // getUnpackedSize() bytes.
    bool UnpackMessage();

    // The decompressed body of a packed message (empty for one that was not packed).
    ByteBuffer unpacked_data;

protected:
    [[nodiscard]] std::span<const std::uint8_t> _readableBody() const override;

private:
    bool _readBody(std::span<const std::uint8_t> body);
};

} // namespace tarvex
