// Breaks the boat apart once its health is gone: four fragments, drifting apart and sinking at
// slightly different rates, take its place and the boat entity is deleted. The gameplay screen
// sees the missing "player" tag and fails the mission.
#pragma once

#include "entities/EntityProcessingSystem.hpp"

namespace tarvex::game {

class PlayerDestroyedSystem : public EntityProcessingSystem {
    TARVEX_OBJECT(PlayerDestroyedSystem, EntityProcessingSystem)
public:
    static constexpr std::int32_t FRAGMENTS = 4;
    static constexpr float FRAGMENT_SPACING = 12;

    void processEntity(Entity& entity) override;

private:
    Ref<ComponentType> _bodyLookup;
    Ref<ComponentType> _healthLookup;
    Ref<ComponentType> _destroyedLookup;
};

} // namespace tarvex::game
