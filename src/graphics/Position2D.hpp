// A point in world units (floats). The two-argument setter takes y as an integer, so a y given
// as a float loses its fraction there; setPositionY keeps it. Sprites hold their positions by
// value; operations that hand out a new position return a shared one.
//
//     auto p = Position2D::Create(3.5F, 4);
//     p->addValue(1, 1);             // (4.5, 5)
//     p->getMagnitude();
#pragma once

#include "core/Object.hpp"

#include <cstdint>
#include <string>

namespace tarvex::graphics {

class Position2D : public Object {
    TARVEX_OBJECT(Position2D, Object)
public:
    Position2D() = default;
    Position2D(float x, float y) : _xPos(x), _yPos(y) {}

    [[nodiscard]] static Ref<Position2D> Create(float x, std::int32_t y);

    [[nodiscard]] float getX() const { return _xPos; }
    [[nodiscard]] float getY() const { return _yPos; }

    void setPosition(float x, std::int32_t y) {
        _xPos = x;
        _yPos = static_cast<float>(y);
    }
    void setPositionX(float x) { _xPos = x; }
    void setPositionY(float y) { _yPos = y; }
    // Copies p with its y passed through an integer, as setPosition does.
    void setPositionObject(const Position2D& p);
    [[nodiscard]] Ref<Position2D> clone() const;
    void addValue(float dx, float dy) {
        _xPos += dx;
        _yPos += dy;
    }
    void subtractValue(float dx, float dy) {
        _xPos -= dx;
        _yPos -= dy;
    }
    void addPosition(const Position2D& p) { addValue(p._xPos, p._yPos); }
    void subtractPosition(const Position2D& p) { subtractValue(p._xPos, p._yPos); }
    void multiply(float f) {
        _xPos *= f;
        _yPos *= f;
    }
    void divide(float f) {
        _xPos /= f;
        _yPos /= f;
    }
    void normalize();
    [[nodiscard]] float getMagnitude() const;
    [[nodiscard]] float getSquaredMagnitude() const { return _xPos * _xPos + _yPos * _yPos; }
    [[nodiscard]] float getDot(const Position2D& p) const {
        return _xPos * p._xPos + _yPos * p._yPos;
    }
    [[nodiscard]] float getDistance(const Position2D& p) const;
    // Angle of (x, y) from the x axis in whole degrees, truncated.
    [[nodiscard]] std::int32_t getRotation() const;
    [[nodiscard]] bool equals(float x, float y) const { return _xPos == x && _yPos == y; }
    // Inclusive on every edge.
    [[nodiscard]] bool inRectangle(float rx, float ry, float rw, float rh) const;
    // Becomes a; b and t are accepted and not used.
    void tween(const Position2D& a, const Position2D& b, float t);
    [[nodiscard]] std::string ToString() const override;

private:
    float _xPos = 0;
    float _yPos = 0;
};

} // namespace tarvex::graphics
