// Text settings shared by many text requests (font, colours, shadow, alignment, box width),
// copied into a request by TextRenderRequest::setStyle or Create:
//
//     auto style = std::make_shared<TextRenderStyle>();
//     style->setFont(font).setFontColor(255, 255, 0).setShadowColor(0, 0, 0)
//         .setAlignment(TextRenderRequest::ALIGN_CENTER).setWidth(224);
//     ui->add(TextRenderRequest::Create("GAME OVER", 0, 120, style), "title");
#pragma once

#include "core/Object.hpp"
#include "platform/ImageFont.hpp"

#include <cstdint>

namespace tarvex::graphics {

class TextRenderStyle : public Object {
    TARVEX_OBJECT(TextRenderStyle, Object)
public:
    static constexpr float WIDTH_NOT_SET = -1.0F;

    TextRenderStyle& setAlignment(std::uint8_t alignment);
    TextRenderStyle& setFont(Ref<platform::ImageFont> font);
    TextRenderStyle& setFontColor(std::uint8_t r, std::uint8_t g, std::uint8_t b);
    TextRenderStyle& setShadowColor(std::uint8_t r, std::uint8_t g, std::uint8_t b);
    TextRenderStyle& setShadowAlpha(float alpha);
    TextRenderStyle& setShadowDistance(std::int32_t x, std::int32_t y);
    TextRenderStyle& setWidth(float width);
    TextRenderStyle& ignoreCamera(bool ignore);

    [[nodiscard]] const Ref<platform::ImageFont>& getFont() const { return _font; }
    [[nodiscard]] std::int32_t getFontColor() const { return _fontColor; }
    [[nodiscard]] std::int32_t getShadowColor() const { return _shadowColor; }
    [[nodiscard]] float getShadowAlpha() const { return _shadowAlpha; }
    [[nodiscard]] std::uint16_t getShadowXDistance() const { return _shadowXDistance; }
    [[nodiscard]] std::uint16_t getShadowYDistance() const { return _shadowYDistance; }
    [[nodiscard]] std::uint8_t getAlignment() const { return _alignment; }
    [[nodiscard]] float getWidth() const { return _width; }
    [[nodiscard]] bool isIgnoringCamera() const { return _ignoreCamera; }

private:
    Ref<platform::ImageFont> _font;
    std::int32_t _fontColor = 0;
    std::int32_t _shadowColor = -1; // no shadow
    float _shadowAlpha = 0.5F;
    std::uint16_t _shadowXDistance = 1;
    std::uint16_t _shadowYDistance = 1;
    std::uint8_t _alignment = 1;
    float _width = WIDTH_NOT_SET;
    bool _ignoreCamera = false;
};

} // namespace tarvex::graphics
