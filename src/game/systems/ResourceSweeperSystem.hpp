// Takes the sprite of each body being deleted through the world out of the render group
// "sprites" and forgets it, so a second sweep of the same entity does nothing.
#pragma once

#include "entities/SweeperEntitySystem.hpp"
#include "graphics/SpriteRenderingService.hpp"

namespace tarvex::game {

class ResourceSweeperSystem : public SweeperEntityProcessingSystem {
    TARVEX_OBJECT(ResourceSweeperSystem, SweeperEntityProcessingSystem)
public:
    void initialize() override;
    void processEntity(Entity& entity) override;

private:
    Ref<ComponentType> _bodyLookup;
    Ref<graphics::SpriteRenderingService> _renderer;
};

} // namespace tarvex::game
