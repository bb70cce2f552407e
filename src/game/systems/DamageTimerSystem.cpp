#include "game/systems/DamageTimerSystem.hpp"

#include "core/TypeBuilder.hpp"

namespace tarvex::game {

const Type& DamageTimerSystem::staticType() {
    static const Type& type = TypeBuilder<DamageTimerSystem>("DamageTimerSystem")
                                  .meta("component_types", "RecentlyDamagedComponent")
                                  .build();
    return type;
}

} // namespace tarvex::game
