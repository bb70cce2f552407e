// Sets off a depth charge that sinks below the sea floor (y 280). The boat still thinks its
// charge is in the water: its next Space press only clears that, the one after drops anew.
#pragma once

#include "audio/AudioService.hpp"
#include "entities/EntityProcessingSystem.hpp"

namespace tarvex::game {

class ChargeHitsFloorSystem : public EntityProcessingSystem {
    TARVEX_OBJECT(ChargeHitsFloorSystem, EntityProcessingSystem)
public:
    static constexpr float SEA_FLOOR = 280;

    // The lookups, then the services.
    void initialize() override;
    void processEntity(Entity& entity) override;
    virtual void detonateCharge(Entity& entity);

private:
    Ref<AudioService> _audioDb;
    Ref<ComponentType> _chargeLookup;
    Ref<ComponentType> _bodyLookup;
};

} // namespace tarvex::game
