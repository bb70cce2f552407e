// Helpers of the tile tests: byte builders for the file formats and streams over them.
#pragma once

#include "platform/Stream.hpp"

#include <cstdint>
#include <string>
#include <vector>

namespace tarvex::testing {

// Little-endian byte building, as the tile files store numbers.
class Bytes {
public:
    Bytes& text(const std::string& text);
    Bytes& u8(std::uint8_t value);
    Bytes& u16(std::uint16_t value);
    Bytes& i32(std::int32_t value);
    // A uint16 key length, the key, an int32 value length and the value.
    Bytes& entry(const std::string& key, const std::string& value);

    [[nodiscard]] const std::vector<std::uint8_t>& data() const { return _data; }
    [[nodiscard]] Ref<platform::MemoryStream> stream() const;

private:
    std::vector<std::uint8_t> _data;
};

// A stream that does not know its size, over some bytes: readers must not trust a size.
class UnsizedStream : public platform::Stream {
public:
    explicit UnsizedStream(std::vector<std::uint8_t> bytes) : _bytes(std::move(bytes)) {}
    std::size_t read(void* buffer, std::size_t size) override;
    [[nodiscard]] std::int64_t position() const override {
        return static_cast<std::int64_t>(_position);
    }
    [[nodiscard]] std::int64_t size() const override { return -1; }
    bool seek(std::int64_t position) override;

private:
    std::vector<std::uint8_t> _bytes;
    std::size_t _position = 0;
};

// The directory of the committed samples.
std::string samplesDirectory();

} // namespace tarvex::testing
