#include "game/systems/SubmarineWrapperSystem.hpp"

#include "core/TypeBuilder.hpp"

namespace tarvex::game {

const Type& SubmarineWrapperSystem::staticType() {
    static const Type& type = TypeBuilder<SubmarineWrapperSystem>("SubmarineWrapperSystem")
                                  .meta("component_types", "SubmarineComponent, BodyComponent")
                                  .build();
    return type;
}

} // namespace tarvex::game
