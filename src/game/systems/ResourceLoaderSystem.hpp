// Gives each new body its sprite, once, as the body enters the world: the image named by
// `sprite_name` placed at the body's position in the render group "sprites", alpha-blended at
// the body's opacity, showing `sprite_frame` when it is not 0 and playing `animation_name`
// (frame set `frameset_name`, or "default") when it is set. Until then a body is invisible and
// does not move.
#pragma once

#include "entities/InitializerEntitySystem.hpp"
#include "graphics/SpriteRenderingService.hpp"
#include "resources/ResourceService.hpp"

namespace tarvex::game {

class ResourceLoaderSystem : public InitializerEntityProcessingSystem {
    TARVEX_OBJECT(ResourceLoaderSystem, InitializerEntityProcessingSystem)
public:
    // The lookups, then the services.
    void initialize() override;
    // Public: the gameplay screen gives the boat its sprite before the first frame.
    void processEntity(Entity& entity) override;

private:
    Ref<ComponentType> _bodyLookup;
    Ref<ResourceService> _resourceDb;
    Ref<graphics::SpriteRenderingService> _renderer;
};

} // namespace tarvex::game
