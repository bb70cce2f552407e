// Gives each new text body with text its label, once, as it enters the world: a text request
// of the body's text at its position, 60 units wide and 10 high (so centred text is centred on
// x_pos + 30), unwrapped, in the game's small font and the body's colour, alpha-blended, in the
// render group "sprites". A body whose text is "" then never gets a label from this system.
#pragma once

#include "entities/InitializerEntitySystem.hpp"
#include "graphics/SpriteRenderingService.hpp"
#include "platform/ImageFont.hpp"

namespace tarvex::game {

class LabelLoaderSystem : public InitializerEntityProcessingSystem {
    TARVEX_OBJECT(LabelLoaderSystem, InitializerEntityProcessingSystem)
public:
    static constexpr float LABEL_WIDTH = 60;
    static constexpr float LABEL_HEIGHT = 10;

    // The lookup, the font, then the services.
    void initialize() override;
    void processEntity(Entity& entity) override;

private:
    Ref<platform::ImageFont> _font;
    Ref<ComponentType> _textLookup;
    Ref<graphics::SpriteRenderingService> _renderer;
};

} // namespace tarvex::game
