#include "network/GameMessage.hpp"

#include "core/TypeBuilder.hpp"

#include <algorithm>
#include <zlib.h>

namespace tarvex {

const Type& GameMessage::staticType() {
    static const Type& type =
        TypeBuilder<GameMessage>("GameMessage").field("_actionId", &GameMessage::_actionId).build();
    return type;
}

std::int32_t readLittleInt(std::span<const std::uint8_t> bytes) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(bytes[0]) |
                                     (static_cast<std::uint32_t>(bytes[1]) << 8) |
                                     (static_cast<std::uint32_t>(bytes[2]) << 16) |
                                     (static_cast<std::uint32_t>(bytes[3]) << 24));
}

void writeLittleInt(std::span<std::uint8_t> bytes, std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    for (std::size_t i = 0; i < 4; ++i) {
        bytes[i] = static_cast<std::uint8_t>(bits >> (8 * i));
    }
}

int GameMessage::readHeader(std::span<const std::uint8_t> buffer) {
    if (buffer.size() < HEADER_SIZE) {
        return 0;
    }
    _actionId = readLittleInt(buffer);
    _isPacked = buffer[4] != 0;
    _packedSize = readLittleInt(buffer.subspan(5));
    _unpackedSize = readLittleInt(buffer.subspan(9));
    _dataChecksum = readLittleInt(buffer.subspan(13));
    return 1;
}

int GameMessage::writeHeader(std::span<std::uint8_t> buffer) const {
    if (buffer.size() < HEADER_SIZE) {
        return 0;
    }
    writeLittleInt(buffer, _actionId);
    buffer[4] = _isPacked ? 1 : 0;
    writeLittleInt(buffer.subspan(5), _packedSize);
    writeLittleInt(buffer.subspan(9), _unpackedSize);
    writeLittleInt(buffer.subspan(13), _dataChecksum);
    return 1;
}

ByteBuffer GameMessage::toBuffer() {
    ByteBuffer packed;
    if (_isPacked) {
        auto length = compressBound(static_cast<uLong>(_messageData.size()));
        packed.resize(length);
        if (compress(packed.data(), &length, _messageData.data(),
                     static_cast<uLong>(_messageData.size())) != Z_OK) {
            length = 0; // only when out of memory; the receiver then refuses the message
        }
        packed.resize(length);
        _packedSize = static_cast<std::int32_t>(length);
    }
    const auto& body = _isPacked ? packed : _messageData;
    const bool withBody = _isPacked || (_packedSize > 0 && _unpackedSize > 0);
    ByteBuffer buffer(HEADER_SIZE + (withBody ? body.size() : 0));
    (void)writeHeader(buffer);
    if (withBody) {
        std::copy(body.begin(), body.end(), buffer.begin() + HEADER_SIZE);
    }
    return buffer;
}

std::optional<std::int32_t> GameMessage::checkHeader(std::span<const std::uint8_t> header) {
    if (header.size() < HEADER_SIZE) {
        return std::nullopt;
    }
    const bool packed = header[4] != 0;
    const std::int32_t packedSize = readLittleInt(header.subspan(5));
    const std::int32_t unpackedSize = readLittleInt(header.subspan(9));
    if (packedSize < 0 || unpackedSize < 0 || packedSize > MAX_BODY_SIZE ||
        unpackedSize > MAX_BODY_SIZE || (!packed && packedSize != unpackedSize)) {
        return std::nullopt;
    }
    return packedSize;
}

} // namespace tarvex
