#include "game/systems/ScoreFlyoffSystem.hpp"

#include "core/TypeBuilder.hpp"

namespace tarvex::game {

const Type& ScoreFlyoffSystem::staticType() {
    static const Type& type = TypeBuilder<ScoreFlyoffSystem>("ScoreFlyoffSystem")
                                  .meta("component_types", "ScoreFlyoffComponent")
                                  .build();
    return type;
}

} // namespace tarvex::game
