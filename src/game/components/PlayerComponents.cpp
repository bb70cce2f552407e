#include "game/components/PlayerComponents.hpp"

#include "core/TypeBuilder.hpp"

namespace tarvex::game {

const Type& PlayerComponent::staticType() {
    static const Type& type = TypeBuilder<PlayerComponent>("PlayerComponent")
                                  .meta("name", "player")
                                  .field("_isDroppingCharge", &PlayerComponent::_isDroppingCharge)
                                  .build();
    return type;
}

const Type& HealthComponent::staticType() {
    static const Type& type = TypeBuilder<HealthComponent>("HealthComponent")
                                  .meta("name", "health")
                                  .field("max_health", &HealthComponent::max_health)
                                  .field("current_health", &HealthComponent::current_health)
                                  .build();
    return type;
}

Ref<HealthComponent> HealthComponent::Create(float health) {
    auto component = std::make_shared<HealthComponent>();
    component->max_health = health;
    component->current_health = health;
    return component;
}

const Type& SmokeComponent::staticType() {
    static const Type& type = TypeBuilder<SmokeComponent>("SmokeComponent")
                                  .meta("name", "smoke")
                                  .field("attached_to", &SmokeComponent::attached_to)
                                  .build();
    return type;
}

const Type& PlayerFragmentComponent::staticType() {
    static const Type& type = TypeBuilder<PlayerFragmentComponent>("PlayerFragmentComponent")
                                  .meta("name", "player_fragment")
                                  .build();
    return type;
}

} // namespace tarvex::game
