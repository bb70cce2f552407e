// Gives each new particle emitter, once as it enters the world, an empty particle list and a
// ParticlesRequest drawing that list in the render group "sprites". An emitter that already
// has a list is left alone.
#pragma once

#include "entities/InitializerEntitySystem.hpp"
#include "graphics/SpriteRenderingService.hpp"

namespace tarvex::game {

class ParticleInitializerSystem : public InitializerEntityProcessingSystem {
    TARVEX_OBJECT(ParticleInitializerSystem, InitializerEntityProcessingSystem)
public:
    // The lookup, then the services.
    void initialize() override;
    void processEntity(Entity& entity) override;

private:
    Ref<ComponentType> _generatorLookup;
    Ref<graphics::SpriteRenderingService> _renderer;
};

} // namespace tarvex::game
