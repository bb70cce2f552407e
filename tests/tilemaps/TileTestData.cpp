#include "TileTestData.hpp"

#include <algorithm>
#include <cstring>

namespace tarvex::testing {

Bytes& Bytes::text(const std::string& text) {
    _data.insert(_data.end(), text.begin(), text.end());
    return *this;
}

Bytes& Bytes::u8(std::uint8_t value) {
    _data.push_back(value);
    return *this;
}

Bytes& Bytes::u16(std::uint16_t value) {
    _data.push_back(static_cast<std::uint8_t>(value & 0xFFU));
    _data.push_back(static_cast<std::uint8_t>(value >> 8U));
    return *this;
}

Bytes& Bytes::i32(std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    for (unsigned shift = 0; shift < 32; shift += 8) {
        _data.push_back(static_cast<std::uint8_t>((bits >> shift) & 0xFFU));
    }
    return *this;
}

Bytes& Bytes::entry(const std::string& key, const std::string& value) {
    u16(static_cast<std::uint16_t>(key.size())).text(key);
    return i32(static_cast<std::int32_t>(value.size())).text(value);
}

Ref<platform::MemoryStream> Bytes::stream() const {
    return std::make_shared<platform::MemoryStream>(_data);
}

std::size_t UnsizedStream::read(void* buffer, std::size_t size) {
    const std::size_t count = std::min(size, _bytes.size() - _position);
    if (count > 0) {
        std::memcpy(buffer, _bytes.data() + _position, count);
    }
    _position += count;
    return count;
}

bool UnsizedStream::seek(std::int64_t position) {
    if (position < 0 || static_cast<std::size_t>(position) > _bytes.size()) {
        return false;
    }
    _position = static_cast<std::size_t>(position);
    return true;
}

std::string samplesDirectory() {
    return TARVEX_SAMPLES_DIR;
}

} // namespace tarvex::testing
