#include "game/systems/DamageTimerSystem.hpp"

#include "core/TypeBuilder.hpp"
#include "game/components/TimedComponents.hpp"

namespace tarvex::game {

const Type& DamageTimerSystem::staticType() {
    static const Type& type = TypeBuilder<DamageTimerSystem>("DamageTimerSystem")
                                  .meta("component_types", "RecentlyDamagedComponent")
                                  .field("_damagedLookup", &DamageTimerSystem::_damagedLookup,
                                         {{"component_type", "RecentlyDamagedComponent"}})
                                  .build();
    return type;
}

void DamageTimerSystem::processEntity(Entity& entity) {
    auto* damaged = entity.getComponentAs<RecentlyDamagedComponent>(_damagedLookup.get());
    if (damaged == nullptr) {
        return;
    }
    damaged->damage_timer -= INTERVAL;
    if (damaged->damage_timer <= 0) {
        entity.removeComponentByType(_damagedLookup.get());
        entity.refresh();
    }
}

} // namespace tarvex::game
