// The components of the secondary actors: fish, mines and the planes that lay them, clouds.
#pragma once

#include "entities/EntityComponent.hpp"

#include <cstdint>

namespace tarvex::game {

class FishComponent : public EntityComponent {
    TARVEX_OBJECT(FishComponent, EntityComponent)
public:
    static constexpr std::uint8_t DIRECTION_LEFT = 1;
    static constexpr std::uint8_t DIRECTION_RIGHT = 2;

    std::uint8_t direction = 0;
    float _startX = 0;
    float _startY = 0;
    float _xOffset = 0;
    float _waveOffset = 0;
};

class MineComponent : public EntityComponent {
    TARVEX_OBJECT(MineComponent, EntityComponent)
public:
    std::int32_t time_remaining = 1000;
};

// A mine-laying plane.
class MineLayerComponent : public EntityComponent {
    TARVEX_OBJECT(MineLayerComponent, EntityComponent)
public:
    bool has_dropped_mine = false;
};

class CloudComponent : public EntityComponent {
    TARVEX_OBJECT(CloudComponent, EntityComponent)
};

} // namespace tarvex::game
