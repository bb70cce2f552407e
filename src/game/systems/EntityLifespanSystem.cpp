#include "game/systems/EntityLifespanSystem.hpp"

#include "core/DebugLog.hpp"
#include "core/TypeBuilder.hpp"
#include "entities/World.hpp"
#include "game/components/TimedComponents.hpp"

namespace tarvex::game {

const Type& EntityLifespanSystem::staticType() {
    static const Type& type = TypeBuilder<EntityLifespanSystem>("EntityLifespanSystem")
                                  .meta("component_types", "LifespanComponent")
                                  .field("_lifespanLookup", &EntityLifespanSystem::_lifespanLookup,
                                         {{"component_type", "LifespanComponent"}})
                                  .build();
    return type;
}

void EntityLifespanSystem::processEntity(Entity& entity) {
    auto* lifespan = entity.getComponentAs<LifespanComponent>(_lifespanLookup.get());
    if (lifespan == nullptr) {
        return;
    }
    lifespan->_current_time += getWorld()->getDelta();
    if (lifespan->_current_time >= lifespan->delete_after) {
        debugLog("LIFESPAN EXPIRED!");
        getWorld()->deleteEntity(&entity);
        getWorld()->refreshEntity(&entity);
    }
}

} // namespace tarvex::game
