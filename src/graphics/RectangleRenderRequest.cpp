#include "graphics/RectangleRenderRequest.hpp"

#include "core/TypeBuilder.hpp"
#include "graphics/TarvexGfx.hpp"
#include "platform/DrawingLayer.hpp"

namespace tarvex::graphics {

const Type& RectangleRenderRequest::staticType() {
    static const Type& type =
        TypeBuilder<RectangleRenderRequest>("RectangleRenderRequest")
            .field("_width", &RectangleRenderRequest::_width)
            .field("_height", &RectangleRenderRequest::_height)
            .field("_borderColor", &RectangleRenderRequest::_borderColor)
            .field("_borderThickness", &RectangleRenderRequest::_borderThickness)
            .field("_borderAlpha", &RectangleRenderRequest::_borderAlpha)
            .field("_borderVisibility", &RectangleRenderRequest::_borderVisibility)
            .field("_backgroundAlpha", &RectangleRenderRequest::_backgroundAlpha)
            .field("_backgroundColor", &RectangleRenderRequest::_backgroundColor)
            .field("_showBorder", &RectangleRenderRequest::_showBorder)
            .field("_showBackground", &RectangleRenderRequest::_showBackground)
            .field("_roundedBorder", &RectangleRenderRequest::_roundedBorder)
            .build();
    return type;
}

Ref<RectangleRenderRequest> RectangleRenderRequest::Create(float x, float y, std::int32_t w,
                                                           std::int32_t h) {
    auto rectangle = std::make_shared<RectangleRenderRequest>();
    rectangle->setPosition(x, y);
    rectangle->setDimensions(static_cast<float>(w), static_cast<float>(h));
    rectangle->hideBorder();
    return rectangle;
}

RectangleRenderRequest& RectangleRenderRequest::hideBorder() {
    _showBorder = false;
    return *this;
}

RectangleRenderRequest& RectangleRenderRequest::showBorder() {
    _showBorder = true;
    return *this;
}

RectangleRenderRequest& RectangleRenderRequest::setBorderThickness(std::uint8_t thickness) {
    _borderThickness = thickness;
    return *this;
}

RectangleRenderRequest& RectangleRenderRequest::setBorderVisibility(std::uint8_t sides) {
    _borderVisibility = sides;
    return *this;
}

RectangleRenderRequest& RectangleRenderRequest::hideBackground() {
    _showBackground = false;
    return *this;
}

RectangleRenderRequest& RectangleRenderRequest::showBackground() {
    _showBackground = true;
    return *this;
}

RectangleRenderRequest& RectangleRenderRequest::setDimensions(float width, float height) {
    _width = width;
    _height = height;
    return *this;
}

RectangleRenderRequest& RectangleRenderRequest::setBorderColor(std::uint8_t r, std::uint8_t g,
                                                               std::uint8_t b) {
    _borderColor = TarvexGfx::rgbToInt(r, g, b);
    return *this;
}

RectangleRenderRequest& RectangleRenderRequest::setBackgroundColor(std::uint8_t r, std::uint8_t g,
                                                                   std::uint8_t b) {
    _backgroundColor = TarvexGfx::rgbToInt(r, g, b);
    return *this;
}

RectangleRenderRequest& RectangleRenderRequest::setBorderAlpha(float alpha) {
    _borderAlpha = alpha;
    return *this;
}

RectangleRenderRequest& RectangleRenderRequest::setBackgroundAlpha(float alpha) {
    _backgroundAlpha = alpha;
    return *this;
}

RectangleRenderRequest& RectangleRenderRequest::setBorderRounding(bool rounded) {
    _roundedBorder = rounded;
    return *this;
}

void RectangleRenderRequest::hide() {
    AbstractSpriteRequest::hide();
    hideBorder();
    hideBackground();
}

void RectangleRenderRequest::show() {
    AbstractSpriteRequest::show();
    showBorder();
    showBackground();
}

void RectangleRenderRequest::render(double /*tween*/, const AbstractRenderCamera* camera,
                                    std::int32_t ignoreCamera) {
    _interpolate(1.0);
    setRenderState();
    if (_showBackground) {
        renderBackground(camera, ignoreCamera);
    }
    if (_showBorder) {
        renderBorder(camera, ignoreCamera);
    }
}

void RectangleRenderRequest::_innerBox(const AbstractRenderCamera* camera,
                                       std::int32_t ignoreCamera, float& x, float& y, float& w,
                                       float& h) const {
    _screenPosition(camera, ignoreCamera, x, y);
    w = static_cast<float>(static_cast<std::int32_t>(_width));
    h = static_cast<float>(static_cast<std::int32_t>(_height));
    if (_showBorder) {
        const auto t = static_cast<float>(_borderThickness);
        x += t;
        y += t;
        w -= 2 * t;
        h -= 2 * t;
    }
}

void RectangleRenderRequest::renderBackground(const AbstractRenderCamera* camera,
                                              std::int32_t ignoreCamera) {
    float x = 0;
    float y = 0;
    float w = 0;
    float h = 0;
    _innerBox(camera, ignoreCamera, x, y, w, h);
    auto& gfx = platform::drawingLayer();
    gfx.setBlend(platform::BLEND_ALPHA);
    gfx.setAlpha(_backgroundAlpha);
    TarvexGfx::setColorInt(_backgroundColor);
    gfx.drawRect(x, y, w, h);
    gfx.setBlend(platform::BLEND_MASK);
    gfx.setAlpha(1.0F);
}

void RectangleRenderRequest::renderBorder(const AbstractRenderCamera* camera,
                                          std::int32_t ignoreCamera) {
    float x = 0;
    float y = 0;
    _screenPosition(camera, ignoreCamera, x, y);
    auto& gfx = platform::drawingLayer();
    gfx.setBlend(platform::BLEND_ALPHA);
    gfx.setAlpha(_borderAlpha);
    TarvexGfx::setColorInt(_borderColor);
    const auto t = static_cast<float>(_borderThickness);
    const float r = _roundedBorder ? t : 0;
    if ((_borderVisibility & BORDER_TOP) != 0) {
        gfx.drawRect(x + r, y, _width - 2 * r, t);
    }
    if ((_borderVisibility & BORDER_BOTTOM) != 0) {
        gfx.drawRect(x + r, y + _height - t, _width - 2 * r, t);
    }
    if ((_borderVisibility & BORDER_LEFT) != 0) {
        gfx.drawRect(x, y + t, t, _height - 2 * t);
    }
    if ((_borderVisibility & BORDER_RIGHT) != 0) {
        gfx.drawRect(x + _width - t, y + t, t, _height - 2 * t);
    }
    gfx.setColor(255, 255, 255);
    gfx.setBlend(platform::BLEND_MASK);
    gfx.setAlpha(1.0F);
}

const Type& ProgressBarRenderRequest::staticType() {
    static const Type& type = TypeBuilder<ProgressBarRenderRequest>("ProgressBarRenderRequest")
                                  .field("_barAlpha", &ProgressBarRenderRequest::_barAlpha)
                                  .field("_barColor", &ProgressBarRenderRequest::_barColor)
                                  .field("_percentage", &ProgressBarRenderRequest::_percentage)
                                  .field("_padding", &ProgressBarRenderRequest::_padding)
                                  .field("_maxValue", &ProgressBarRenderRequest::_maxValue)
                                  .field("_currentValue", &ProgressBarRenderRequest::_currentValue)
                                  .build();
    return type;
}

Ref<ProgressBarRenderRequest> ProgressBarRenderRequest::Create(float x, float y, std::int32_t w,
                                                               std::int32_t h) {
    auto bar = std::make_shared<ProgressBarRenderRequest>();
    bar->setPosition(x, y);
    bar->setDimensions(static_cast<float>(w), static_cast<float>(h));
    bar->hideBorder();
    return bar;
}

ProgressBarRenderRequest& ProgressBarRenderRequest::setPadding(std::int32_t padding) {
    _padding = padding;
    return *this;
}

ProgressBarRenderRequest& ProgressBarRenderRequest::setBarColor(std::uint8_t r, std::uint8_t g,
                                                                std::uint8_t b) {
    _barColor = TarvexGfx::rgbToInt(r, g, b);
    return *this;
}

ProgressBarRenderRequest& ProgressBarRenderRequest::setBarAlpha(float alpha) {
    _barAlpha = alpha;
    return *this;
}

ProgressBarRenderRequest& ProgressBarRenderRequest::setPercentage(float fraction) {
    _percentage = fraction;
    return *this;
}

ProgressBarRenderRequest& ProgressBarRenderRequest::setMaxValue(float value) {
    _maxValue = value;
    updatePercentage();
    return *this;
}

ProgressBarRenderRequest& ProgressBarRenderRequest::setCurrentValue(float value) {
    _currentValue = value;
    updatePercentage();
    return *this;
}

void ProgressBarRenderRequest::updatePercentage() {
    // Without a maximum there is no fraction to show: the bar stays empty rather than
    // taking a division by zero (infinite or undefined widths) to the drawing layer.
    _percentage = _maxValue > 0 ? _currentValue / _maxValue : 0.0F;
}

void ProgressBarRenderRequest::hide() {
    RectangleRenderRequest::hide();
}

void ProgressBarRenderRequest::show() {
    RectangleRenderRequest::show();
}

void ProgressBarRenderRequest::render(double tween, const AbstractRenderCamera* camera,
                                      std::int32_t ignoreCamera) {
    RectangleRenderRequest::render(tween, camera, ignoreCamera);
    renderBar(camera, ignoreCamera);
}

void ProgressBarRenderRequest::renderBar(const AbstractRenderCamera* camera,
                                         std::int32_t ignoreCamera) {
    if (!_isVisible) {
        return;
    }
    float x = 0;
    float y = 0;
    float w = 0;
    float h = 0;
    _innerBox(camera, ignoreCamera, x, y, w, h);
    if (_padding != 0) {
        const auto p = static_cast<float>(_padding);
        x += p;
        y += p;
        w -= 2 * p;
        h -= 2 * p;
    }
    auto& gfx = platform::drawingLayer();
    gfx.setBlend(platform::BLEND_ALPHA);
    gfx.setAlpha(_barAlpha);
    TarvexGfx::setColorInt(_barColor);
    gfx.drawRect(x, y, w * _percentage, h);
    gfx.setBlend(platform::BLEND_MASK);
    gfx.setAlpha(1.0F);
}

} // namespace tarvex::graphics
