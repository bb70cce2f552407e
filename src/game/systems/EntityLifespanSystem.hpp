// Ages every entity with a lifespan by the world's step time and deletes it through the world
// once it reaches its `delete_after` age; it goes at the start of the next step.
#pragma once

#include "entities/EntityProcessingSystem.hpp"

namespace tarvex::game {

class EntityLifespanSystem : public EntityProcessingSystem {
    TARVEX_OBJECT(EntityLifespanSystem, EntityProcessingSystem)
public:
    void processEntity(Entity& entity) override;

private:
    Ref<ComponentType> _lifespanLookup;
};

} // namespace tarvex::game
