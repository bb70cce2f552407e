// Cuts the byte stream of a connection into whole game messages. TCP delivers bytes, not
// messages: one read may hold half a message or several. The reader keeps what has arrived
// and hands out a message only once its header and its whole body are there.
//
//     reader.fillFrom(*socket);                 // whatever has arrived, without waiting
//     while (auto bytes = reader.next()) {
//         auto message = MessageIn::FromBank(*bytes);
//     }
//     if (reader.failed()) { drop the connection }
//
// A header that is not to be trusted (GameMessage::checkHeader) leaves the stream unreadable
// from that point on: the reader stops, answers failed(), and the connection must be dropped.
// At most one message (17 bytes + GameMessage::MAX_BODY_SIZE) plus one read is ever held.
#pragma once

#include "network/BaseGameMessage.hpp"

#include <cstddef>
#include <optional>

namespace tarvex::platform {
class Socket;
}

namespace tarvex {

class MessageReader {
public:
    // Bytes taken from the socket per fillFrom() at most, so that one busy connection cannot
    // keep a server from its other clients.
    static constexpr std::size_t FILL_LIMIT = std::size_t{64} * 1024;

    void append(std::span<const std::uint8_t> bytes);
    // Reads what the socket has (up to FILL_LIMIT bytes) without waiting; answers how many.
    std::size_t fillFrom(platform::Socket& socket);

    // A whole message is held (checks the header of the first one on the way).
    [[nodiscard]] bool hasMessage();
    // The header and body of the first whole message, removed from the reader.
    [[nodiscard]] std::optional<ByteBuffer> next();
    // Everything held, whole or not, removed from the reader.
    [[nodiscard]] ByteBuffer takeAll();

    [[nodiscard]] bool failed() const { return _failed; }
    [[nodiscard]] std::size_t pending() const { return _bytes.size() - _start; }

private:
    // Length of the first message, header included, once its header is there and sound.
    [[nodiscard]] std::optional<std::size_t> _firstLength();

    ByteBuffer _bytes;
    std::size_t _start = 0; // bytes before this have been handed out
    bool _failed = false;
};

} // namespace tarvex
