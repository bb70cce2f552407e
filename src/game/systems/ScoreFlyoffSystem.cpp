#include "game/systems/ScoreFlyoffSystem.hpp"

#include "core/TypeBuilder.hpp"
#include "entities/World.hpp"
#include "game/components/TextBodyComponent.hpp"

namespace tarvex::game {

const Type& ScoreFlyoffSystem::staticType() {
    static const Type& type = TypeBuilder<ScoreFlyoffSystem>("ScoreFlyoffSystem")
                                  .meta("component_types", "ScoreFlyoffComponent")
                                  .field("_labelLookup", &ScoreFlyoffSystem::_labelLookup,
                                         {{"component_type", "TextBodyComponent"}})
                                  .build();
    return type;
}

void ScoreFlyoffSystem::processEntity(Entity& entity) {
    auto* body = entity.getComponentAs<TextBodyComponent>(_labelLookup.get());
    if (body == nullptr || !body->getLabel()) {
        return;
    }
    const auto& label = body->getLabel();
    label->SetAlpha(label->getAlpha() - FADE_PER_FRAME);
    if (label->getAlpha() <= 0) {
        getWorld()->deleteEntity(&entity);
        entity.refresh();
    }
}

} // namespace tarvex::game
