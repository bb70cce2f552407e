// Whole-screen effects that last a number of frames: camera shakes and fades. Each effect is
// a BackgroundAction; the ScreenEffectsService runs every queued action once per update until
// it reports finished, then calls its onFinished() and drops it.
//
//     effects->pushAction(std::make_shared<ShakeCameraAction>());   // 2 units, 10 frames
//     auto fade = std::make_shared<FadeScreenAction>();
//     fade->setDuration(320).invertAnimation(true);                 // needs a group "effects"
//     fade->setEventData(payload);   // "EVENT_RESUME_PROCESS" is fired when the fade ends
//     effects->pushAction(fade);
#pragma once

#include "graphics/RectangleRenderRequest.hpp"
#include "graphics/RenderCamera.hpp"
#include "graphics/SpriteRenderingService.hpp"
#include "kernel/GameKernel.hpp"
#include "kernel/KernelAwareInterface.hpp"

#include <cstdint>
#include <vector>

namespace tarvex::graphics {

class BackgroundAction : public KernelAwareInterface {
    TARVEX_OBJECT(BackgroundAction, KernelAwareInterface)
public:
    static constexpr const char* EVENT_RESUME_PROCESS = "EVENT_RESUME_PROCESS";

    virtual void execute(float delta) = 0;
    [[nodiscard]] virtual bool isFinished() const = 0;
    virtual void init() {}
    // Queues a follow-up action with the screen-effects service.
    virtual void pushAction(const Ref<BackgroundAction>& action);
    virtual void setEventData(ObjectRef data) { _eventData = std::move(data); }
    // Fires "EVENT_RESUME_PROCESS" (this action as sender, the event data as payload) when
    // event data is set.
    virtual void onFinished();

protected:
    ObjectRef _eventData;
};

class ScreenEffectsService : public GameService {
    TARVEX_OBJECT(ScreenEffectsService, GameService)
public:
    ScreenEffectsService();

    // Gives the action the kernel, calls its init() and queues it.
    virtual void pushAction(const Ref<BackgroundAction>& action);
    [[nodiscard]] std::int32_t countActions() const { return _actionCount; }

    void update(float delta) override;

private:
    Ref<KernelInformationService> _kernelInformation;
    std::vector<Ref<BackgroundAction>> _actionList;
    std::int32_t _actionCount = 0;
};

// Jolts the rendering service's camera by a random offset every update, for `_duration`
// updates; the offsets add up (a random walk) and the camera returns to (0, 0) at the end.
// Only requests that honour the camera shake; text stays put.
class ShakeCameraAction : public BackgroundAction {
    TARVEX_OBJECT(ShakeCameraAction, BackgroundAction)
public:
    ShakeCameraAction& setIntensity(float intensity);
    // In seconds, at 60 updates a second.
    ShakeCameraAction& setDuration(float seconds);

    void init() override;
    void execute(float delta) override;
    [[nodiscard]] bool isFinished() const override { return _counter >= _duration; }
    void onFinished() override;

private:
    Ref<RenderCamera> _camera;
    std::int32_t _counter = 0;
    float _intensity = 2.0F;
    std::int32_t _duration = 10;
};

// Fades the screen to black (or, inverted, from black) with a full-screen rectangle in the
// render group "effects", then holds for the keep duration. The alpha moves by a fixed step
// per update sized for 16 ms updates. Without an "effects" group it finishes at once and
// draws nothing.
class FadeScreenAction : public BackgroundAction {
    TARVEX_OBJECT(FadeScreenAction, BackgroundAction)
public:
    static constexpr std::uint8_t FADE_IN = 1;
    static constexpr std::uint8_t KEEP = 2;
    static constexpr std::uint8_t FADE_OUT = 3;

    // Stored; the overlay is always black.
    FadeScreenAction& setFinalColor(std::int32_t color);
    // Milliseconds of fading.
    FadeScreenAction& setDuration(float duration);
    // Milliseconds to hold once faded.
    FadeScreenAction& setKeepDuration(float duration);
    // True: from black to clear; false: from clear to black.
    FadeScreenAction& invertAnimation(bool inverted);
    [[nodiscard]] bool isKeeping() const { return _fadeState == KEEP; }
    [[nodiscard]] std::uint8_t getFadeState() const { return _fadeState; }
    [[nodiscard]] const Ref<RectangleRenderRequest>& getOverlay() const { return _overlay; }

    void init() override;
    void execute(float delta) override;
    [[nodiscard]] bool isFinished() const override;
    void onFinished() override;

private:
    std::int32_t _color = 0;
    float _fadeDuration = 1.0F;
    float _keepDuration = 0;
    bool _inverted = false;
    float _fadeCounter = 0;
    float _fadeStep = 1.0F;
    float _keepCounter = 0;
    float _keepStep = 0;
    Ref<RectangleRenderRequest> _overlay;
    std::int32_t _frameCount = 0;
    std::uint8_t _fadeState = 0;
    Ref<SpriteRenderingService> _renderer;
};

} // namespace tarvex::graphics
