// The components of the player's boat and what belongs to it: the boat itself, its health,
// its smoke and fire emitters, and the pieces it breaks into.
#pragma once

#include "entities/EntityComponent.hpp"

#include <cstdint>

namespace tarvex::game {

// Marks the boat.
class PlayerComponent : public EntityComponent {
    TARVEX_OBJECT(PlayerComponent, EntityComponent)
public:
    // A depth charge of this boat is in the water.
    bool _isDroppingCharge = false;
};

class HealthComponent : public EntityComponent {
    TARVEX_OBJECT(HealthComponent, EntityComponent)
public:
    // Full health of `health` points.
    [[nodiscard]] static Ref<HealthComponent> Create(float health);

    float max_health = 0;
    float current_health = 0;
};

// Marks a smoke or fire emitter of the boat.
class SmokeComponent : public EntityComponent {
    TARVEX_OBJECT(SmokeComponent, EntityComponent)
public:
    std::int32_t attached_to = 0;
};

// A falling piece of the destroyed boat.
class PlayerFragmentComponent : public EntityComponent {
    TARVEX_OBJECT(PlayerFragmentComponent, EntityComponent)
};

} // namespace tarvex::game
