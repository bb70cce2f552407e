// Shows the boat's damage: its smoke emitter smokes from the first lost health point, its fire
// emitter burns from the third, both thicker the worse it gets, and both follow the boat. Once
// the boat is gone they stop.
#pragma once

#include "entities/EntityProcessingSystem.hpp"

namespace tarvex::game {

class PlayerHealthSystem : public EntityProcessingSystem {
    TARVEX_OBJECT(PlayerHealthSystem, EntityProcessingSystem)
public:
    static constexpr float FULL_FREQUENCY = 0.7F;
    static constexpr float FREQUENCY_PER_POINT = 1.0F / 50; // less frequent for each point lost
    static constexpr float FIRE_BELOW = 2;                  // health at which the fire starts

    void processEntity(Entity& entity) override;

private:
    Ref<ComponentType> _generatorLookup;
    Ref<ComponentType> _bodyLookup;
    Ref<ComponentType> _healthLookup;
};

} // namespace tarvex::game
