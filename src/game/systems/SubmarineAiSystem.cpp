#include "game/systems/SubmarineAiSystem.hpp"

#include "core/TypeBuilder.hpp"

namespace tarvex::game {

const Type& SubmarineAiSystem::staticType() {
    static const Type& type = TypeBuilder<SubmarineAiSystem>("SubmarineAiSystem")
                                  .meta("component_types", "SubmarineComponent")
                                  .build();
    return type;
}

} // namespace tarvex::game
