#include "game/systems/SonarDetectionSystem.hpp"

#include "core/TypeBuilder.hpp"
#include "game/components/BodyComponent.hpp"

namespace tarvex::game {

const Type& SonarDetectionSystem::staticType() {
    static const Type& type = TypeBuilder<SonarDetectionSystem>("SonarDetectionSystem")
                                  .meta("component_types", "DetectedComponent, BodyComponent")
                                  .field("_detectedLookup", &SonarDetectionSystem::_detectedLookup,
                                         {{"component_type", "DetectedComponent"}})
                                  .field("_bodyLookup", &SonarDetectionSystem::_bodyLookup,
                                         {{"component_type", "BodyComponent"}})
                                  .build();
    return type;
}

void SonarDetectionSystem::processEntity(Entity& entity) {
    const auto* body = entity.getComponentAs<BodyComponent>(_bodyLookup.get());
    if (body == nullptr || !body->getSprite()) {
        return;
    }
    // Per step on purpose: the fade is tuned in steps, not in time.
    const auto& sprite = body->getSprite();
    sprite->SetAlpha(sprite->getAlpha() - FADE_PER_STEP);
    if (sprite->getAlpha() <= 0) {
        entity.removeComponentByType(_detectedLookup.get());
        entity.refresh();
    }
}

} // namespace tarvex::game
