#include "game/app/GameRunner.hpp"

#include "game/GameEntityFactory.hpp"
#include "game/GameTypes.hpp"
#include "game/app/GameData.hpp"
#include "game/app/ProcessExit.hpp"
#include "game/screens/PreloadScreen.hpp"
#include "game/screens/TitleScreen.hpp"
#include "platform/AudioDevice.hpp"
#include "platform/BuiltinFiles.hpp"
#include "platform/Input.hpp"

namespace tarvex::game {

GameRunner::GameRunner(GameRunnerOptions options) {
    platform::registerBuiltinFiles();
    registerGameTypes();
    _previousPlatform = platform::setLoopPlatform(std::move(options.platform));
    setGameDataDirectory(options.dataDirectory);
    setProcessExitHandler([this](int status) {
        if (!_exitStatus) {
            _exitStatus = status;
        }
        _game->finish();
    });
    platform::keyboard().flush();
    _game = std::make_shared<DepthrunGame>();
    _game->setRandomSeed(options.seed);
    if (options.graphicsDriver) {
        platform::setGraphicsDriver(options.graphicsDriver);
        _game->setDriverType(0);
        _installedGraphicsDriver = true;
    }
    _game->start();
    (void)platform::selectAudioDriver(options.audioDriver);
    _loop = std::make_unique<FrameLoop>(*_game);
}

GameRunner::~GameRunner() {
    _loop->end();
    // Screens let go of their services and the loading worker is joined before the rest goes.
    _game->getScreenService()->clearScreens();
    _game->shutdown();
    _loop.reset();
    _game.reset();
    GameEntityFactory::setWorld(nullptr);
    setProcessExitHandler(nullptr);
    setGameDataDirectory("");
    platform::keyboard().flush();
    platform::setAudioDriver(nullptr);
    if (_installedGraphicsDriver) {
        platform::setGraphicsDriver(nullptr);
    }
    platform::setLoopPlatform(_previousPlatform);
}

void GameRunner::_step() {
    // Loading takes the same number of frames however long the worker needs.
    if (auto loading = findScreen<PreloadScreen>()) {
        loading->waitUntilLoaded();
    }
    _loop->step();
}

void GameRunner::runFrames(std::int64_t count) {
    for (std::int64_t i = 0; i < count && !_exitStatus; ++i) {
        _step();
    }
}

bool GameRunner::runUntil(const std::function<bool()>& condition, std::int64_t limit) {
    for (std::int64_t i = 0; i < limit && !_exitStatus; ++i) {
        if (condition()) {
            return true;
        }
        _step();
    }
    return condition();
}

bool GameRunner::runUntilTitle(std::int64_t limit) {
    return runUntil([this] { return findScreen<TitleScreen>() != nullptr; }, limit);
}

void GameRunner::tapKey(int code) {
    platform::deliverKeyDown(code);
    platform::deliverKeyUp(code);
}

std::vector<std::string> GameRunner::screenNames() const {
    std::vector<std::string> names;
    for (const auto& screen : _game->getScreenService()->getScreens()) {
        names.push_back(screen->getType().getName());
    }
    return names;
}

} // namespace tarvex::game
