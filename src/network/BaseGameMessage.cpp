#include "network/BaseGameMessage.hpp"

#include "core/TypeBuilder.hpp"

#include <algorithm>

namespace tarvex {

const Type& BaseGameMessage::staticType() {
    static const Type& type = TypeBuilder<BaseGameMessage>("BaseGameMessage")
                                  .field("_isPacked", &BaseGameMessage::_isPacked)
                                  .field("_packedSize", &BaseGameMessage::_packedSize)
                                  .field("_unpackedSize", &BaseGameMessage::_unpackedSize)
                                  .field("_dataChecksum", &BaseGameMessage::_dataChecksum)
                                  .field("_messageData", &BaseGameMessage::_messageData)
                                  .build();
    return type;
}

namespace {

// The `size` bytes at `offset`, when they lie wholly inside the body.
std::span<const std::uint8_t> slice(std::span<const std::uint8_t> body, std::int32_t offset,
                                    std::size_t size) {
    if (offset < 0 || static_cast<std::size_t>(offset) > body.size() ||
        body.size() - static_cast<std::size_t>(offset) < size) {
        return {};
    }
    return body.subspan(static_cast<std::size_t>(offset), size);
}

} // namespace

std::string BaseGameMessage::ReadString(std::int32_t offset, std::int32_t count) const {
    const auto body = _readableBody();
    if (offset < 0 || static_cast<std::size_t>(offset) >= body.size()) {
        return "";
    }
    auto rest = body.subspan(static_cast<std::size_t>(offset));
    if (count >= 0 && static_cast<std::size_t>(count) < rest.size()) {
        rest = rest.first(static_cast<std::size_t>(count));
    }
    const auto end = std::find(rest.begin(), rest.end(), std::uint8_t{0});
    return {rest.begin(), end};
}

std::int32_t BaseGameMessage::ReadShort(std::int32_t offset) const {
    const auto bytes = slice(_readableBody(), offset, 2);
    if (bytes.empty()) {
        return 0;
    }
    return bytes[0] | (bytes[1] << 8);
}

std::int32_t BaseGameMessage::ReadInt(std::int32_t offset) const {
    const auto bytes = slice(_readableBody(), offset, 4);
    if (bytes.empty()) {
        return 0;
    }
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(bytes[0]) |
                                     (static_cast<std::uint32_t>(bytes[1]) << 8) |
                                     (static_cast<std::uint32_t>(bytes[2]) << 16) |
                                     (static_cast<std::uint32_t>(bytes[3]) << 24));
}

std::int32_t BaseGameMessage::ReadByte(std::int32_t offset) const {
    const auto bytes = slice(_readableBody(), offset, 1);
    return bytes.empty() ? 0 : bytes[0];
}

ByteBuffer BaseGameMessage::toBuffer() {
    ByteBuffer buffer(static_cast<std::size_t>(getHeaderSize()) + _messageData.size());
    (void)writeHeader(buffer);
    std::copy(_messageData.begin(), _messageData.end(),
              buffer.begin() + static_cast<std::ptrdiff_t>(getHeaderSize()));
    return buffer;
}

Ref<BaseGameMessage> BaseGameMessage::CreateFromString(std::string_view text) {
    auto message = std::make_shared<BaseGameMessage>();
    message->_setBody(std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
    return message;
}

Ref<BaseGameMessage> BaseGameMessage::CreateFromBank(std::span<const std::uint8_t> bytes) {
    auto message = std::make_shared<BaseGameMessage>();
    message->_setBody(bytes);
    return message;
}

std::string BaseGameMessage::ToString() const {
    return {_messageData.begin(), _messageData.end()};
}

bool BaseGameMessage::readFromBank(std::span<const std::uint8_t> bytes) {
    _setBody(bytes);
    return true;
}

void BaseGameMessage::_setBody(std::span<const std::uint8_t> bytes) {
    _messageData.assign(bytes.begin(), bytes.end());
    _packedSize = static_cast<std::int32_t>(_messageData.size());
    _unpackedSize = _packedSize;
}

} // namespace tarvex
