#include "game/systems/SonarWaveSystem.hpp"

#include "core/TypeBuilder.hpp"
#include "entities/World.hpp"
#include "game/components/BodyComponent.hpp"
#include "game/components/WeaponComponents.hpp"
#include "game/systems/EntityLists.hpp"
#include "graphics/TarvexGfx.hpp"

namespace tarvex::game {

const Type& SonarWaveSystem::staticType() {
    static const Type& type =
        TypeBuilder<SonarWaveSystem>("SonarWaveSystem")
            .meta("component_types", "SonarWaveComponent")
            .field("_resourceDb", &SonarWaveSystem::_resourceDb, {{"autoload_service", "1"}})
            .field("_sessionDb", &SonarWaveSystem::_sessionDb, {{"autoload_service", "1"}})
            .field("_renderer", &SonarWaveSystem::_renderer, {{"autoload_service", "1"}})
            .field("_submarineLookup", &SonarWaveSystem::_submarineLookup,
                   {{"component_type", "SubmarineComponent"}})
            .field("_bodyLookup", &SonarWaveSystem::_bodyLookup,
                   {{"component_type", "BodyComponent"}})
            .field("_detectedLookup", &SonarWaveSystem::_detectedLookup,
                   {{"component_type", "DetectedComponent"}})
            .field("_destroyedLookup", &SonarWaveSystem::_destroyedLookup,
                   {{"component_type", "DestroyedComponent"}})
            .build();
    return type;
}

void SonarWaveSystem::initialize() {
    EntityProcessingSystem::initialize();
    autoloadServices(true);
}

void SonarWaveSystem::processEntity(Entity& entity) {
    const auto* wave = entity.getComponentAs<BodyComponent>(_bodyLookup.get());
    if (wave == nullptr || !wave->getSprite()) {
        return;
    }
    if (wave->y_pos >= static_cast<float>(graphics::TarvexGfx::getGraphicsHeight())) {
        getWorld()->deleteEntity(&entity);
        getWorld()->refreshEntity(&entity);
        return;
    }
    for (const auto& submarine : entitiesWith(getWorld(), _submarineLookup.get())) {
        const auto* body = submarine->getComponentAs<BodyComponent>(_bodyLookup.get());
        if (body == nullptr || !body->getSprite() ||
            submarine->hasComponent(_detectedLookup.get()) ||
            submarine->hasComponent(_destroyedLookup.get()) || !bodyOverlaps(wave, body)) {
            continue;
        }
        submarine->addComponent(std::make_shared<DetectedComponent>());
        body->getSprite()->SetAlpha(1.0F);
        submarine->refresh();
    }
}

bool SonarWaveSystem::bodyOverlaps(const BodyComponent* wave, const BodyComponent* other) const {
    if (wave == nullptr || other == nullptr) {
        return false;
    }
    return other->y_pos < wave->y_pos &&
           wave->y_pos < other->y_pos + static_cast<float>(other->getHeight());
}

} // namespace tarvex::game
