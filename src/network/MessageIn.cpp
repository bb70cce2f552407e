#include "network/MessageIn.hpp"

#include "core/TypeBuilder.hpp"
#include "platform/net/Socket.hpp"

#include <algorithm>
#include <array>
#include <chrono>
#include <zlib.h>

namespace tarvex {

const Type& MessageIn::staticType() {
    static const Type& type = TypeBuilder<MessageIn>("MessageIn")
                                  .field("unpacked_data", &MessageIn::unpacked_data)
                                  .build();
    return type;
}

Ref<MessageIn> MessageIn::FromSocket(platform::Socket& socket, int timeoutMs) {
    const auto start = std::chrono::steady_clock::now();
    std::array<std::uint8_t, HEADER_SIZE> header{};
    if (!socket.receiveExactly(header, timeoutMs)) {
        return nullptr;
    }
    const auto bodySize = checkHeader(header);
    if (!bodySize) {
        return nullptr;
    }
    const auto spent = std::chrono::duration_cast<std::chrono::milliseconds>(
                           std::chrono::steady_clock::now() - start)
                           .count();
    ByteBuffer body(static_cast<std::size_t>(*bodySize));
    if (!socket.receiveExactly(body, std::max(0, timeoutMs - static_cast<int>(spent)))) {
        return nullptr;
    }
    auto message = std::make_shared<MessageIn>();
    (void)message->readHeader(header);
    return message->_readBody(body) ? message : nullptr;
}

Ref<MessageIn> MessageIn::FromBank(std::span<const std::uint8_t> bytes) {
    auto message = std::make_shared<MessageIn>();
    return message->readFromBank(bytes) ? message : nullptr;
}

bool MessageIn::readFromBank(std::span<const std::uint8_t> bytes) {
    const auto bodySize = checkHeader(bytes);
    if (!bodySize || bytes.size() - HEADER_SIZE < static_cast<std::size_t>(*bodySize)) {
        return false;
    }
    (void)readHeader(bytes);
    return _readBody(bytes.subspan(HEADER_SIZE, static_cast<std::size_t>(*bodySize)));
}

bool MessageIn::_readBody(std::span<const std::uint8_t> body) {
    _messageData.assign(body.begin(), body.end());
    unpacked_data.clear();
    // A packed message with nothing in it carries no zlib stream at all.
    if (_isPacked && !(_packedSize == 0 && _unpackedSize == 0)) {
        return UnpackMessage();
    }
    return true;
}

bool MessageIn::UnpackMessage() {
    // Deflate cannot expand data more than about 1032 times, so a larger claim is false, and
    // is refused before anything is allocated for it.
    constexpr std::int64_t MAX_RATIO = 1032;
    if (_unpackedSize < 0 || _unpackedSize > MAX_BODY_SIZE ||
        _unpackedSize > static_cast<std::int64_t>(_messageData.size()) * MAX_RATIO + 64) {
        return false;
    }
    // One spare byte, so that a body that decompresses to more than it should is caught as
    // too long rather than silently cut.
    ByteBuffer out(static_cast<std::size_t>(_unpackedSize) + 1);
    auto length = static_cast<uLongf>(out.size());
    auto sourceLength = static_cast<uLong>(_messageData.size());
    const int result = uncompress2(out.data(), &length, _messageData.data(), &sourceLength);
    if (result != Z_OK || length != static_cast<uLongf>(_unpackedSize) ||
        sourceLength != _messageData.size()) {
        unpacked_data.clear();
        return false;
    }
    out.resize(length);
    unpacked_data = std::move(out);
    return true;
}

std::span<const std::uint8_t> MessageIn::_readableBody() const {
    return _isPacked ? std::span<const std::uint8_t>(unpacked_data)
                     : std::span<const std::uint8_t>(_messageData);
}

} // namespace tarvex
