#include "game/app/DepthrunGame.hpp"

#include "core/Random.hpp"
#include "core/TypeBuilder.hpp"
#include "game/app/FrameLoop.hpp"
#include "game/screens/PreloadScreen.hpp"
#include "graphics/GraphicsManager.hpp"
#include "graphics/TarvexGfx.hpp"
#include "platform/AudioDevice.hpp"
#include "platform/DrawingLayer.hpp"
#include "platform/GraphicsContext.hpp"
#include "platform/LoopPlatform.hpp"

namespace tarvex::game {

namespace {

constexpr std::int32_t VIRTUAL_WIDTH = 224;
constexpr std::int32_t VIRTUAL_HEIGHT = 288;
constexpr float WINDOW_SCALE = 2.0F;
constexpr std::int32_t REFRESH_RATE = 60;

} // namespace

const Type& DepthrunGame::staticType() {
    using G = DepthrunGame;
    static const Type& type = TypeBuilder<G>("DepthrunGame")
                                  .field("_screenService", &G::_screenService)
                                  .field("_audioService", &G::_audioService)
                                  .field("_resourceService", &G::_resourceService)
                                  .field("_sessionDbService", &G::_sessionDbService)
                                  .field("_gameEventService", &G::_gameEventService)
                                  .field("_spriteBehaviourService", &G::_spriteBehaviourService)
                                  .field("_renderingService", &G::_renderingService)
                                  .field("_entityService", &G::_entityService)
                                  .field("_screenEffectsService", &G::_screenEffectsService)
                                  .build();
    return type;
}

void DepthrunGame::run() {
    start();
    runLoop();
    shutdown();
}

void DepthrunGame::start() {
    processCommandLine();
    initialSetup();
    setupGraphics();
    setupAudio();
    setupServices();
    addScreen(std::make_shared<PreloadScreen>());
}

void DepthrunGame::initialSetup() {
    loadConfiguration();
    platform::setAppTitle(TITLE);
    Random::seed(_seed ? *_seed
                       : static_cast<std::uint32_t>(platform::loopPlatform().milliseconds()));
    platform::setPointerVisible(false);
    // The keyboard is polled (keyHit / keyDown): nothing to switch on.
}

void DepthrunGame::setupGraphics() {
    platform::setPointerVisible(false);
    graphics::TarvexGfx::initGraphics(VIRTUAL_WIDTH, VIRTUAL_HEIGHT, WINDOW_SCALE, REFRESH_RATE,
                                      true, 32, 1, _driverType);
    // Sharp pixels; magenta is transparent in every picture loaded from now on.
    auto& drawing = platform::drawingLayer();
    drawing.setImageFlags(platform::IMAGE_MASKED);
    drawing.setMaskColor(255, 0, 255);
}

void DepthrunGame::setupAudio() {
    (void)platform::selectAudioDriver("FreeAudio");
}

void DepthrunGame::setupServices() {
    _screenService = std::make_shared<ScreenManagerService>();
    _renderingService = std::make_shared<graphics::SpriteRenderingService>();
    _sessionDbService = std::make_shared<SessionDbService>();
    _resourceService = std::make_shared<ResourceService>();
    _entityService = std::make_shared<GameEntityService>();
    _screenEffectsService = std::make_shared<graphics::ScreenEffectsService>();
    _audioService = std::make_shared<AudioService>();
    _gameEventService = std::make_shared<EventService>();

    // A direct write: the kernel is not told, as no service is in it yet.
    GameService::staticType()
        .findField("_priority")
        ->writeText(*_renderingService, std::to_string(RENDERING_PRIORITY));

    addServiceToKernel(_screenService, nullptr);
    addServiceToKernel(_resourceService, nullptr);
    addServiceToKernel(_sessionDbService, nullptr);
    addServiceToKernel(_renderingService, nullptr);
    addServiceToKernel(_entityService, nullptr);
    addServiceToKernel(_audioService, nullptr);
    addServiceToKernel(_screenEffectsService, nullptr);
    addServiceToKernel(_gameEventService, nullptr);
}

void DepthrunGame::addScreen(const Ref<IGameScreen>& screen) {
    _screenService->addScreen(screen, 1);
}

void DepthrunGame::runLoop() {
    FrameLoop loop(*this);
    do {
        loop.step();
    } while (!isFinished());
    loop.end();
}

} // namespace tarvex::game
