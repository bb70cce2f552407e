// Wraps the clouds: one that has drifted wholly past the left edge comes back just beyond the
// right edge (up to 10 units out).
#pragma once

#include "entities/EntityProcessingSystem.hpp"

namespace tarvex::game {

class CloudUpdaterSystem : public EntityProcessingSystem {
    TARVEX_OBJECT(CloudUpdaterSystem, EntityProcessingSystem)
public:
    void processEntity(Entity& entity) override;

private:
    Ref<ComponentType> _bodyLookup;
};

} // namespace tarvex::game
