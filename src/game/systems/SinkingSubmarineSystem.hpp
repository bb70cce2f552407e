// Takes destroyed submarines down to the sea floor. While a wreck sinks it throws off a harmless
// flash now and then (one chance in forty per step); when it reaches the floor (y 274) still
// moving down it stops dead, explodes with a camera shake and bubbles from then on. The
// sinking itself (a downward acceleration) is given when the submarine is destroyed.
#pragma once

#include "audio/AudioService.hpp"
#include "entities/EntityProcessingSystem.hpp"
#include "graphics/ScreenEffectsService.hpp"
#include "graphics/SpriteRenderingService.hpp"
#include "resources/ResourceService.hpp"

namespace tarvex::game {

class SinkingSubmarineSystem : public EntityProcessingSystem {
    TARVEX_OBJECT(SinkingSubmarineSystem, EntityProcessingSystem)
public:
    static constexpr float SEA_FLOOR = 274;

    // The lookups, then the services.
    void initialize() override;
    void processEntity(Entity& entity) override;

    // A harmless flash at exactly (x, y); answers it.
    static Ref<Entity> spawnExplosion(float x, float y);

private:
    Ref<AudioService> _audioDb;
    Ref<ResourceService> _resourceDb;
    Ref<graphics::SpriteRenderingService> _renderer;
    Ref<graphics::ScreenEffectsService> _effectsDb;
    Ref<ComponentType> _submarineLookup;
    Ref<ComponentType> _bodyLookup;
    Ref<ComponentType> _explosionLookup;
    Ref<ComponentType> _destroyedLookup;
};

} // namespace tarvex::game
