// Flies the mine-laying planes. A plane that has passed the right edge is deleted. Until it has
// dropped its one mine, a plane that is not above the boat (clear of it by more than 10 units
// on either side) drops the mine with one chance in two hundred per step; the mine falls from
// under the plane's belly.
#pragma once

#include "audio/AudioService.hpp"
#include "entities/EntityProcessingSystem.hpp"

namespace tarvex::game {

class BodyComponent;

class PlaneAiSystem : public EntityProcessingSystem {
    TARVEX_OBJECT(PlaneAiSystem, EntityProcessingSystem)
public:
    // The lookups, then the services.
    void initialize() override;
    void processEntity(Entity& entity) override;

    // The mine, falling from under the plane; answers it.
    Ref<Entity> dropMine(const BodyComponent& plane);

private:
    Ref<AudioService> _audioDb;
    Ref<ComponentType> _layerLookup;
    Ref<ComponentType> _bodyLookup;
};

} // namespace tarvex::game
