// Takes an emitter's particles off the screen when the emitter entity is deleted: its render
// request leaves the render group "sprites" and its particle list is emptied and forgotten.
#pragma once

#include "entities/SweeperEntitySystem.hpp"
#include "graphics/SpriteRenderingService.hpp"

namespace tarvex::game {

class ParticleSweeperSystem : public SweeperEntityProcessingSystem {
    TARVEX_OBJECT(ParticleSweeperSystem, SweeperEntityProcessingSystem)
public:
    // The lookup, then the services.
    void initialize() override;
    void processEntity(Entity& entity) override;

private:
    Ref<ComponentType> _generatorLookup;
    Ref<graphics::SpriteRenderingService> _renderer;
};

} // namespace tarvex::game
