// Keeps each submarine's propeller (a bubble emitter) at the submarine's stern, 6 units below
// its top: the left end of a submarine travelling right, the right end of one travelling left.
// A propeller whose submarine is gone is deleted.
#pragma once

#include "entities/EntityProcessingSystem.hpp"

namespace tarvex::game {

class SubmarineBubblesSystem : public EntityProcessingSystem {
    TARVEX_OBJECT(SubmarineBubblesSystem, EntityProcessingSystem)
public:
    void processEntity(Entity& entity) override;

private:
    Ref<ComponentType> _generatorLookup;
    Ref<ComponentType> _bodyLookup;
    Ref<ComponentType> _subLookup;
    Ref<ComponentType> _propellerLookup;
};

} // namespace tarvex::game
