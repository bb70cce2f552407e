// A text label that lives in the game world, such as a score rising from a destroyed
// submarine. It moves like a body; its label (a text request in the render group "sprites")
// is made and taken away by the label systems, and follows the position through move(),
// setX() and setY().
#pragma once

#include "entities/EntityComponent.hpp"
#include "graphics/TextRenderRequest.hpp"

#include <cstdint>
#include <string>

namespace tarvex::game {

class TextBodyComponent : public EntityComponent {
    TARVEX_OBJECT(TextBodyComponent, EntityComponent)
public:
    virtual void stop();
    // Stores the text and passes it to the label, when there is one.
    virtual void setText(const std::string& newText);
    [[nodiscard]] virtual const Ref<graphics::TextRenderRequest>& getLabel() const {
        return _label;
    }
    // The label's measured size, truncated; 0 without a label.
    [[nodiscard]] virtual std::int32_t getWidth() const;
    [[nodiscard]] virtual std::int32_t getHeight() const;
    virtual void move(float dx, float dy);
    virtual void setX(float x);
    virtual void setY(float y);

    // Called by the label systems.
    void _setLabel(Ref<graphics::TextRenderRequest> label) { _label = std::move(label); }

    std::string text;
    float text_alpha = 1.0F;
    std::uint8_t text_r = 0;
    std::uint8_t text_g = 0;
    std::uint8_t text_b = 0;
    std::uint8_t text_alignment = 2; // centred
    float x_pos = 0;
    float y_pos = 0;
    float x_velocity = 0;
    float y_velocity = 0;
    float x_acceleration = 0;
    float y_acceleration = 0;
    float x_max_velocity = 0;
    float y_max_velocity = 0;
    float x_drag = 0;
    float y_drag = 0;
    std::string layer_name;

private:
    Ref<graphics::TextRenderRequest> _label;
};

} // namespace tarvex::game
