// The components of the player's weapons and their effects: sonar pulses and what they reveal,
// depth charges, explosion pieces, and the mark of a destroyed submarine.
#pragma once

#include "entities/EntityComponent.hpp"

#include <cstdint>

namespace tarvex::game {

// Marks a sonar pulse.
class SonarWaveComponent : public EntityComponent {
    TARVEX_OBJECT(SonarWaveComponent, EntityComponent)
};

// A submarine revealed by sonar.
class DetectedComponent : public EntityComponent {
    TARVEX_OBJECT(DetectedComponent, EntityComponent)
};

class DepthChargeComponent : public EntityComponent {
    TARVEX_OBJECT(DepthChargeComponent, EntityComponent)
public:
    std::int32_t radius = 12;
    std::int32_t amount = 8;
};

// One piece of an explosion and whom it may hurt.
class ExplosionComponent : public EntityComponent {
    TARVEX_OBJECT(ExplosionComponent, EntityComponent)
public:
    bool damages_player = false;
    bool damages_enemy = true;
    // Unique id of the depth charge whose blast this piece belongs to (0: none), so that the
    // submarines one blast destroys are counted together. Internal state, not a data field.
    std::int64_t _blast = 0;
};

// Marks a destroyed submarine.
class DestroyedComponent : public EntityComponent {
    TARVEX_OBJECT(DestroyedComponent, EntityComponent)
};

} // namespace tarvex::game
