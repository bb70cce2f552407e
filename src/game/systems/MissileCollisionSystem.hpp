// Explodes missiles that reach the surface line (y 71): a water splash where the missile breaks
// the surface, an explosion sound and four small pieces that can hurt the boat (whether they do
// is the explosion logic's call); the missile itself is deleted. Below the surface nothing
// happens.
#pragma once

#include "audio/AudioService.hpp"
#include "entities/EntityProcessingSystem.hpp"

namespace tarvex::game {

class MissileCollisionSystem : public EntityProcessingSystem {
    TARVEX_OBJECT(MissileCollisionSystem, EntityProcessingSystem)
public:
    // The lookups, then the services.
    void initialize() override;
    void processEntity(Entity& entity) override;

    // The sound, four pieces around the missile, and the missile queued for deletion.
    void detonateMissile(Entity& missile);

private:
    Ref<AudioService> _audioDb;
    Ref<ComponentType> _missileLookup;
    Ref<ComponentType> _bodyLookup;
    Ref<ComponentType> _playerLookup;
};

} // namespace tarvex::game
