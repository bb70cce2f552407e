// Swims the fish. A live fish bobs 2 units up and down around its starting depth, comes back
// on the far side when it swims off an edge, and turns round once it is more than 50 units
// from where it was spawned, so it patrols up to 50 units either side of its start. A fish
// killed by an explosion floats up and stops at the surface.
#pragma once

#include "entities/EntityProcessingSystem.hpp"

namespace tarvex::game {

class FishMovementSystem : public EntityProcessingSystem {
    TARVEX_OBJECT(FishMovementSystem, EntityProcessingSystem)
public:
    static constexpr float PATROL_RANGE = 50;

    void processEntity(Entity& entity) override;

private:
    Ref<ComponentType> _fishLookup;
    Ref<ComponentType> _bodyLookup;
    Ref<ComponentType> _destroyedLookup;
};

} // namespace tarvex::game
