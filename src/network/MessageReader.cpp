#include "network/MessageReader.hpp"

#include "network/GameMessage.hpp"
#include "platform/net/Socket.hpp"

#include <array>

namespace tarvex {

void MessageReader::append(std::span<const std::uint8_t> bytes) {
    if (_failed || bytes.empty()) {
        return;
    }
    // Drop what has been handed out before growing, so the buffer stays near one message.
    if (_start > 0 && (_start == _bytes.size() || _start >= _bytes.size() / 2)) {
        _bytes.erase(_bytes.begin(), _bytes.begin() + static_cast<std::ptrdiff_t>(_start));
        _start = 0;
    }
    _bytes.insert(_bytes.end(), bytes.begin(), bytes.end());
}

std::size_t MessageReader::fillFrom(platform::Socket& socket) {
    std::array<std::uint8_t, std::size_t{16} * 1024> chunk{};
    std::size_t total = 0;
    while (!_failed && total < FILL_LIMIT) {
        const auto got = socket.receive(chunk);
        if (got == 0) {
            break;
        }
        append(std::span(chunk).first(got));
        total += got;
    }
    return total;
}

std::optional<std::size_t> MessageReader::_firstLength() {
    if (_failed || pending() < GameMessage::HEADER_SIZE) {
        return std::nullopt;
    }
    const auto bodySize = GameMessage::checkHeader(std::span(_bytes).subspan(_start));
    if (!bodySize) {
        _failed = true;
        _bytes.clear();
        _start = 0;
        return std::nullopt;
    }
    return GameMessage::HEADER_SIZE + static_cast<std::size_t>(*bodySize);
}

bool MessageReader::hasMessage() {
    const auto length = _firstLength();
    return length && pending() >= *length;
}

std::optional<ByteBuffer> MessageReader::next() {
    const auto length = _firstLength();
    if (!length || pending() < *length) {
        return std::nullopt;
    }
    const auto first = _bytes.begin() + static_cast<std::ptrdiff_t>(_start);
    ByteBuffer message(first, first + static_cast<std::ptrdiff_t>(*length));
    _start += *length;
    return message;
}

ByteBuffer MessageReader::takeAll() {
    ByteBuffer all(_bytes.begin() + static_cast<std::ptrdiff_t>(_start), _bytes.end());
    _bytes.clear();
    _start = 0;
    return all;
}

} // namespace tarvex
