// Feeds arbitrary bytes to the Ogg Vorbis decoder through a memory stream: every input must
// give samples or null, never a crash, an out-of-bounds read or an unbounded allocation.
#include "platform/AudioDecoders.hpp"

#include <cstddef>
#include <cstdint>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // A small PCM limit keeps each run quick; the limit logic is the same at any size.
    (void)tarvex::platform::decodeOgg(std::span(data, size), std::size_t{1} << 20);
    return 0;
}
