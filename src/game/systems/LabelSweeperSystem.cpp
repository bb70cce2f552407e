#include "game/systems/LabelSweeperSystem.hpp"

#include "core/TypeBuilder.hpp"

namespace tarvex::game {

const Type& LabelSweeperSystem::staticType() {
    static const Type& type = TypeBuilder<LabelSweeperSystem>("LabelSweeperSystem")
                                  .meta("component_types", "TextBodyComponent")
                                  .build();
    return type;
}

} // namespace tarvex::game
