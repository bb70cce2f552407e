#include "game/systems/SinkingSubmarineSystem.hpp"

#include "core/TypeBuilder.hpp"

namespace tarvex::game {

const Type& SinkingSubmarineSystem::staticType() {
    static const Type& type = TypeBuilder<SinkingSubmarineSystem>("SinkingSubmarineSystem")
                                  .meta("component_types", "SubmarineComponent, DestroyedComponent")
                                  .build();
    return type;
}

} // namespace tarvex::game
