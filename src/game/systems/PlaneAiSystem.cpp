#include "game/systems/PlaneAiSystem.hpp"

#include "core/TypeBuilder.hpp"

namespace tarvex::game {

const Type& PlaneAiSystem::staticType() {
    static const Type& type = TypeBuilder<PlaneAiSystem>("PlaneAiSystem")
                                  .meta("component_types", "MineLayerComponent")
                                  .build();
    return type;
}

} // namespace tarvex::game
