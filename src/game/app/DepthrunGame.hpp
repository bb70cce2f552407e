// The application: sets up the window (448 x 576 pixels showing the 224 x 288 virtual
// screen), masked images, the audio driver and the kernel services, shows the loading screen
// and runs the frame loop until the program ends.
//
//     auto game = std::make_shared<DepthrunGame>();
//     game->run();
//
// Tools and tests build the same game in-process: start() does everything run() does before
// the loop (with a fixed random seed when one is given), and a FrameLoop then steps it.
#pragma once

#include "audio/AudioService.hpp"
#include "entities/GameEntityService.hpp"
#include "graphics/GraphicsManager.hpp"
#include "graphics/ScreenEffectsService.hpp"
#include "graphics/SpriteBehaviourService.hpp"
#include "graphics/SpriteRenderingService.hpp"
#include "kernel/EventService.hpp"
#include "kernel/GameBase.hpp"
#include "resources/ResourceService.hpp"
#include "screens/ScreenManagerService.hpp"
#include "session/SessionDbService.hpp"

#include <cstdint>
#include <optional>

namespace tarvex::game {

class DepthrunGame : public GameBase {
    TARVEX_OBJECT(DepthrunGame, GameBase)
public:
    static constexpr const char* TITLE = "Depthrun 2000";
    static constexpr std::uint8_t RENDERING_PRIORITY = 200;

    // The template: command line, set-up, services, loading screen, loop, shutdown.
    virtual void run();
    // Everything run() does before the loop.
    virtual void start();
    virtual void processCommandLine() {}
    virtual void loadConfiguration() {}
    // Window title, random seed, hidden pointer.
    virtual void initialSetup();
    virtual void setupGraphics();
    virtual void setupAudio();
    virtual void setupServices();
    virtual void addScreen(const Ref<IGameScreen>& screen);
    void runLoop() override;

    // A fixed seed for the random numbers in place of the millisecond clock (replays, tests).
    void setRandomSeed(std::optional<std::uint32_t> seed) { _seed = seed; }
    // The graphics driver type of the set-up: OpenGL for the program; 0 keeps a driver a tool
    // or test installed (one that opens no window, say).
    void setDriverType(std::int32_t type) { _driverType = type; }
    // Ends the loop after the current frame.
    void finish() { _finished = 1; }

    [[nodiscard]] const Ref<ScreenManagerService>& getScreenService() const {
        return _screenService;
    }
    [[nodiscard]] const Ref<ResourceService>& getResourceService() const {
        return _resourceService;
    }
    [[nodiscard]] const Ref<SessionDbService>& getSessionDbService() const {
        return _sessionDbService;
    }
    [[nodiscard]] const Ref<GameEntityService>& getEntityService() const { return _entityService; }
    [[nodiscard]] const Ref<graphics::SpriteRenderingService>& getRenderingService() const {
        return _renderingService;
    }
    [[nodiscard]] const Ref<AudioService>& getAudioService() const { return _audioService; }

private:
    Ref<ScreenManagerService> _screenService;
    Ref<AudioService> _audioService;
    Ref<ResourceService> _resourceService;
    Ref<SessionDbService> _sessionDbService;
    Ref<EventService> _gameEventService;
    Ref<graphics::SpriteBehaviourService> _spriteBehaviourService; // never created
    Ref<graphics::SpriteRenderingService> _renderingService;
    Ref<GameEntityService> _entityService;
    Ref<graphics::ScreenEffectsService> _screenEffectsService;
    std::optional<std::uint32_t> _seed;
    std::int32_t _driverType = graphics::GraphicsManager::DRIVER_TYPE_OPENGL;
};

} // namespace tarvex::game
