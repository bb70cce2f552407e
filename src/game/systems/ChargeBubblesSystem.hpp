// Keeps a falling depth charge's bubble trail on the charge: the trail's emitter follows the
// charge's body every step.
#pragma once

#include "entities/EntityProcessingSystem.hpp"

namespace tarvex::game {

class ChargeBubblesSystem : public EntityProcessingSystem {
    TARVEX_OBJECT(ChargeBubblesSystem, EntityProcessingSystem)
public:
    void processEntity(Entity& entity) override;

private:
    Ref<ComponentType> _generatorLookup;
    Ref<ComponentType> _bodyLookup;
};

} // namespace tarvex::game
