// The real game run in-process over a given loop platform and data directory, with a fixed
// random seed, one frame at a time. Tests drive the screens with it and the scripted-play
// harness builds on it:
//
//     auto platform = std::make_shared<platform::VirtualLoopPlatform>();
//     GameRunner runner({platform, dataDirectory, 1234});
//     runner.runUntilTitle();        // loading always takes the same number of frames
//     runner.tapKey(platform::KEY_SPACE);
//     runner.runFrames(200);
//
// Escape does not end the process here: the runner records the status and stops stepping.
// The loading worker is waited for before each frame of the loading screen, so its real
// duration never changes what happens afterwards. One runner at a time per process.
#pragma once

#include "game/app/DepthrunGame.hpp"
#include "game/app/FrameLoop.hpp"
#include "platform/GraphicsContext.hpp"
#include "platform/LoopPlatform.hpp"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tarvex::game {

struct GameRunnerOptions {
    std::shared_ptr<platform::LoopPlatform> platform;
    // The resource_db directory to read; "" for the one beside the program.
    std::string dataDirectory;
    std::uint32_t seed = 1;
    // The audio driver selected after start-up: "Silent" needs no sound device; "FreeAudio"
    // plays as the program does.
    std::string audioDriver = "Silent";
    // Opens the game's window; null for a real OpenGL window (which needs a display).
    std::shared_ptr<platform::GraphicsDriver> graphicsDriver;
};

class GameRunner {
public:
    explicit GameRunner(GameRunnerOptions options);
    ~GameRunner();
    GameRunner(const GameRunner&) = delete;
    GameRunner& operator=(const GameRunner&) = delete;

    // Runs up to `count` frames; fewer when the game asks to end.
    void runFrames(std::int64_t count);
    // Runs frames until the condition holds (checked before each frame) or `limit` frames have
    // run; answers whether it holds.
    bool runUntil(const std::function<bool()>& condition, std::int64_t limit);
    // Until the title screen is on the stack.
    bool runUntilTitle(std::int64_t limit = 600);

    // A key pressed and released before the next frame: one hit, not held.
    static void tapKey(int code);

    [[nodiscard]] DepthrunGame& game() const { return *_game; }
    [[nodiscard]] std::optional<int> exitStatus() const { return _exitStatus; }
    [[nodiscard]] std::int64_t frames() const { return _loop ? _loop->frames() : 0; }
    // Class names of the screens on the stack, bottom first.
    [[nodiscard]] std::vector<std::string> screenNames() const;
    // The topmost screen of that class on the stack, or null.
    template <class Screen> [[nodiscard]] Ref<Screen> findScreen() const {
        const auto screens = _game->getScreenService()->getScreens();
        for (auto it = screens.rbegin(); it != screens.rend(); ++it) {
            if (auto screen = std::dynamic_pointer_cast<Screen>(*it)) {
                return screen;
            }
        }
        return nullptr;
    }

private:
    void _step();

    std::shared_ptr<platform::LoopPlatform> _previousPlatform;
    Ref<DepthrunGame> _game;
    std::unique_ptr<FrameLoop> _loop;
    std::optional<int> _exitStatus;
    bool _installedGraphicsDriver = false;
};

} // namespace tarvex::game
