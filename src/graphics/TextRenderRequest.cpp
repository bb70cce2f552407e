#include "graphics/TextRenderRequest.hpp"

#include "core/TypeBuilder.hpp"
#include "graphics/TarvexGfx.hpp"
#include "platform/DrawingLayer.hpp"

namespace tarvex::graphics {

const Type& TextRenderStyle::staticType() {
    static const Type& type = TypeBuilder<TextRenderStyle>("TextRenderStyle")
                                  .field("_font", &TextRenderStyle::_font)
                                  .field("_fontColor", &TextRenderStyle::_fontColor)
                                  .field("_shadowColor", &TextRenderStyle::_shadowColor)
                                  .field("_shadowAlpha", &TextRenderStyle::_shadowAlpha)
                                  .field("_shadowXDistance", &TextRenderStyle::_shadowXDistance)
                                  .field("_shadowYDistance", &TextRenderStyle::_shadowYDistance)
                                  .field("_alignment", &TextRenderStyle::_alignment)
                                  .field("_width", &TextRenderStyle::_width)
                                  .field("_ignoreCamera", &TextRenderStyle::_ignoreCamera)
                                  .build();
    return type;
}

TextRenderStyle& TextRenderStyle::setAlignment(std::uint8_t alignment) {
    _alignment = alignment;
    return *this;
}

TextRenderStyle& TextRenderStyle::setFont(Ref<platform::ImageFont> font) {
    _font = std::move(font);
    return *this;
}

TextRenderStyle& TextRenderStyle::setFontColor(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    _fontColor = TarvexGfx::rgbToInt(r, g, b);
    return *this;
}

TextRenderStyle& TextRenderStyle::setShadowColor(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    _shadowColor = TarvexGfx::rgbToInt(r, g, b);
    return *this;
}

TextRenderStyle& TextRenderStyle::setShadowAlpha(float alpha) {
    _shadowAlpha = alpha;
    return *this;
}

TextRenderStyle& TextRenderStyle::setShadowDistance(std::int32_t x, std::int32_t y) {
    _shadowXDistance = static_cast<std::uint16_t>(x);
    _shadowYDistance = static_cast<std::uint16_t>(y);
    return *this;
}

TextRenderStyle& TextRenderStyle::setWidth(float width) {
    _width = width;
    return *this;
}

TextRenderStyle& TextRenderStyle::ignoreCamera(bool ignore) {
    _ignoreCamera = ignore;
    return *this;
}

const Type& TextRenderRequest::staticType() {
    static const Type& type = TypeBuilder<TextRenderRequest>("TextRenderRequest")
                                  .field("_text", &TextRenderRequest::_text)
                                  .field("_wrap", &TextRenderRequest::_wrap)
                                  .field("_font", &TextRenderRequest::_font)
                                  .field("_width", &TextRenderRequest::_width)
                                  .field("_height", &TextRenderRequest::_height)
                                  .field("_fontColor", &TextRenderRequest::_fontColor)
                                  .field("_shadowColor", &TextRenderRequest::_shadowColor)
                                  .field("_shadowAlpha", &TextRenderRequest::_shadowAlpha)
                                  .field("_shadowXDistance", &TextRenderRequest::_shadowXDistance)
                                  .field("_shadowYDistance", &TextRenderRequest::_shadowYDistance)
                                  .field("_alignment", &TextRenderRequest::_alignment)
                                  .field("_traceEnabled", &TextRenderRequest::_traceEnabled)
                                  .build();
    return type;
}

Ref<TextRenderRequest> TextRenderRequest::Create(const std::string& text, std::int32_t x,
                                                 std::int32_t y,
                                                 const Ref<TextRenderStyle>& style) {
    auto request = std::make_shared<TextRenderRequest>();
    request->setText(text);
    request->setPosition(static_cast<float>(x), static_cast<float>(y));
    if (style) {
        request->setStyle(*style);
    }
    return request;
}

TextRenderRequest& TextRenderRequest::setStyle(const TextRenderStyle& style) {
    _alignment = style.getAlignment();
    _shadowAlpha = style.getShadowAlpha();
    _shadowXDistance = style.getShadowXDistance();
    _shadowYDistance = style.getShadowYDistance();
    _shadowColor = style.getShadowColor();
    _fontColor = style.getFontColor();
    ignoreCamera(style.isIgnoringCamera());
    if (style.getFont()) {
        _font = style.getFont();
    }
    if (style.getWidth() != TextRenderStyle::WIDTH_NOT_SET) {
        _width = style.getWidth();
    }
    return *this;
}

TextRenderRequest& TextRenderRequest::setText(const std::string& text) {
    _text = _wrap ? _wrapText(text) : text;
    return *this;
}

TextRenderRequest& TextRenderRequest::setWrap(bool wrap) {
    _wrap = wrap;
    return *this;
}

TextRenderRequest& TextRenderRequest::setDimensions(float width, float height) {
    _width = width;
    _height = height;
    return *this;
}

TextRenderRequest& TextRenderRequest::setAlignment(std::uint8_t alignment) {
    _alignment = alignment;
    return *this;
}

TextRenderRequest& TextRenderRequest::setFont(Ref<platform::ImageFont> font) {
    _font = std::move(font);
    return *this;
}

TextRenderRequest& TextRenderRequest::setFontColor(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    _fontColor = TarvexGfx::rgbToInt(r, g, b);
    return *this;
}

TextRenderRequest& TextRenderRequest::setShadowColor(std::uint8_t r, std::uint8_t g,
                                                     std::uint8_t b) {
    _shadowColor = TarvexGfx::rgbToInt(r, g, b);
    return *this;
}

TextRenderRequest& TextRenderRequest::setShadowAlpha(float alpha) {
    _shadowAlpha = alpha;
    return *this;
}

TextRenderRequest& TextRenderRequest::setShadowDistance(std::int32_t x, std::int32_t y) {
    _shadowXDistance = static_cast<std::uint16_t>(x);
    _shadowYDistance = static_cast<std::uint16_t>(y);
    return *this;
}

TextRenderRequest& TextRenderRequest::setWidth(float width) {
    _width = width;
    return *this;
}

TextRenderRequest& TextRenderRequest::enableTrace() {
    _traceEnabled = true;
    return *this;
}

int TextRenderRequest::_measure(std::string_view text) const {
    return _font ? _font->textWidth(text) : platform::drawingLayer().textWidth(text);
}

std::string TextRenderRequest::_wrapText(const std::string& text) {
    std::string result;
    std::string line;
    std::string word;
    // `line` already ends in a space; the test adds one more before the word. A word that does
    // not fit starts a new line, unless it is the first of its line (no empty lines).
    const auto fits = [&] {
        return line.empty() || static_cast<float>(_measure(line + " " + word)) <= _width;
    };
    // The last word of a line (before "\n" or at the end) is tested like every other word, so
    // that it cannot run past the box.
    const auto breakBeforeLastWord = [&] {
        if (!word.empty() && !fits()) {
            result += line + "\n";
            line.clear();
        }
    };
    for (const char c : text) {
        if (c == ' ') {
            if (fits()) {
                line += word + " ";
            } else {
                result += line + "\n";
                line = word + " ";
            }
            word.clear();
        } else if (c == '\n') {
            breakBeforeLastWord();
            result += line + word + "\n";
            line.clear();
            word.clear();
        } else if (static_cast<unsigned char>(c) > 32) {
            word += c;
        }
    }
    breakBeforeLastWord();
    return result + line + word;
}

void TextRenderRequest::renderTextLine(std::string_view line, float x, float y) {
    auto& gfx = platform::drawingLayer();
    if (_alignment == ALIGN_CENTER) {
        x += (_width - static_cast<float>(gfx.textWidth(line))) / 2;
    } else if (_alignment == ALIGN_RIGHT) {
        x = x + _width - static_cast<float>(gfx.textWidth(line));
    }
    if (_shadowColor != NO_SHADOW) {
        TarvexGfx::setColorInt(_shadowColor);
        const float alpha = gfx.alpha();
        gfx.setAlpha(_shadowAlpha);
        gfx.drawText(line, x + _shadowXDistance, y + _shadowYDistance);
        gfx.setAlpha(alpha);
    }
    TarvexGfx::setColorInt(_fontColor);
    gfx.drawText(line, x, y);
}

void TextRenderRequest::render(double /*tween*/, const AbstractRenderCamera* /*camera*/,
                               std::int32_t /*ignoreCamera*/) {
    if (_text.empty() || !_isVisible) {
        return;
    }
    auto& gfx = platform::drawingLayer();
    _interpolate(1.0);
    const Ref<platform::ImageFont> previousFont = gfx.font();
    setRenderState();
    if (_font) {
        gfx.setFont(_font);
    }
    const float x = _tweenedPosition.getX();
    float y = _tweenedPosition.getY();
    if (!_wrap) {
        renderTextLine(_text, x, y);
    } else {
        const auto lineHeight = static_cast<float>(gfx.textHeight("`j"));
        std::string_view rest = _text;
        while (true) {
            const std::size_t end = rest.find('\n');
            renderTextLine(rest.substr(0, end), x, y);
            if (end == std::string_view::npos) {
                break;
            }
            rest.remove_prefix(end + 1);
            y += lineHeight;
        }
    }
    gfx.setFont(previousFont);
}

} // namespace tarvex::graphics
