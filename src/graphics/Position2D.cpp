#include "graphics/Position2D.hpp"

#include "core/TextConversion.hpp"
#include "core/TypeBuilder.hpp"
#include "graphics/Rectangle2D.hpp"

#include <cmath>
#include <numbers>

namespace tarvex::graphics {

const Type& Position2D::staticType() {
    static const Type& type = TypeBuilder<Position2D>("Position2D")
                                  .field("_xPos", &Position2D::_xPos)
                                  .field("_yPos", &Position2D::_yPos)
                                  .build();
    return type;
}

Ref<Position2D> Position2D::Create(float x, std::int32_t y) {
    auto position = std::make_shared<Position2D>();
    position->setPosition(x, y);
    return position;
}

void Position2D::setPositionObject(const Position2D& p) {
    setPosition(p._xPos, static_cast<std::int32_t>(p._yPos));
}

Ref<Position2D> Position2D::clone() const {
    return std::make_shared<Position2D>(_xPos, _yPos);
}

void Position2D::normalize() {
    divide(getMagnitude());
}

float Position2D::getMagnitude() const {
    return std::sqrt(getSquaredMagnitude());
}

float Position2D::getDistance(const Position2D& p) const {
    return std::hypot(_xPos - p._xPos, _yPos - p._yPos);
}

std::int32_t Position2D::getRotation() const {
    return static_cast<std::int32_t>(std::atan2(_yPos, _xPos) * 180.0F / std::numbers::pi_v<float>);
}

bool Position2D::inRectangle(float rx, float ry, float rw, float rh) const {
    return rx <= _xPos && _xPos <= rx + rw && ry <= _yPos && _yPos <= ry + rh;
}

void Position2D::tween(const Position2D& a, const Position2D& /*b*/, float /*t*/) {
    _xPos = a._xPos;
    _yPos = a._yPos;
}

std::string Position2D::ToString() const {
    return "POSITION2D[" + floatToText(_xPos) + ", " + floatToText(_yPos) + "]";
}

const Type& Rectangle2D::staticType() {
    static const Type& type = TypeBuilder<Rectangle2D>("Rectangle2D")
                                  .field("_position", &Rectangle2D::_position)
                                  .field("_width", &Rectangle2D::_width)
                                  .field("_height", &Rectangle2D::_height)
                                  .build();
    return type;
}

Ref<Rectangle2D> Rectangle2D::Create(float x, float y, float w, float h) {
    auto rectangle = std::make_shared<Rectangle2D>();
    rectangle->setPosition(x, static_cast<std::int32_t>(y));
    rectangle->setSize(w, h);
    return rectangle;
}

std::string Rectangle2D::ToString() const {
    return "Rectangle2D: [" + floatToText(getX()) + ", " + floatToText(getY()) + "] to [" +
           floatToText(getX() + _width) + ", " + floatToText(getY() + _height) + "]";
}

} // namespace tarvex::graphics
