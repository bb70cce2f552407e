// A TrueType font rasterised once, at one pixel size, into a glyph atlas image. Text is then
// drawn by the drawing layer as one textured quad per glyph, with the current colour, alpha,
// blend, scale, rotation and handle. The style is a sum of flags: bold (1) thickens every stroke
// to the right and widens each advance to match, italic (2) slants the glyphs, and smoothing (4)
// rasterises with anti-aliased coverage. Without smoothing every pixel is fully on or off,
// which keeps pixel fonts crisp.
//
//     auto font = ImageFont::load("incbin::small-font.ttf", 10, FONT_BOLD);
//     drawingLayer().setFont(font);
//     drawingLayer().drawText("SCORE 100", 4, 4);
//
// Characters are bytes (one byte one character), rendered as the Latin-1 code points.
#pragma once

#include "core/Object.hpp"
#include "platform/Image.hpp"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace tarvex::platform {

enum FontStyle : int {
    FONT_BOLD = 1,   // strokes one pixel (per 16 pixels of size) heavier
    FONT_ITALIC = 2, // slanted by about 12 degrees
    FONT_SMOOTH = 4, // anti-aliased coverage instead of on/off pixels
};

class ImageFont : public Object {
    TARVEX_OBJECT(ImageFont, Object)
public:
    struct Glyph {
        int advance = 0;
        int left = 0; // bitmap offset from the pen position
        int top = 0;  // bitmap offset from the top of the line
        int width = 0;
        int height = 0;
        int atlasX = 0;
        int atlasY = 0;
    };

    // Null when the data cannot be read, FreeType rejects it, or the size is not 1 to 256.
    [[nodiscard]] static Ref<ImageFont> load(const std::string& url, int pixelSize, int style);
    [[nodiscard]] static Ref<ImageFont> fromBytes(std::span<const std::uint8_t> bytes,
                                                  int pixelSize, int style);

    [[nodiscard]] int pixelSize() const { return _pixelSize; }
    [[nodiscard]] int style() const { return _style; }
    // Height of a line in pixels (ascent plus descent), whatever the text.
    [[nodiscard]] int height() const { return _ascent + _descent; }
    [[nodiscard]] int ascent() const { return _ascent; }
    // Sum of the advances of the text's characters, in pixels.
    [[nodiscard]] int textWidth(std::string_view text) const;

    [[nodiscard]] const Glyph& glyph(unsigned char c) const { return _glyphs[c]; }
    [[nodiscard]] const Image& atlas() const { return *_atlas; }

private:
    int _pixelSize = 0;
    int _style = 0;
    int _ascent = 0;
    int _descent = 0;
    std::array<Glyph, 256> _glyphs{};
    Ref<Image> _atlas;
};

} // namespace tarvex::platform
