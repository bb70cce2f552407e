// A line (or lines) of text in an image font, aligned in a box of `_width` units, optionally
// word-wrapped to that width, with an optional drop shadow that falls right and down:
//
//     auto text = TextRenderRequest::Create("SCORE 100", 4, 4, style);
//     text->setWrap(true).setDimensions(120, 0);
//     text->setText("a long message that breaks at the box width");
//
// Text is drawn at its world position: the camera never moves it. The request's own colour is
// replaced by the font colour (and the shadow colour); its alpha, scale and rotation apply.
#pragma once

#include "graphics/AbstractSpriteRequest.hpp"
#include "graphics/TextRenderStyle.hpp"

#include <string>
#include <string_view>
#include <vector>

namespace tarvex::graphics {

class TextRenderRequest : public AbstractSpriteRequest {
    TARVEX_OBJECT(TextRenderRequest, AbstractSpriteRequest)
public:
    static constexpr std::uint8_t ALIGN_LEFT = 1;
    static constexpr std::uint8_t ALIGN_CENTER = 2;
    static constexpr std::uint8_t ALIGN_RIGHT = 3;
    static constexpr std::int32_t NO_SHADOW = -1;

    TextRenderRequest() = default;

    // setText, setPosition, then setStyle when a style is given.
    [[nodiscard]] static Ref<TextRenderRequest> Create(const std::string& text, std::int32_t x,
                                                       std::int32_t y,
                                                       const Ref<TextRenderStyle>& style);

    // Copies alignment, shadow alpha, distance and colour, font colour and the ignore-camera
    // flag; then the font if the style has one, and the width if the style sets one.
    virtual TextRenderRequest& setStyle(const TextRenderStyle& style);
    // With wrapping already on, the text is wrapped now; turning wrapping on later does not
    // re-wrap it.
    virtual TextRenderRequest& setText(const std::string& text);
    virtual TextRenderRequest& setWrap(bool wrap);
    virtual TextRenderRequest& setDimensions(float width, float height);
    virtual TextRenderRequest& setAlignment(std::uint8_t alignment);
    virtual TextRenderRequest& setFont(Ref<platform::ImageFont> font);
    virtual TextRenderRequest& setFontColor(std::uint8_t r, std::uint8_t g, std::uint8_t b);
    virtual TextRenderRequest& setShadowColor(std::uint8_t r, std::uint8_t g, std::uint8_t b);
    virtual TextRenderRequest& setShadowAlpha(float alpha);
    virtual TextRenderRequest& setShadowDistance(std::int32_t x, std::int32_t y);
    virtual TextRenderRequest& setWidth(float width);
    [[nodiscard]] virtual const std::string& getText() const { return _text; }
    // Draws one line at (x, y), aligned in the box, shadow first.
    virtual void renderTextLine(std::string_view line, float x, float y);
    // Greedy word wrap against `_width`, measured in the request's font.
    [[nodiscard]] virtual std::string _wrapText(const std::string& text);
    virtual TextRenderRequest& enableTrace();

    [[nodiscard]] bool isWrapping() const { return _wrap; }
    [[nodiscard]] float getWidth() const { return _width; }
    [[nodiscard]] std::uint8_t getAlignment() const { return _alignment; }
    [[nodiscard]] std::int32_t getFontColor() const { return _fontColor; }
    [[nodiscard]] std::int32_t getShadowColor() const { return _shadowColor; }
    [[nodiscard]] const Ref<platform::ImageFont>& getFont() const { return _font; }

    void render(double tween, const AbstractRenderCamera* camera,
                std::int32_t ignoreCamera) override;

private:
    // Width of a text in the request's font (the current font when it has none).
    [[nodiscard]] int _measure(std::string_view text) const;

    std::string _text;
    bool _wrap = false;
    Ref<platform::ImageFont> _font;
    float _width = 0;
    float _height = 0;
    std::int32_t _fontColor = 0;
    std::int32_t _shadowColor = NO_SHADOW;
    float _shadowAlpha = 0.5F;
    std::uint16_t _shadowXDistance = 1;
    std::uint16_t _shadowYDistance = 1;
    std::uint8_t _alignment = ALIGN_LEFT;
    bool _traceEnabled = false;
};

} // namespace tarvex::graphics
