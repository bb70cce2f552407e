// Takes the label of each text body being deleted through the world out of the render group
// "sprites" and forgets it, so a second sweep of the same entity does nothing.
#pragma once

#include "entities/SweeperEntitySystem.hpp"
#include "graphics/SpriteRenderingService.hpp"

namespace tarvex::game {

class LabelSweeperSystem : public SweeperEntityProcessingSystem {
    TARVEX_OBJECT(LabelSweeperSystem, SweeperEntityProcessingSystem)
public:
    // The lookup, then the services.
    void initialize() override;
    void processEntity(Entity& entity) override;

private:
    Ref<ComponentType> _textLookup;
    Ref<graphics::SpriteRenderingService> _renderer;
};

} // namespace tarvex::game
