// A message of the game protocol: a 17-byte little-endian header, then the body, optionally
// compressed with zlib.
//
//     offset 0  int32  action identifier (selects the handler on the receiving side)
//            4  byte   packed flag: 1 when the body is zlib-compressed
//            5  int32  packed size: number of body bytes that follow the header
//            9  int32  unpacked size: the body's size before compression
//           13  int32  data checksum (always 0)
//           17  ...    body
//
// Headers come from the other end of a connection and are not trusted: checkHeader() tells a
// header that can be read safely from one that must be refused.
#pragma once

#include "network/BaseGameMessage.hpp"

#include <optional>

namespace tarvex {

class GameMessage : public BaseGameMessage {
    TARVEX_OBJECT(GameMessage, BaseGameMessage)
public:
    static constexpr std::int32_t HEADER_SIZE = 17;
    // The largest body accepted, packed or unpacked: nothing the framework sends comes near,
    // and a hostile header must not make a receiver allocate gigabytes.
    static constexpr std::int32_t MAX_BODY_SIZE = 16 * 1024 * 1024;

    GameMessage() = default;

    [[nodiscard]] std::int32_t getActionID() const { return _actionId; }
    [[nodiscard]] std::int32_t getHeaderSize() const override { return HEADER_SIZE; }

    // Read or write the five header fields; 0 (nothing done) for a buffer shorter than 17.
    int readHeader(std::span<const std::uint8_t> buffer) override;
    int writeHeader(std::span<std::uint8_t> buffer) const override;
    // Compresses the body first when the message is packed (the packed size becomes the
    // compressed length).
    [[nodiscard]] ByteBuffer toBuffer() override;

    // The number of body bytes that follow a header, or nothing when the header is not one to
    // act on: shorter than 17 bytes, a negative size, a size above MAX_BODY_SIZE, or an
    // unpacked message whose two sizes disagree.
    [[nodiscard]] static std::optional<std::int32_t>
    checkHeader(std::span<const std::uint8_t> header);

protected:
    std::int32_t _actionId = 0;
};

// Little-endian int32 at the start of the bytes (at least four of them).
[[nodiscard]] std::int32_t readLittleInt(std::span<const std::uint8_t> bytes);
void writeLittleInt(std::span<std::uint8_t> bytes, std::int32_t value);

} // namespace tarvex
