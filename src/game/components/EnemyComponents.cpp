#include "game/components/EnemyComponents.hpp"

#include "core/TypeBuilder.hpp"

namespace tarvex::game {

const Type& SubmarineComponent::staticType() {
    static const Type& type =
        TypeBuilder<SubmarineComponent>("SubmarineComponent")
            .meta("name", "submarine")
            .field("direction", &SubmarineComponent::direction)
            .field("aggression", &SubmarineComponent::aggression)
            .field("_missileCountdown", &SubmarineComponent::_missileCountdown)
            .build();
    return type;
}

const Type& PropellerComponent::staticType() {
    static const Type& type = TypeBuilder<PropellerComponent>("PropellerComponent")
                                  .meta("name", "propeller")
                                  .field("attached_to", &PropellerComponent::attached_to)
                                  .build();
    return type;
}

const Type& MissileComponent::staticType() {
    static const Type& type =
        TypeBuilder<MissileComponent>("MissileComponent").meta("name", "missile").build();
    return type;
}

} // namespace tarvex::game
