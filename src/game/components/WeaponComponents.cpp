#include "game/components/WeaponComponents.hpp"

#include "core/TypeBuilder.hpp"

namespace tarvex::game {

const Type& SonarWaveComponent::staticType() {
    static const Type& type =
        TypeBuilder<SonarWaveComponent>("SonarWaveComponent").meta("name", "sonar_wave").build();
    return type;
}

const Type& DetectedComponent::staticType() {
    static const Type& type =
        TypeBuilder<DetectedComponent>("DetectedComponent").meta("name", "detected").build();
    return type;
}

const Type& DepthChargeComponent::staticType() {
    static const Type& type = TypeBuilder<DepthChargeComponent>("DepthChargeComponent")
                                  .meta("name", "depth_charge")
                                  .field("radius", &DepthChargeComponent::radius)
                                  .field("amount", &DepthChargeComponent::amount)
                                  .build();
    return type;
}

const Type& ExplosionComponent::staticType() {
    static const Type& type = TypeBuilder<ExplosionComponent>("ExplosionComponent")
                                  .meta("name", "explosion")
                                  .field("damages_player", &ExplosionComponent::damages_player)
                                  .field("damages_enemy", &ExplosionComponent::damages_enemy)
                                  .build();
    return type;
}

const Type& DestroyedComponent::staticType() {
    static const Type& type =
        TypeBuilder<DestroyedComponent>("DestroyedComponent").meta("name", "destroyed").build();
    return type;
}

} // namespace tarvex::game
