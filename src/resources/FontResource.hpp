// A TrueType font rasterised at one pixel size into an image font for drawing text:
//
//     [t:resource, n:hud_font] { type = font; file = small-font.ttf; size = 10;
//                                weight = bold; style = italic; smoothing = on; }
//
// `size` is the pixel size (16 when absent). `weight = bold`, `style = italic` and
// `smoothing = on` (compared exactly, so "Bold" is not bold) select the style flags handed to
// the platform's image font.
#pragma once

#include "platform/ImageFont.hpp"
#include "resources/BaseResource.hpp"

#include <cstdint>

namespace tarvex {

class FontResource : public BaseResource {
    TARVEX_OBJECT(FontResource, BaseResource)
public:
    // Style flags, combined; the image font's own flags.
    static constexpr std::int32_t FONT_BOLD = platform::FONT_BOLD;
    static constexpr std::int32_t FONT_ITALIC = platform::FONT_ITALIC;
    static constexpr std::int32_t FONT_SMOOTHING = platform::FONT_SMOOTH;

    // The font, read first when needed; null when the file could not be read.
    [[nodiscard]] Ref<platform::ImageFont> getFont();
    // The size and style flags the definition asks for.
    [[nodiscard]] std::int32_t getSize() const;
    [[nodiscard]] std::int32_t getStyle() const;

protected:
    void _loadDefinition() override {}
    void _load() override;
    void _free() override { _font = nullptr; }
    [[nodiscard]] ObjectRef _get() override { return _font; }

private:
    Ref<platform::ImageFont> _font;
};

} // namespace tarvex
