// Feeds arbitrary bytes to the PNG decoder and the image strip cutter: every input must give
// an image or null, never a crash, an out-of-bounds read or an unbounded allocation.
#include "platform/Image.hpp"
#include "platform/Pixmap.hpp"

#include <cstddef>
#include <cstdint>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto pixmap = tarvex::platform::decodePng(std::span(data, size));
    if (!pixmap) {
        return 0;
    }
    auto copy = *pixmap;
    copy.applyMask(255, 0, 255);
    // Cut it into strips the way image resources do, with cell sizes taken from the data.
    const int cell = 1 + (size > 0 ? data[size - 1] % 8 : 0);
    (void)tarvex::platform::Image::fromStrip(copy, cell, cell, 0, 1);
    (void)tarvex::platform::Image::fromPixmap(copy);
    return 0;
}
