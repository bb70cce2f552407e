// The components of the submarines and their missiles.
#pragma once

#include "entities/EntityComponent.hpp"

#include <cstdint>

namespace tarvex::game {

class SubmarineComponent : public EntityComponent {
    TARVEX_OBJECT(SubmarineComponent, EntityComponent)
public:
    static constexpr std::uint8_t DIRECTION_LEFT = 1;
    static constexpr std::uint8_t DIRECTION_RIGHT = 2;

    std::uint8_t direction = 0;
    float aggression = 0;
    float _missileCountdown = 0;
};

// The propeller of a submarine (its bubble trail).
class PropellerComponent : public EntityComponent {
    TARVEX_OBJECT(PropellerComponent, EntityComponent)
public:
    // Id of the submarine entity.
    std::int32_t attached_to = 0;
};

class MissileComponent : public EntityComponent {
    TARVEX_OBJECT(MissileComponent, EntityComponent)
};

} // namespace tarvex::game
