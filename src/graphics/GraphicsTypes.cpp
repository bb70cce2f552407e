#include "graphics/GraphicsTypes.hpp"

#include "core/TypeRegistry.hpp"
#include "graphics/GraphicsManager.hpp"
#include "graphics/ImageSprite.hpp"
#include "graphics/RenderGroup.hpp"
#include "graphics/RenderState.hpp"
#include "graphics/ScreenEffectsService.hpp"
#include "graphics/SpriteBehaviourService.hpp"
#include "graphics/TextRenderRequest.hpp"
#include "graphics/TileImageRequest.hpp"
#include "graphics/VirtualScreenResolution.hpp"
#include "resources/ResourceTypes.hpp"

namespace tarvex::graphics {

void registerGraphicsTypes() {
    registerResourceTypes(); // and the kernel's, below it
    TypeRegistry::instance()
        .add<VirtualScreenResolution, GraphicsManager, RenderState, Position2D, Rectangle2D,
             AbstractRenderRequest, AbstractRenderCamera, CameraBehaviour, RenderCamera,
             AbstractSpriteAnimation, AnimationHandler, AbstractSpriteRequest, RenderGroup,
             ClippedRenderGroup, RenderQueue, SpriteRenderingService, TextRenderStyle,
             TextRenderRequest, RectangleRenderRequest, ProgressBarRenderRequest, TileImageRequest,
             SpriteAnimationHandler, ImageSprite, AbstractSpriteBehaviour, SpriteBehaviour,
             MoveSpriteBehaviour, ParallelSpriteBehaviour, PhysicsMoveSpriteBehaviour,
             PixelMoveSpriteBehaviour, SequentialSpriteBehaviour, SpriteBehaviourService,
             BackgroundAction, ScreenEffectsService, ShakeCameraAction, FadeScreenAction>();
}

} // namespace tarvex::graphics
