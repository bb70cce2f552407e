// Colours written as text of six hexadecimal digits with an optional leading "#", as resource
// and level files give them ("#FFFF00"). Text that is empty or not six characters long after
// the "#" means white; characters that are not hexadecimal digits count as 0.
//
//     std::uint8_t r, g, b;
//     parseHexColor("#FF8040", r, g, b);   // 255, 128, 64
//     setDrawColorHex("00FF00");           // the drawing colour becomes green
#pragma once

#include <cstdint>
#include <string_view>

namespace tarvex::graphics {

// Accumulates value * 16 + digit over the text (after a leading "#", case-insensitive).
[[nodiscard]] std::int32_t hexToInt(std::string_view text);
void parseHexColor(std::string_view text, std::uint8_t& r, std::uint8_t& g, std::uint8_t& b);
void setDrawColorHex(std::string_view text);

} // namespace tarvex::graphics
