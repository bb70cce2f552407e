// The boat's controls. Left and Right (held) change the boat's acceleration by a fixed amount
// per step; Space alternates between dropping a depth charge below the boat and detonating it
// where it is; S sends a sonar pulse when the level allows one more and none is on screen. The
// boat is kept inside the screen.
#pragma once

#include "audio/AudioService.hpp"
#include "entities/EntityProcessingSystem.hpp"
#include "graphics/SpriteRenderingService.hpp"
#include "resources/ResourceService.hpp"
#include "session/SessionDbService.hpp"

namespace tarvex::game {

class PlayerInputSystem : public EntityProcessingSystem {
    TARVEX_OBJECT(PlayerInputSystem, EntityProcessingSystem)
public:
    static constexpr float STEER_STEP = 2.5F; // acceleration change per step
    static constexpr float STEER_LIMIT = 25;

    // The lookups, then the services.
    void initialize() override;
    void processEntity(Entity& entity) override;
    virtual void createSonarWave();
    virtual void detonateCharge(Entity& entity);
    virtual void dropCharge(float x, float y);

private:
    // True when the level limits its charges and all of them have been dropped.
    [[nodiscard]] bool _chargesSpent() const;

    Ref<ResourceService> _resourceDb;
    Ref<graphics::SpriteRenderingService> _renderer;
    Ref<AudioService> _audioDb;
    Ref<SessionDbService> _sessionDb;
    Ref<ComponentType> _playerLookup;
    Ref<ComponentType> _bodyLookup;
    Ref<ComponentType> _chargeLookup;
};

} // namespace tarvex::game
