// The base of everything the render queue draws. A request knows how to update and draw
// itself; the queue and render groups call update(delta) once per frame and then
// render(tween, camera, ignoreCamera) for every visible request, in insertion order.
//
// `camera` is the queue's camera (may be null); requests that honour it draw at their world
// position minus the camera position. A non-zero `ignoreCamera` argument, or the request's own
// ignore-camera flag, makes them draw at the world position itself.
#pragma once

#include "core/Object.hpp"

#include <cstdint>
#include <string>

namespace tarvex::graphics {

class AbstractRenderCamera;

class AbstractRenderRequest : public Object {
    TARVEX_OBJECT(AbstractRenderRequest, Object)
public:
    AbstractRenderRequest() = default;

    virtual void setIdentifier(const std::string& name) { _identifier = name; }
    // Spelled as the framework's callers know it.
    [[nodiscard]] virtual const std::string& getIndentifier() const { return _identifier; }
    virtual void setVisible(bool visible) { _isVisible = visible; }
    virtual void hide() { _isVisible = false; }
    virtual void show() { _isVisible = true; }
    [[nodiscard]] virtual bool isVisible() const { return _isVisible; }
    [[nodiscard]] virtual std::uint16_t getZIndex() const { return _zIndex; }
    virtual void setZIndex(std::uint16_t z) { _zIndex = z; }
    [[nodiscard]] virtual bool isIgnoringCamera() const { return _ignoreCamera; }
    virtual AbstractRenderRequest& ignoreCamera(bool ignore) {
        _ignoreCamera = ignore;
        return *this;
    }
    virtual void move(float /*dx*/, float /*dy*/) {}
    [[nodiscard]] virtual float getX() const = 0;
    [[nodiscard]] virtual float getY() const = 0;
    virtual void update(float delta) = 0;
    virtual void render(double tween, const AbstractRenderCamera* camera,
                        std::int32_t ignoreCamera) = 0;
    // Called by the container that removed this request.
    virtual void onRemoved() {}

    // One line of the queue's trace: four spaces and the class name; groups list their items.
    [[nodiscard]] virtual std::string trace() const;
    // 1 for a plain request; groups count their items, recursively.
    [[nodiscard]] virtual std::int32_t countItems() const { return 1; }

    // Ascending z-index: a's z-index minus b's.
    [[nodiscard]] static std::int32_t SortByZIndex(const AbstractRenderRequest& a,
                                                   const AbstractRenderRequest& b) {
        return static_cast<std::int32_t>(a._zIndex) - static_cast<std::int32_t>(b._zIndex);
    }

protected:
    std::string _identifier;
    std::uint16_t _zIndex = 1;
    bool _ignoreCamera = false;
    bool _isVisible = true;
};

} // namespace tarvex::graphics
