// Moves every labelled text body each frame as bodies move: accelerate, clamp each velocity
// to its limit, drag the horizontal velocity toward 0 while there is no horizontal
// acceleration, then move the position and the label together.
#pragma once

#include "entities/EntityProcessingSystem.hpp"

namespace tarvex::game {

class TextBodyMovementSystem : public EntityProcessingSystem {
    TARVEX_OBJECT(TextBodyMovementSystem, EntityProcessingSystem)
public:
    void processEntity(Entity& entity) override;

private:
    Ref<ComponentType> _bodyLookup;
};

} // namespace tarvex::game
