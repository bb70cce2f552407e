#include "game/screens/PreloadScreen.hpp"

#include "core/TypeBuilder.hpp"
#include "game/app/GameData.hpp"
#include "game/app/ProcessExit.hpp"
#include "game/screens/TitleScreen.hpp"
#include "graphics/TarvexGfx.hpp"
#include "platform/Input.hpp"

#include <array>
#include <chrono>
#include <string_view>

namespace tarvex::game {

const Type& PreloadScreen::staticType() {
    static const Type& type =
        TypeBuilder<PreloadScreen>("PreloadScreen")
            .field("_resourceService", &PreloadScreen::_resourceService, {{"injectable", "1"}})
            .field("_screenManager", &PreloadScreen::_screenManager, {{"injectable", "1"}})
            .field("_font", &PreloadScreen::_font)
            .field("_bar", &PreloadScreen::_bar)
            .field("_label", &PreloadScreen::_label)
            .field("_progress", &PreloadScreen::_progress)
            .build();
    return type;
}

PreloadScreen::~PreloadScreen() {
    // Only reached with the worker still running when the game is torn down in-process (tests,
    // the harness); the worker uses this screen, so it must finish first.
    if (_loadThread.joinable()) {
        _loadThread.join();
    }
}

PreloadScreen& PreloadScreen::setText(const std::string& text) {
    const std::lock_guard lock(_shared);
    _pendingText = text;
    _textChanged = true;
    return *this;
}

PreloadScreen& PreloadScreen::setProgress(float value) {
    const std::lock_guard lock(_shared);
    _pendingProgress = value;
    return *this;
}

PreloadScreen& PreloadScreen::increaseProgress(float amount) {
    const std::lock_guard lock(_shared);
    _pendingProgress += amount;
    return *this;
}

void* PreloadScreen::backgroundLoader(PreloadScreen* data) {
    data->enterLevel();
    return nullptr;
}

void PreloadScreen::enterLevel() {
    try {
        setText("resource_db");
        static constexpr std::array<std::string_view, 7> DIRECTORIES = {
            "audio", "backgrounds", "levels", "music", "objects", "particles", "ui"};
        for (const auto directory : DIRECTORIES) {
            loadResourceFile(std::string(directory), FILE_STEP, "");
        }
        setText("audio_db");
        if (_resourceService) {
            (void)_resourceService->get("depthrun.music.daytime", false);
        }
        setText("Loading complete");
        setProgress(1.0F);
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    } catch (...) {
        const std::lock_guard lock(_shared);
        _failure = std::current_exception();
    }
    _isFinished.store(true);
    _isFinished.notify_all();
}

void PreloadScreen::loadResourceFile(const std::string& directory, float amount,
                                     const std::string& /*extra*/) {
    const std::string path = gameDataDirectory() + "/" + directory + "/resources.brix";
    if (_resourceService && !_resourceService->hasLoadedFile(path)) {
        _resourceService->loadResourceFile(path, true);
    }
    setText("resource_db://" + directory);
    increaseProgress(amount);
}

void PreloadScreen::loadResources() {
    _font = gameFont(9);
}

void PreloadScreen::enter() {
    const auto width = graphics::TarvexGfx::getGraphicsWidth();
    const auto height = graphics::TarvexGfx::getGraphicsHeight();
    _bar = graphics::ProgressBarRenderRequest::Create(5, static_cast<float>(height - 15),
                                                      width - 10, 10);
    _bar->setBorderColor(58, 109, 139);
    _bar->setBackgroundColor(64, 117, 149);
    _bar->setBorderThickness(1);
    _bar->showBorder();
    _bar->setBarColor(84, 147, 183);
    _label = graphics::TextRenderRequest::Create("loading", 9, 128, nullptr);
    _label->setFontColor(255, 255, 255);
    _label->setFont(_font);
    add(_bar, "");
    add(_label, "");
    _label->hide();
    _loadThread = std::thread(&PreloadScreen::backgroundLoader, this);
}

void PreloadScreen::handleInput() {
    if (platform::keyboard().keyHit(platform::KEY_ESCAPE) != 0) {
        endProcess(0);
    }
}

void PreloadScreen::_publish() {
    const std::lock_guard lock(_shared);
    _progress = _pendingProgress;
    if (_bar) {
        _bar->setPercentage(_progress);
    }
    if (_textChanged && _label) {
        _label->setText(_pendingText);
        _textChanged = false;
    }
}

void PreloadScreen::waitUntilLoaded() const {
    _isFinished.wait(false);
}

void PreloadScreen::update(float delta, bool otherScreenHasFocus, bool coveredByOtherScreen) {
    GameScreen::update(delta, otherScreenHasFocus, coveredByOtherScreen);
    _publish();
    if (!_isFinished.load() || isExiting()) {
        return;
    }
    std::exception_ptr failure;
    {
        const std::lock_guard lock(_shared);
        failure = _failure;
    }
    // The worker has finished all its work; joining returns at once.
    if (_loadThread.joinable()) {
        _loadThread.join();
    }
    if (failure) {
        std::rethrow_exception(failure);
    }
    exitScreen();
    if (_screenManager) {
        _screenManager->addScreen(std::make_shared<TitleScreen>(), 1);
    }
}

} // namespace tarvex::game
