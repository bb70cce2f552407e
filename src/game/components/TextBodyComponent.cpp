#include "game/components/TextBodyComponent.hpp"

#include "core/TypeBuilder.hpp"

namespace tarvex::game {

const Type& TextBodyComponent::staticType() {
    static const Type& type = TypeBuilder<TextBodyComponent>("TextBodyComponent")
                                  .meta("name", "text_body")
                                  .field("text", &TextBodyComponent::text)
                                  .field("text_alpha", &TextBodyComponent::text_alpha)
                                  .field("text_r", &TextBodyComponent::text_r)
                                  .field("text_g", &TextBodyComponent::text_g)
                                  .field("text_b", &TextBodyComponent::text_b)
                                  .field("text_alignment", &TextBodyComponent::text_alignment)
                                  .field("x_pos", &TextBodyComponent::x_pos)
                                  .field("y_pos", &TextBodyComponent::y_pos)
                                  .field("x_velocity", &TextBodyComponent::x_velocity)
                                  .field("y_velocity", &TextBodyComponent::y_velocity)
                                  .field("x_acceleration", &TextBodyComponent::x_acceleration)
                                  .field("y_acceleration", &TextBodyComponent::y_acceleration)
                                  .field("x_max_velocity", &TextBodyComponent::x_max_velocity)
                                  .field("y_max_velocity", &TextBodyComponent::y_max_velocity)
                                  .field("x_drag", &TextBodyComponent::x_drag)
                                  .field("y_drag", &TextBodyComponent::y_drag)
                                  .field("layer_name", &TextBodyComponent::layer_name)
                                  .field("_label", &TextBodyComponent::_label)
                                  .build();
    return type;
}

void TextBodyComponent::stop() {
    x_velocity = 0;
    y_velocity = 0;
    x_acceleration = 0;
    y_acceleration = 0;
}

void TextBodyComponent::setText(const std::string& newText) {
    text = newText;
    if (_label) {
        _label->setText(newText);
    }
}

std::int32_t TextBodyComponent::getWidth() const {
    if (!_label || !_label->getFont()) {
        return 0;
    }
    return _label->getFont()->textWidth(_label->getText());
}

std::int32_t TextBodyComponent::getHeight() const {
    if (!_label || !_label->getFont()) {
        return 0;
    }
    return _label->getFont()->height();
}

void TextBodyComponent::move(float dx, float dy) {
    x_pos += dx;
    y_pos += dy;
    if (_label) {
        _label->move(dx, dy);
    }
}

void TextBodyComponent::setX(float x) {
    x_pos = x;
    if (_label) {
        _label->setPosition(x, _label->getY());
    }
}

void TextBodyComponent::setY(float y) {
    y_pos = y;
    if (_label) {
        _label->setPosition(_label->getX(), y);
    }
}

} // namespace tarvex::game
