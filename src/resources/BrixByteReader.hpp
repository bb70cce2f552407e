// The byte source the Brix scanner reads from: one byte at a time, a look at the next byte
// without consuming it, and a single byte put back. It pulls the underlying stream in blocks so
// that scanning a file costs one virtual read per block rather than per byte, and it never holds
// more than one block in memory however long the stream is.
//
//     BrixByteReader reader(*stream);
//     for (int c = reader.get(); c != BrixByteReader::END; c = reader.get()) { ... }
#pragma once

#include "platform/Stream.hpp"

#include <array>
#include <cstddef>
#include <cstdint>

namespace tarvex {

class BrixByteReader {
public:
    static constexpr int END = -1;

    explicit BrixByteReader(platform::Stream& stream) : _stream(stream) {}

    // The next byte (0-255), or END once the stream is exhausted.
    [[nodiscard]] int get();
    // The byte get() would answer next, without consuming it; END at the end of the stream.
    [[nodiscard]] int peek();
    // Puts one byte back so that the next get() answers it again. Only the byte just read may
    // be put back, and only one at a time.
    void unget(int byte);

    // Ends the input here: every later get() and peek() answers END.
    void stop();

    // True once the underlying stream has run dry and every buffered byte has been read.
    [[nodiscard]] bool atEnd() { return peek() == END; }

private:
    bool _fill();

    platform::Stream& _stream;
    std::array<std::uint8_t, 4096> _buffer{};
    std::size_t _position = 0;
    std::size_t _length = 0;
    int _pushedBack = END;
    bool _exhausted = false;
};

} // namespace tarvex
