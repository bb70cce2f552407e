// An axis-aligned rectangle in world units: a position (top-left) and a size. Containment tests
// include the edges. Used for camera bounds and clip boxes.
//
//     auto box = Rectangle2D::Create(0, 0, 224, 288);
//     box->contains(*sprite.getPosition());
#pragma once

#include "graphics/Position2D.hpp"

namespace tarvex::graphics {

class Rectangle2D : public Object {
    TARVEX_OBJECT(Rectangle2D, Object)
public:
    Rectangle2D() = default;

    // Position (x, trunc(y)).
    [[nodiscard]] static Ref<Rectangle2D> Create(float x, float y, float w, float h);

    [[nodiscard]] float getX() const { return _position.getX(); }
    [[nodiscard]] float getY() const { return _position.getY(); }
    [[nodiscard]] float getWidth() const { return _width; }
    [[nodiscard]] float getHeight() const { return _height; }
    [[nodiscard]] const Position2D& getPosition() const { return _position; }

    void setPosition(float x, std::int32_t y) { _position.setPosition(x, y); }
    void setPositionX(float x) { _position.setPositionX(x); }
    void setPositionY(float y) { _position.setPositionY(y); }
    void setSize(float w, float h) {
        _width = w;
        _height = h;
    }
    void setWidth(float w) { _width = w; }
    void setHeight(float h) { _height = h; }
    // Tweens the position (which becomes a).
    void tween(const Position2D& a, const Position2D& b, float t) { _position.tween(a, b, t); }
    [[nodiscard]] bool containsX(const Position2D& p) const {
        return getX() <= p.getX() && p.getX() <= getX() + _width;
    }
    [[nodiscard]] bool containsY(const Position2D& p) const {
        return getY() <= p.getY() && p.getY() <= getY() + _height;
    }
    [[nodiscard]] bool contains(const Position2D& p) const { return containsX(p) && containsY(p); }
    [[nodiscard]] std::string ToString() const override;

private:
    Position2D _position;
    float _width = 0;
    float _height = 0;
};

} // namespace tarvex::graphics
