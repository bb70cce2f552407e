// Lets the pieces of the destroyed boat sink: now and then a falling piece flashes with a small
// harmless explosion; when it reaches the sea bed it stops with a bang and a shake of the camera.
#pragma once

#include "audio/AudioService.hpp"
#include "entities/EntityProcessingSystem.hpp"
#include "graphics/ScreenEffectsService.hpp"

namespace tarvex::game {

class PlayerFragmentSystem : public EntityProcessingSystem {
    TARVEX_OBJECT(PlayerFragmentSystem, EntityProcessingSystem)
public:
    static constexpr float SEA_BED = 268;

    // The lookups, then the services.
    void initialize() override;
    void processEntity(Entity& entity) override;
    // One harmless explosion piece at (x, y).
    virtual void spawnExplosion(float x, float y);

private:
    Ref<AudioService> _audioDb;
    Ref<graphics::ScreenEffectsService> _effectsDb;
    Ref<ComponentType> _bodyLookup;
};

} // namespace tarvex::game
