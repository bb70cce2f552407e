#include "game/components/BodyComponent.hpp"

#include "core/TypeBuilder.hpp"

namespace tarvex::game {

const Type& BodyComponent::staticType() {
    static const Type& type = TypeBuilder<BodyComponent>("BodyComponent")
                                  .meta("name", "body")
                                  .field("sprite_name", &BodyComponent::sprite_name)
                                  .field("animation_name", &BodyComponent::animation_name)
                                  .field("frameset_name", &BodyComponent::frameset_name)
                                  .field("sprite_frame", &BodyComponent::sprite_frame)
                                  .field("sprite_alpha", &BodyComponent::sprite_alpha)
                                  .field("x_pos", &BodyComponent::x_pos)
                                  .field("y_pos", &BodyComponent::y_pos)
                                  .field("x_velocity", &BodyComponent::x_velocity)
                                  .field("y_velocity", &BodyComponent::y_velocity)
                                  .field("x_acceleration", &BodyComponent::x_acceleration)
                                  .field("y_acceleration", &BodyComponent::y_acceleration)
                                  .field("x_max_velocity", &BodyComponent::x_max_velocity)
                                  .field("y_max_velocity", &BodyComponent::y_max_velocity)
                                  .field("x_drag", &BodyComponent::x_drag)
                                  .field("y_drag", &BodyComponent::y_drag)
                                  .field("layer_name", &BodyComponent::layer_name)
                                  .field("_sprite", &BodyComponent::_sprite)
                                  .field("_image", &BodyComponent::_image)
                                  .build();
    return type;
}

void BodyComponent::stop() {
    x_velocity = 0;
    y_velocity = 0;
    x_acceleration = 0;
    y_acceleration = 0;
}

void BodyComponent::setImage(const Ref<ImageResource>& imageResource) {
    _sprite =
        graphics::ImageSprite::Create(imageResource ? imageResource->getImage() : nullptr, 0, 0);
}

std::int32_t BodyComponent::getWidth() const {
    if (!_sprite || !_sprite->getImage()) {
        return 0;
    }
    return _sprite->getImage()->width();
}

std::int32_t BodyComponent::getHeight() const {
    if (!_sprite || !_sprite->getImage()) {
        return 0;
    }
    return _sprite->getImage()->height();
}

void BodyComponent::move(float dx, float dy) {
    x_pos += dx;
    y_pos += dy;
    if (_sprite) {
        _sprite->move(dx, dy);
    }
}

void BodyComponent::setX(float x) {
    x_pos = x;
    if (_sprite) {
        _sprite->setPosition(x, _sprite->getY());
    }
}

void BodyComponent::setY(float y) {
    y_pos = y;
    if (_sprite) {
        _sprite->setPosition(_sprite->getX(), y);
    }
}

void BodyComponent::hide() {
    if (_sprite) {
        _sprite->hide();
    }
}

} // namespace tarvex::game
