#include "network/MessageOut.hpp"

#include "core/TypeBuilder.hpp"

#include <array>

namespace tarvex {

const Type& MessageOut::staticType() {
    static const Type& type = TypeBuilder<MessageOut>("MessageOut").build();
    return type;
}

Ref<MessageOut> MessageOut::Create(std::int32_t actionId, bool packed) {
    auto message = std::make_shared<MessageOut>();
    message->_actionId = actionId;
    message->_isPacked = packed;
    return message;
}

void MessageOut::WriteInt(std::int32_t value) {
    std::array<std::uint8_t, 4> bytes{};
    writeLittleInt(bytes, value);
    WriteData(bytes);
}

void MessageOut::WriteShort(std::int32_t value) {
    const std::array<std::uint8_t, 2> bytes{static_cast<std::uint8_t>(value),
                                            static_cast<std::uint8_t>(value >> 8)};
    WriteData(bytes);
}

void MessageOut::WriteByte(std::int32_t value) {
    _messageData.push_back(static_cast<std::uint8_t>(value));
    UpdateSize();
}

void MessageOut::WriteString(std::string_view text) {
    _messageData.insert(_messageData.end(), text.begin(), text.end());
    _messageData.push_back(0);
    UpdateSize();
}

void MessageOut::WriteData(std::span<const std::uint8_t> bytes) {
    _messageData.insert(_messageData.end(), bytes.begin(), bytes.end());
    UpdateSize();
}

void MessageOut::UpdateSize() {
    _packedSize = static_cast<std::int32_t>(_messageData.size());
    _unpackedSize = _packedSize;
}

} // namespace tarvex
