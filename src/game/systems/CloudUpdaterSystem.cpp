#include "game/systems/CloudUpdaterSystem.hpp"

#include "core/TypeBuilder.hpp"

namespace tarvex::game {

const Type& CloudUpdaterSystem::staticType() {
    static const Type& type = TypeBuilder<CloudUpdaterSystem>("CloudUpdaterSystem")
                                  .meta("component_types", "CloudComponent, BodyComponent")
                                  .build();
    return type;
}

} // namespace tarvex::game
