// Files compiled into the program. The program entry calls registerBuiltinFiles() once, before
// anything opens them; the pixel font is then readable as "incbin::small-font.ttf".
#pragma once

#include <cstdint>
#include <span>

namespace tarvex::platform {

void registerBuiltinFiles();
// The compiled-in pixel TrueType font.
[[nodiscard]] std::span<const std::uint8_t> smallFontBytes();

} // namespace tarvex::platform
