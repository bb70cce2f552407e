// The loading screen. It reads the seven resource definition files of the game on a worker
// thread while a progress bar fills in seven steps, asks for the daytime music, and hands over
// to the title screen in the first frame after the worker has finished.
//
// Only the resource service is touched by the worker (files read, images decoded in memory:
// textures are made on the main thread when first drawn). The label text and the progress the
// worker publishes are taken over by the bar and the label in the main thread's update; the
// finished flag is atomic, so that everything loaded is visible once the flag is seen. An
// error raised while loading (a level with an unknown time of day) is carried over to the
// main thread and raised there.
#pragma once

#include "graphics/RectangleRenderRequest.hpp"
#include "graphics/TextRenderRequest.hpp"
#include "resources/ResourceService.hpp"
#include "screens/GameScreen.hpp"
#include "screens/ScreenManagerService.hpp"

#include <atomic>
#include <exception>
#include <mutex>
#include <string>
#include <thread>

namespace tarvex::game {

class PreloadScreen : public GameScreen {
    TARVEX_OBJECT(PreloadScreen, GameScreen)
public:
    // The fraction of the bar each definition file fills.
    static constexpr float FILE_STEP = 0.14F;

    PreloadScreen() = default;
    ~PreloadScreen() override;
    PreloadScreen(const PreloadScreen&) = delete;
    PreloadScreen& operator=(const PreloadScreen&) = delete;

    // Callable from the worker: the values reach the label and bar at the next update.
    PreloadScreen& setText(const std::string& text);
    PreloadScreen& setProgress(float value);
    PreloadScreen& increaseProgress(float amount);
    // Thread entry: runs enterLevel() on the PreloadScreen given as data.
    static void* backgroundLoader(PreloadScreen* data);
    // The loader body (on the worker).
    virtual void enterLevel();
    // Registers "<data>/<directory>/resources.brix" unless it was registered already, then
    // moves the bar on by `amount`. `extra` is not read.
    virtual void loadResourceFile(const std::string& directory, float amount,
                                  const std::string& extra);

    void loadResources() override;
    void enter() override;
    void leave() override {}
    void handleInput() override;
    void update(float delta, bool otherScreenHasFocus, bool coveredByOtherScreen) override;

    [[nodiscard]] bool isFinished() const { return _isFinished.load(); }
    // Blocks until the worker has finished. The scripted-play harness waits here so that the
    // loading takes the same number of frames however long the files take to read.
    void waitUntilLoaded() const;
    [[nodiscard]] float getProgress() const { return _progress; }
    [[nodiscard]] const Ref<graphics::ProgressBarRenderRequest>& getBar() const { return _bar; }
    [[nodiscard]] const Ref<graphics::TextRenderRequest>& getLabel() const { return _label; }

private:
    // Copies what the worker published into the bar and the label (main thread).
    void _publish();

    Ref<ResourceService> _resourceService;
    Ref<ScreenManagerService> _screenManager;
    std::thread _loadThread;
    std::atomic<bool> _isFinished{false};
    Ref<platform::ImageFont> _font;
    Ref<graphics::ProgressBarRenderRequest> _bar;
    Ref<graphics::TextRenderRequest> _label;
    float _progress = 0; // as shown: the main thread's copy

    // Shared with the worker, under the lock.
    std::mutex _shared;
    std::string _pendingText;
    float _pendingProgress = 0;
    bool _textChanged = false;
    std::exception_ptr _failure;
};

} // namespace tarvex::game
