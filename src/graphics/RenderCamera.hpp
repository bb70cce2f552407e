// The camera of the render queue: the world point drawn at the screen's top-left. Requests
// that honour the camera subtract its position when they draw, so moving the camera scrolls
// (or, for a screen shake, jolts) the world while text and overlays that ignore it stay put.
//
//     auto camera = RenderCamera::Create(224, 288, 0, 0);
//     renderer->setCamera(camera);
//     camera->setTarget(boat, true);   // follow the boat, starting on it
//
// A camera may follow a target sprite; its CameraBehaviour decides how (the default one
// re-centres on the target every update, without clamping to the bounds).
#pragma once

#include "graphics/Rectangle2D.hpp"

#include <cstdint>

namespace tarvex::graphics {

class AbstractSpriteRequest;
class RenderCamera;

class AbstractRenderCamera : public Object {
    TARVEX_OBJECT(AbstractRenderCamera, Object)
public:
    [[nodiscard]] virtual float getX() const = 0;
    [[nodiscard]] virtual float getY() const = 0;
    [[nodiscard]] virtual float getWidth() const = 0;
    [[nodiscard]] virtual float getHeight() const = 0;
    [[nodiscard]] virtual const Position2D& getPosition() const = 0;
    [[nodiscard]] virtual const Rectangle2D& getBounds() const = 0;
};

class CameraBehaviour : public Object {
    TARVEX_OBJECT(CameraBehaviour, Object)
public:
    virtual void setCamera(RenderCamera* camera) { _camera = camera; }
    virtual void afterTargetSet() {}
    virtual void afterCameraSet() {}
    // Remembers the previous position, then puts the target a quarter of the view from the
    // top-left corner.
    virtual void update(float delta);

protected:
    RenderCamera* _camera = nullptr; // the camera owns its behaviour
};

class RenderCamera : public AbstractRenderCamera {
    TARVEX_OBJECT(RenderCamera, AbstractRenderCamera)
public:
    RenderCamera() = default;
    // Its behaviour points back at it: a copy would be moved by the original's behaviour.
    RenderCamera(const RenderCamera&) = delete;
    RenderCamera& operator=(const RenderCamera&) = delete;

    // A view of width x height units at (x, y), with the default behaviour.
    [[nodiscard]] static Ref<RenderCamera> Create(std::int32_t width, std::int32_t height,
                                                  std::int32_t x, std::int32_t y);

    [[nodiscard]] float getX() const override { return _position.getX(); }
    [[nodiscard]] float getY() const override { return _position.getY(); }
    [[nodiscard]] float getWidth() const override { return static_cast<float>(width); }
    [[nodiscard]] float getHeight() const override { return static_cast<float>(height); }
    [[nodiscard]] const Position2D& getPosition() const override { return _position; }
    [[nodiscard]] Position2D& getPosition() { return _position; }
    [[nodiscard]] const Position2D& getPreviousPosition() const { return _previousPosition; }
    [[nodiscard]] Position2D& getPreviousPosition() { return _previousPosition; }
    [[nodiscard]] const Rectangle2D& getBounds() const override { return _bounds; }

    [[nodiscard]] bool isInLeftBounds() const;
    [[nodiscard]] bool isInRightBounds() const;
    [[nodiscard]] bool isInTopBounds() const;
    [[nodiscard]] bool isInBottomBounds() const;
    [[nodiscard]] AbstractSpriteRequest* getTarget() const { return _target.get(); }
    void setPosition(std::int32_t x, std::int32_t y);
    void setBounds(float x, float y, float w, float h);
    // A null sprite is ignored.
    void setTarget(const Ref<AbstractSpriteRequest>& sprite, bool jump);
    // Puts the target a quarter of the view from the top-left, then keeps the view inside the
    // bounds (measured with half the view size).
    void jumpToTarget();
    // The target relative to the camera; null without a target.
    [[nodiscard]] Ref<Position2D> getTargetPosition() const;
    [[nodiscard]] bool hasTarget() const { return _target != nullptr; }
    void setBehaviour(Ref<CameraBehaviour> behaviour);
    void update(float delta);
    // A quarter of the view in whole units: where a followed target sits from the top-left.
    [[nodiscard]] std::int32_t quarterWidth() const { return width / 4; }
    [[nodiscard]] std::int32_t quarterHeight() const { return height / 4; }

    std::int32_t width = 0;
    std::int32_t height = 0;

private:
    Position2D _screenPosition; // kept for callers that store it; no operation reads it
    Position2D _position;
    Position2D _previousPosition;
    Rectangle2D _bounds;
    Ref<AbstractSpriteRequest> _target;
    Ref<CameraBehaviour> _behaviour;
};

} // namespace tarvex::graphics
