#include "game/systems/LabelLoaderSystem.hpp"

#include "core/TypeBuilder.hpp"
#include "game/app/GameData.hpp"
#include "game/components/TextBodyComponent.hpp"
#include "platform/DrawingLayer.hpp"

#include <cstdint>

namespace tarvex::game {

const Type& LabelLoaderSystem::staticType() {
    using S = LabelLoaderSystem;
    static const Type& type =
        TypeBuilder<S>("LabelLoaderSystem")
            .meta("component_types", "TextBodyComponent")
            .field("_font", &S::_font)
            .field("_textLookup", &S::_textLookup, {{"component_type", "TextBodyComponent"}})
            .field("_renderer", &S::_renderer, {{"autoload_service", "1"}})
            .build();
    return type;
}

void LabelLoaderSystem::initialize() {
    InitializerEntityProcessingSystem::initialize();
    _font = gameFont(9);
    autoloadServices(true);
}

void LabelLoaderSystem::processEntity(Entity& entity) {
    auto* body = entity.getComponentAs<TextBodyComponent>(_textLookup.get());
    if (body == nullptr || body->getLabel() || body->text.empty()) {
        return;
    }
    auto label =
        graphics::TextRenderRequest::Create(body->text, static_cast<std::int32_t>(body->x_pos),
                                            static_cast<std::int32_t>(body->y_pos), nullptr);
    body->_setLabel(label);
    label->setWrap(false);
    label->setFont(_font);
    label->setDimensions(LABEL_WIDTH, LABEL_HEIGHT);
    label->setFontColor(body->text_r, body->text_g, body->text_b);
    label->enableTrace();
    if (auto group = _renderer ? _renderer->getGroup("sprites") : nullptr) {
        group->add(label, "");
    }
    label->setAlignment(body->text_alignment);
    label->setBlendMode(platform::BLEND_ALPHA);
    // An alpha of 0 leaves the label opaque.
    if (body->text_alpha != 0) {
        label->SetAlpha(body->text_alpha);
    }
}

} // namespace tarvex::game
