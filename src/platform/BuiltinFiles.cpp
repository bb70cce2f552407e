#include "platform/BuiltinFiles.hpp"

#include "platform/Stream.hpp"

namespace tarvex::embedded {
extern const std::uint8_t smallFontTtf[];
extern const std::size_t smallFontTtfSize;
} // namespace tarvex::embedded

namespace tarvex::platform {

std::span<const std::uint8_t> smallFontBytes() {
    return {embedded::smallFontTtf, embedded::smallFontTtfSize};
}

void registerBuiltinFiles() {
    registerIncbin("small-font.ttf", smallFontBytes());
}

} // namespace tarvex::platform
