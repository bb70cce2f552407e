#include "graphics/AbstractSpriteRequest.hpp"

#include "core/TypeBuilder.hpp"
#include "graphics/HexColor.hpp"
#include "graphics/RenderCamera.hpp"
#include "graphics/TarvexGfx.hpp"
#include "platform/DrawingLayer.hpp"

namespace tarvex::graphics {

const Type& AbstractSpriteRequest::staticType() {
    static const Type& type =
        TypeBuilder<AbstractSpriteRequest>("AbstractSpriteRequest")
            .field("_animationHandler", &AbstractSpriteRequest::_animationHandler)
            .field("_currentPosition", &AbstractSpriteRequest::_currentPosition)
            .field("_previousPosition", &AbstractSpriteRequest::_previousPosition)
            .field("_tweenedPosition", &AbstractSpriteRequest::_tweenedPosition)
            .field("_xScale", &AbstractSpriteRequest::_xScale)
            .field("_yScale", &AbstractSpriteRequest::_yScale)
            .field("_rotation", &AbstractSpriteRequest::_rotation)
            .field("_blendMode", &AbstractSpriteRequest::_blendMode)
            .field("_color", &AbstractSpriteRequest::_color)
            .field("_alpha", &AbstractSpriteRequest::_alpha)
            .field("_xHandle", &AbstractSpriteRequest::_xHandle)
            .field("_yHandle", &AbstractSpriteRequest::_yHandle)
            .build();
    return type;
}

AbstractSpriteRequest::AbstractSpriteRequest() : _blendMode(platform::drawingLayer().blend()) {
    resetAppearance();
    _animationHandler = AnimationHandler::Create(this);
}

void AbstractSpriteRequest::addAnimation(const Ref<AbstractSpriteAnimation>& animation) {
    _animationHandler->add(animation);
}

void AbstractSpriteRequest::play(const std::string& /*name*/, float /*speed*/) {}

void AbstractSpriteRequest::resetPosition(float x, float y) {
    setPosition(x, y);
    _previousPosition = _currentPosition;
}

void AbstractSpriteRequest::resetAppearance() {
    _xScale = 1;
    _yScale = 1;
    _alpha = 1;
    _rotation = 0;
    _color = WHITE;
}

AbstractSpriteRequest& AbstractSpriteRequest::setBlendMode(std::uint8_t mode) {
    _blendMode = mode;
    return *this;
}

AbstractSpriteRequest& AbstractSpriteRequest::setColorInt(std::int32_t color) {
    _color = color;
    return *this;
}

AbstractSpriteRequest& AbstractSpriteRequest::setColorRGB(std::uint8_t r, std::uint8_t g,
                                                          std::uint8_t b) {
    _color = TarvexGfx::rgbToInt(r, g, b);
    return *this;
}

AbstractSpriteRequest& AbstractSpriteRequest::setColorHex(const std::string& text) {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    parseHexColor(text, r, g, b);
    return setColorRGB(r, g, b);
}

AbstractSpriteRequest& AbstractSpriteRequest::SetScale(float x, float y) {
    _xScale = x;
    _yScale = y;
    return *this;
}

AbstractSpriteRequest& AbstractSpriteRequest::setPosition(float x, float y) {
    _currentPosition.setPosition(x, static_cast<std::int32_t>(y));
    return *this;
}

AbstractSpriteRequest& AbstractSpriteRequest::setPositionX(float x) {
    _currentPosition.setPositionX(x);
    return *this;
}

AbstractSpriteRequest& AbstractSpriteRequest::setPositionY(float y) {
    _currentPosition.setPositionY(y);
    return *this;
}

AbstractSpriteRequest& AbstractSpriteRequest::SetAlpha(float alpha) {
    _alpha = alpha;
    return *this;
}

void AbstractSpriteRequest::setRenderState() const {
    auto& gfx = platform::drawingLayer();
    TarvexGfx::setColorInt(_color);
    gfx.setScale(_xScale, _yScale);
    gfx.setRotation(_rotation);
    gfx.setHandle(_xHandle, _yHandle);
    gfx.setBlend(_blendMode);
    gfx.setAlpha(_alpha);
}

void AbstractSpriteRequest::_interpolate(double /*tween*/) {
    _tweenedPosition = _currentPosition;
}

void AbstractSpriteRequest::update(float delta) {
    _previousPosition.setPositionObject(_currentPosition);
    if (_animationHandler) {
        _animationHandler->update(delta);
    }
}

void AbstractSpriteRequest::_screenPosition(const AbstractRenderCamera* camera,
                                            std::int32_t ignoreCamera, float& x, float& y) const {
    x = _tweenedPosition.getX();
    y = _tweenedPosition.getY();
    if (ignoreCamera == 0 && camera != nullptr && !_ignoreCamera) {
        x -= camera->getX();
        y -= camera->getY();
    }
}

} // namespace tarvex::graphics
