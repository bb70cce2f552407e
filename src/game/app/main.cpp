// The program entry of Depthrun 2000: the compiled-in font, the game's classes, a look for the
// data and a display, then the game until the player presses Escape. `depthrun --record FILE`
// also writes the keys played, by frame, with the random seed, for depthrun-play to replay.
#include "core/Error.hpp"
#include "game/GameTypes.hpp"
#include "game/app/DepthrunGame.hpp"
#include "game/app/GameData.hpp"
#include "game/harness/RecordedGame.hpp"
#include "platform/BuiltinFiles.hpp"
#include "platform/GraphicsContext.hpp"

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <random>
#include <string>

int main(int argc, char** argv) {
    using namespace tarvex;
    std::string recording;
    if (argc == 3 && std::string(argv[1]) == "--record") {
        recording = argv[2];
    } else if (argc != 1) {
        std::cerr << "usage: depthrun [--record FILE]\n";
        return 2;
    }
    try {
        platform::registerBuiltinFiles();
        game::registerGameTypes();
        const std::string data = game::gameDataDirectory();
        if (!std::filesystem::is_directory(data)) {
            std::cerr << "depthrun: cannot find the game data: looked for the directory " << data
                      << "\n";
            return 1;
        }
        // Without a desktop session the window system may still offer a screenless driver;
        // the game would then run unseen, so it asks for a desktop (or an explicit driver).
        const auto named = [](const char* variable) {
            const char* value = std::getenv(variable);
            return value != nullptr && *value != '\0';
        };
        const bool desktop =
            named("DISPLAY") || named("WAYLAND_DISPLAY") || named("SDL_VIDEODRIVER");
        if (!desktop || !platform::displayAvailable()) {
            std::cerr << "depthrun: no display to open the game window on (DISPLAY is not set "
                         "or cannot be reached); run it on a desktop, or under xvfb-run\n";
            return 1;
        }
        if (!recording.empty()) {
            return game::harness::playRecordedGame(recording, std::random_device{}());
        }
        auto depthrun = std::make_shared<game::DepthrunGame>();
        depthrun->run();
    } catch (const Error& error) {
        std::cerr << "depthrun: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
