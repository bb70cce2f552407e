#include "game/systems/SonarDetectionSystem.hpp"

#include "core/TypeBuilder.hpp"

namespace tarvex::game {

const Type& SonarDetectionSystem::staticType() {
    static const Type& type = TypeBuilder<SonarDetectionSystem>("SonarDetectionSystem")
                                  .meta("component_types", "DetectedComponent, BodyComponent")
                                  .build();
    return type;
}

} // namespace tarvex::game
