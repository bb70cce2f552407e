// The base of the sprite-like requests (images, text, rectangles, progress bars, tiled images):
// a position, scale, rotation, colour, alpha, blend mode and handle, pushed into the drawing
// layer by setRenderState() before the request draws.
//
//     auto sprite = ImageSprite::Create(image, 10, 20);
//     sprite->setColorHex("#FF8040").SetAlpha(0.5F);
//     sprite->setPosition(10.5F, 20.7F);    // stored as (10.5, 20): y passes through an integer
//
// The previous position is recorded at each update; requests draw at the current one.
#pragma once

#include "graphics/AbstractRenderRequest.hpp"
#include "graphics/AnimationHandler.hpp"
#include "graphics/Position2D.hpp"

#include <string>

namespace tarvex::graphics {

class AbstractSpriteRequest : public AbstractRenderRequest {
    TARVEX_OBJECT(AbstractSpriteRequest, AbstractRenderRequest)
public:
    static constexpr std::int32_t WHITE = 16777215;

    AbstractSpriteRequest();
    // Its animation handler points back at it: a copy would drive the original.
    AbstractSpriteRequest(const AbstractSpriteRequest&) = delete;
    AbstractSpriteRequest& operator=(const AbstractSpriteRequest&) = delete;

    virtual void addAnimation(const Ref<AbstractSpriteAnimation>& animation);
    // Nothing at this level; image sprites play frame animations.
    virtual void play(const std::string& name, float speed);
    virtual void resetPosition(float x, float y);
    // Scale (1, 1), alpha 1, rotation 0, colour white; blend mode and handle are kept.
    virtual void resetAppearance();
    virtual void movePosition(const Position2D& offset) { _currentPosition.addPosition(offset); }
    virtual AbstractSpriteRequest& setBlendMode(std::uint8_t mode);
    virtual AbstractSpriteRequest& setColorInt(std::int32_t color);
    virtual AbstractSpriteRequest& setColorRGB(std::uint8_t r, std::uint8_t g, std::uint8_t b);
    // "#RRGGBB" or "RRGGBB"; anything else is white.
    virtual AbstractSpriteRequest& setColorHex(const std::string& text);
    virtual AbstractSpriteRequest& SetScale(float x, float y);
    // The y coordinate passes through an integer and loses its fraction; x keeps it.
    virtual AbstractSpriteRequest& setPosition(float x, float y);
    virtual AbstractSpriteRequest& setPositionX(float x);
    virtual AbstractSpriteRequest& setPositionY(float y);
    virtual AbstractSpriteRequest& SetAlpha(float alpha);
    virtual void SetRotation(float degrees) { _rotation = degrees; }
    virtual void SetHandle(float x, float y) {
        _xHandle = x;
        _yHandle = y;
    }
    // Colour, scale, rotation, handle, blend mode, alpha: in that order.
    virtual void setRenderState() const;
    [[nodiscard]] virtual AnimationHandler* getAnimationHandler() const {
        return _animationHandler.get();
    }
    [[nodiscard]] virtual std::int32_t getBlendMode() const { return _blendMode; }
    [[nodiscard]] virtual std::int32_t getColor() const { return _color; }
    [[nodiscard]] virtual float getAlpha() const { return _alpha; }
    [[nodiscard]] virtual const Position2D& getPosition() const { return _currentPosition; }
    [[nodiscard]] virtual const Position2D& getPreviousPosition() const {
        return _previousPosition;
    }
    [[nodiscard]] virtual const Position2D& getTweenedPosition() const { return _tweenedPosition; }
    [[nodiscard]] virtual float GetRotation() const { return _rotation; }
    virtual void getScale(float& x, float& y) const {
        x = _xScale;
        y = _yScale;
    }
    [[nodiscard]] virtual float gXScale() const { return _xScale; }
    [[nodiscard]] virtual float gYScale() const { return _yScale; }
    // The tweened position becomes the current one: requests draw where they are now.
    virtual void _interpolate(double tween);
    virtual void _updatePreviousPosition() { _previousPosition = _currentPosition; }

    void move(float dx, float dy) override { _currentPosition.addValue(dx, dy); }
    [[nodiscard]] float getX() const override { return _currentPosition.getX(); }
    [[nodiscard]] float getY() const override { return _currentPosition.getY(); }
    // Records the previous position, then runs the request's animations.
    void update(float delta) override;

protected:
    // Where the tweened position lands on screen: minus the camera unless the camera is null,
    // the caller asks to ignore it, or this request ignores it.
    void _screenPosition(const AbstractRenderCamera* camera, std::int32_t ignoreCamera, float& x,
                         float& y) const;

    Ref<AnimationHandler> _animationHandler;
    Position2D _currentPosition;
    Position2D _previousPosition;
    Position2D _tweenedPosition;
    float _xScale = 1;
    float _yScale = 1;
    float _rotation = 0;
    std::int32_t _blendMode = 0;
    std::int32_t _color = WHITE;
    float _alpha = 1;
    float _xHandle = 0;
    float _yHandle = 0;
};

} // namespace tarvex::graphics
