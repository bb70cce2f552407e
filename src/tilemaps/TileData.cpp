#include "tilemaps/TileData.hpp"

#include <algorithm>
#include <array>

namespace tarvex {

namespace {
// How much is read at a time from a stream that cannot tell its size.
constexpr std::uint64_t CHUNK_BYTES = std::uint64_t{64} * 1024;
} // namespace

TileDataReader::TileDataReader(platform::Stream& stream) : _stream(stream), _size(stream.size()) {}

std::int64_t TileDataReader::remaining() const {
    if (_size < 0) {
        return -1;
    }
    return std::max<std::int64_t>(0, _size - _stream.position());
}

bool TileDataReader::bytesInto(std::uint64_t count, std::uint8_t* data) {
    std::uint64_t filled = 0;
    while (filled < count) {
        const std::size_t got =
            _stream.read(data + filled, static_cast<std::size_t>(count - filled));
        if (got == 0) {
            return false;
        }
        filled += got;
    }
    return true;
}

bool TileDataReader::bytes(std::uint64_t count, std::vector<std::uint8_t>& bytes) {
    bytes.clear();
    const std::int64_t left = remaining();
    if (left >= 0) {
        if (static_cast<std::uint64_t>(left) < count) {
            return false;
        }
        bytes.resize(static_cast<std::size_t>(count));
        return bytesInto(count, bytes.data());
    }
    // Unknown size: grow with what really arrives.
    while (bytes.size() < count) {
        const std::uint64_t step = std::min<std::uint64_t>(CHUNK_BYTES, count - bytes.size());
        const std::size_t start = bytes.size();
        bytes.resize(start + static_cast<std::size_t>(step));
        if (!bytesInto(step, bytes.data() + start)) {
            bytes.clear();
            return false;
        }
    }
    return true;
}

bool TileDataReader::text(std::uint64_t length, std::string& text) {
    std::vector<std::uint8_t> data;
    if (!bytes(length, data)) {
        return false;
    }
    text.assign(data.begin(), data.end());
    return true;
}

bool TileDataReader::u8(std::uint8_t& value) {
    return bytesInto(1, &value);
}

bool TileDataReader::u16(std::uint16_t& value) {
    std::array<std::uint8_t, 2> data{};
    if (!bytesInto(data.size(), data.data())) {
        return false;
    }
    value = static_cast<std::uint16_t>(data[0] | (data[1] << 8U));
    return true;
}

bool TileDataReader::i32(std::int32_t& value) {
    std::array<std::uint8_t, 4> data{};
    if (!bytesInto(data.size(), data.data())) {
        return false;
    }
    value = static_cast<std::int32_t>(static_cast<std::uint32_t>(data[0]) |
                                      (static_cast<std::uint32_t>(data[1]) << 8U) |
                                      (static_cast<std::uint32_t>(data[2]) << 16U) |
                                      (static_cast<std::uint32_t>(data[3]) << 24U));
    return true;
}

void TileDataWriter::bytes(const void* data, std::size_t size) {
    if (size > 0 && _stream.write(data, size) != size) {
        _ok = false;
    }
}

void TileDataWriter::u8(std::uint8_t value) {
    bytes(&value, 1);
}

void TileDataWriter::u16(std::uint16_t value) {
    const std::array<std::uint8_t, 2> data{static_cast<std::uint8_t>(value & 0xFFU),
                                           static_cast<std::uint8_t>(value >> 8U)};
    bytes(data.data(), data.size());
}

void TileDataWriter::i32(std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    const std::array<std::uint8_t, 4> data{
        static_cast<std::uint8_t>(bits & 0xFFU), static_cast<std::uint8_t>((bits >> 8U) & 0xFFU),
        static_cast<std::uint8_t>((bits >> 16U) & 0xFFU), static_cast<std::uint8_t>(bits >> 24U)};
    bytes(data.data(), data.size());
}

} // namespace tarvex
