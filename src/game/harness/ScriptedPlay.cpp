#include "game/harness/ScriptedPlay.hpp"

#include "core/Error.hpp"
#include "game/harness/HarnessTypes.hpp"
#include "game/harness/PlayReport.hpp"
#include "game/screens/GameplayScreen.hpp"
#include "platform/DrawingLayer.hpp"
#include "platform/Input.hpp"
#include "platform/Pixmap.hpp"
#include "platform/VirtualLoopPlatform.hpp"

#include <algorithm>
#include <charconv>

namespace tarvex::game::harness {

namespace {

// The loading screen is given this many frames to hand over to the title.
constexpr std::int64_t LOADING_FRAME_LIMIT = 3600;

// A window that is never shown: the game draws into nothing.
class NullContext : public platform::GraphicsContext {
public:
    NullContext(int width, int height) : _width(width), _height(height) {}
    ~NullContext() override { NullContext::close(); }
    NullContext(const NullContext&) = delete;
    NullContext& operator=(const NullContext&) = delete;

    [[nodiscard]] int width() const override { return _width; }
    [[nodiscard]] int height() const override { return _height; }
    void swap(int /*sync*/) override {}
    void makeCurrent() override {}
    void close() override {
        if (_open && platform::drawingLayer().context() == this) {
            platform::drawingLayer().attach(nullptr);
        }
        _open = false;
    }
    [[nodiscard]] bool isOpen() const override { return _open; }
    [[nodiscard]] bool isOpenGL() const override { return false; }

private:
    int _width;
    int _height;
    bool _open = true;
};

class NullGraphicsDriver : public platform::GraphicsDriver {
public:
    [[nodiscard]] std::string name() const override { return "none"; }
    [[nodiscard]] Ref<platform::GraphicsContext>
    open(const platform::ContextSettings& settings) override {
        auto context = std::make_shared<NullContext>(settings.width, settings.height);
        platform::drawingLayer().attach(context.get());
        return context;
    }
};

} // namespace

// The virtual clock, photographing the back buffer of a chosen frame before it is shown.
class ShotPlatform : public platform::VirtualLoopPlatform {
public:
    void present(int sync) override {
        if (!_pendingShot.empty()) {
            auto& drawing = platform::drawingLayer();
            drawing.flush();
            const auto* context = drawing.context();
            if (context == nullptr) {
                errors.push_back("no window to photograph for " + _pendingShot);
            } else if (!platform::savePng(
                           drawing.readPixels(0, 0, context->width(), context->height()),
                           _pendingShot)) {
                errors.push_back("cannot write the picture " + _pendingShot);
            }
            _pendingShot.clear();
        }
        VirtualLoopPlatform::present(sync);
    }
    void shootNextFrame(std::string path) { _pendingShot = std::move(path); }

    std::vector<std::string> errors;

private:
    std::string _pendingShot;
};

ScriptedPlay::ScriptedPlay(PlayOptions options) : _options(std::move(options)) {
    if (_options.frames < 0) {
        throw Error("The number of frames cannot be negative");
    }
    if (!_options.startLevel.empty()) {
        const auto separator = _options.startLevel.find('_');
        int level = 0;
        int stage = 0;
        const auto* text = _options.startLevel.data();
        const auto* end = text + _options.startLevel.size();
        const bool read = separator != std::string::npos &&
                          std::from_chars(text, text + separator, level).ptr == text + separator &&
                          std::from_chars(text + separator + 1, end, stage).ptr == end &&
                          level > 0 && stage > 0;
        if (!read) {
            throw Error("A level is given as <level>_<stage>, such as 2_3: " + _options.startLevel);
        }
    }
    registerHarnessTypes();
    _platform = std::make_shared<ShotPlatform>();
    GameRunnerOptions runnerOptions;
    runnerOptions.platform = _platform;
    runnerOptions.dataDirectory = _options.dataDirectory;
    runnerOptions.seed = _options.seed;
    if (_options.shots.empty() && !_options.draw) {
        _nullDriver = std::make_shared<NullGraphicsDriver>();
        runnerOptions.graphicsDriver = _nullDriver;
    }
    _runner = std::make_unique<GameRunner>(runnerOptions);
    if (!_runner->runUntilTitle(LOADING_FRAME_LIMIT)) {
        throw Error("The title screen did not show within " + std::to_string(LOADING_FRAME_LIMIT) +
                    " frames of loading");
    }
    if (!_options.startLevel.empty() &&
        !_runner->game().getResourceService()->get("depthrun.levels.level_" + _options.startLevel,
                                                   false)) {
        throw Error("No such level: " + _options.startLevel);
    }
    std::stable_sort(_options.shots.begin(), _options.shots.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
}

ScriptedPlay::~ScriptedPlay() = default;

const std::vector<std::string>& ScriptedPlay::shotErrors() const {
    return _platform->errors;
}

void ScriptedPlay::_applyStartLevel() {
    if (_startLevelApplied || _options.startLevel.empty()) {
        return;
    }
    const auto gameplay = _runner->findScreen<GameplayScreen>();
    if (!gameplay || gameplay->getState() != GameplayScreen::STATE_LEVEL_START) {
        return;
    }
    // The introduction of the first level is replaced by that of the chosen one.
    auto& game = _runner->game();
    game.getSessionDbService()->set(
        "current_level",
        game.getResourceService()->get("depthrun.levels.level_" + _options.startLevel, false));
    gameplay->removeOverlay();
    gameplay->enterState(GameplayScreen::STATE_LEVEL_START);
    _startLevelApplied = true;
}

bool ScriptedPlay::step() {
    if (_runner->exitStatus() || _runner->game().isFinished() || _levelEnded) {
        return false;
    }
    const auto& events = _options.keys.events;
    while (_nextEvent < events.size() && events[_nextEvent].frame <= _frame) {
        const auto& event = events[_nextEvent++];
        if (event.action != KeyAction::Up) {
            platform::deliverKeyDown(event.code);
        }
        if (event.action != KeyAction::Down) {
            platform::deliverKeyUp(event.code);
        }
    }
    _applyStartLevel();
    if (_hook) {
        _hook(_frame);
    }
    for (const auto& [frame, path] : _options.shots) {
        if (frame == _frame) {
            _platform->shootNextFrame(path);
        }
    }
    _runner->runFrames(1);
    ++_frame;
    if (_options.stopAtLevelEnd) {
        const auto gameplay = _runner->findScreen<GameplayScreen>();
        const auto state = gameplay ? gameplay->getState() : 0;
        if (state == GameplayScreen::STATE_LEVEL_OVER ||
            state == GameplayScreen::STATE_LEVEL_FAILED) {
            _levelEnded = true;
            _levelWon = state == GameplayScreen::STATE_LEVEL_OVER;
        }
    }
    return true;
}

std::int64_t ScriptedPlay::run() {
    while (_frame < _options.frames && step()) {
    }
    return _frame;
}

std::string ScriptedPlay::report() const {
    return playReport(*_runner, _frame);
}

} // namespace tarvex::game::harness
