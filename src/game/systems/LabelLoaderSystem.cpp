#include "game/systems/LabelLoaderSystem.hpp"

#include "core/TypeBuilder.hpp"

namespace tarvex::game {

const Type& LabelLoaderSystem::staticType() {
    static const Type& type = TypeBuilder<LabelLoaderSystem>("LabelLoaderSystem")
                                  .meta("component_types", "TextBodyComponent")
                                  .build();
    return type;
}

} // namespace tarvex::game
