#include "game/systems/ChargeHitsFloorSystem.hpp"

#include "core/TypeBuilder.hpp"

namespace tarvex::game {

const Type& ChargeHitsFloorSystem::staticType() {
    static const Type& type = TypeBuilder<ChargeHitsFloorSystem>("ChargeHitsFloorSystem")
                                  .meta("component_types", "DepthChargeComponent")
                                  .build();
    return type;
}

} // namespace tarvex::game
