#include "game/systems/ChargeHitsFloorSystem.hpp"

#include "core/TypeBuilder.hpp"
#include "game/components/BodyComponent.hpp"
#include "game/systems/ChargeDetonation.hpp"

namespace tarvex::game {

const Type& ChargeHitsFloorSystem::staticType() {
    static const Type& type =
        TypeBuilder<ChargeHitsFloorSystem>("ChargeHitsFloorSystem")
            .meta("component_types", "DepthChargeComponent")
            .field("_audioDb", &ChargeHitsFloorSystem::_audioDb, {{"autoload_service", "1"}})
            .field("_chargeLookup", &ChargeHitsFloorSystem::_chargeLookup,
                   {{"component_type", "DepthChargeComponent"}})
            .field("_bodyLookup", &ChargeHitsFloorSystem::_bodyLookup,
                   {{"component_type", "BodyComponent"}})
            .build();
    return type;
}

void ChargeHitsFloorSystem::initialize() {
    EntityProcessingSystem::initialize();
    autoloadServices(true);
}

void ChargeHitsFloorSystem::processEntity(Entity& entity) {
    const auto* body = entity.getComponentAs<BodyComponent>(_bodyLookup.get());
    if (body != nullptr && body->y_pos > SEA_FLOOR) {
        detonateCharge(entity);
    }
}

void ChargeHitsFloorSystem::detonateCharge(Entity& entity) {
    detonateDepthCharge(entity, _audioDb.get());
}

} // namespace tarvex::game
