// Little-endian reading and writing of the tile file formats over platform streams. The reader
// never allocates more than the stream really holds: a declared length is checked against the
// bytes left before anything is made, and a stream of unknown size is read in bounded chunks,
// so a short file claiming huge sizes costs nothing.
#pragma once

#include "platform/Stream.hpp"

#include <cstdint>
#include <string>
#include <vector>

namespace tarvex {

class TileDataReader {
public:
    explicit TileDataReader(platform::Stream& stream);

    // Each answers false, at the end of the data, when fewer bytes are left than it needs.
    bool u8(std::uint8_t& value);
    bool u16(std::uint16_t& value);
    bool i32(std::int32_t& value);
    // Exactly `count` bytes into `bytes` (replacing its contents).
    bool bytes(std::uint64_t count, std::vector<std::uint8_t>& bytes);
    // Exactly `count` bytes into `data`, which holds at least that many.
    bool bytesInto(std::uint64_t count, std::uint8_t* data);
    bool text(std::uint64_t length, std::string& text);
    // Bytes left when the stream knows its size; -1 otherwise.
    [[nodiscard]] std::int64_t remaining() const;

private:
    platform::Stream& _stream;
    std::int64_t _size;
};

class TileDataWriter {
public:
    explicit TileDataWriter(platform::Stream& stream) : _stream(stream) {}

    void u8(std::uint8_t value);
    void u16(std::uint16_t value);
    void i32(std::int32_t value);
    void bytes(const void* data, std::size_t size);
    // True while every write went through.
    [[nodiscard]] bool ok() const { return _ok; }

private:
    platform::Stream& _stream;
    bool _ok = true;
};

} // namespace tarvex
