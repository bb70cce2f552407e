#include "graphics/HexColor.hpp"

#include "platform/DrawingLayer.hpp"

namespace tarvex::graphics {
namespace {

std::string_view withoutHash(std::string_view text) {
    if (!text.empty() && text.front() == '#') {
        text.remove_prefix(1);
    }
    return text;
}

std::int32_t digitValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return 0;
}

} // namespace

std::int32_t hexToInt(std::string_view text) {
    // Unsigned so that long texts wrap instead of overflowing; the result keeps the low bits.
    std::uint32_t value = 0;
    for (const char c : withoutHash(text)) {
        value = value * 16U + static_cast<std::uint32_t>(digitValue(c));
    }
    return static_cast<std::int32_t>(value);
}

void parseHexColor(std::string_view text, std::uint8_t& r, std::uint8_t& g, std::uint8_t& b) {
    text = withoutHash(text);
    if (text.size() != 6) {
        text = "FFFFFF";
    }
    r = static_cast<std::uint8_t>(hexToInt(text.substr(0, 2)));
    g = static_cast<std::uint8_t>(hexToInt(text.substr(2, 2)));
    b = static_cast<std::uint8_t>(hexToInt(text.substr(4, 2)));
}

void setDrawColorHex(std::string_view text) {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    parseHexColor(text, r, g, b);
    platform::drawingLayer().setColor(r, g, b);
}

} // namespace tarvex::graphics
