// Brings submarines that leave the screen back on the side they came from: one travelling left
// that has wholly passed the left edge reappears just beyond the right edge (up to 10 units
// out), and the other way round. Depth and speed stay; wrecks still drifting are wrapped too.
#pragma once

#include "entities/EntityProcessingSystem.hpp"

namespace tarvex::game {

class SubmarineWrapperSystem : public EntityProcessingSystem {
    TARVEX_OBJECT(SubmarineWrapperSystem, EntityProcessingSystem)
public:
    void processEntity(Entity& entity) override;

private:
    Ref<ComponentType> _submarineLookup;
    Ref<ComponentType> _bodyLookup;
};

} // namespace tarvex::game
