#include "graphics/ScreenEffectsService.hpp"

#include "core/DebugLog.hpp"
#include "core/Random.hpp"
#include "core/TextConversion.hpp"
#include "core/TypeBuilder.hpp"
#include "graphics/TarvexGfx.hpp"
#include "kernel/GameEvent.hpp"
#include "platform/DrawingLayer.hpp"

#include <algorithm>

namespace tarvex::graphics {
namespace {

constexpr const char* EFFECTS_GROUP = "effects";
// Without an "effects" group a fade counts as done at once; its counters start here (or at
// its durations, when those are longer).
constexpr float FADE_SKIPPED = 1000.0F;
// Longer frames do not advance a fade.
constexpr float LONGEST_FADE_FRAME = 100.0F;

} // namespace

const Type& BackgroundAction::staticType() {
    static const Type& type = TypeBuilder<BackgroundAction>("BackgroundAction")
                                  .field("_eventData", &BackgroundAction::_eventData)
                                  .build();
    return type;
}

void BackgroundAction::pushAction(const Ref<BackgroundAction>& action) {
    if (getKernel() == nullptr) {
        return;
    }
    if (const auto effects = getKernel()->getService<ScreenEffectsService>()) {
        effects->pushAction(action);
    }
}

void BackgroundAction::onFinished() {
    if (_eventData) {
        GameEvent::fireEvent(EVENT_RESUME_PROCESS, refOf(static_cast<Object*>(this)), _eventData);
    }
}

const Type& ScreenEffectsService::staticType() {
    static const Type& type =
        TypeBuilder<ScreenEffectsService>("ScreenEffectsService")
            .meta("implements", "update")
            .field("_kernelInformation", &ScreenEffectsService::_kernelInformation,
                   {{"injectable", "1"}})
            .field("_actionCount", &ScreenEffectsService::_actionCount)
            .build();
    return type;
}

ScreenEffectsService::ScreenEffectsService() {
    init();
}

void ScreenEffectsService::pushAction(const Ref<BackgroundAction>& action) {
    if (!action) {
        return;
    }
    action->setKernel(_kernelInformation ? _kernelInformation->getKernel() : nullptr);
    action->init();
    _actionList.push_back(action);
    ++_actionCount;
}

void ScreenEffectsService::update(float delta) {
    if (_actionCount == 0) {
        return;
    }
    // By index: an action may queue a follow-up while it runs.
    for (std::size_t i = 0; i < _actionList.size();) {
        const Ref<BackgroundAction> action = _actionList[i];
        action->execute(delta);
        if (action->isFinished()) {
            action->onFinished();
            _actionList.erase(_actionList.begin() + static_cast<std::ptrdiff_t>(i));
            --_actionCount;
        } else {
            ++i;
        }
    }
}

const Type& ShakeCameraAction::staticType() {
    static const Type& type = TypeBuilder<ShakeCameraAction>("ShakeCameraAction")
                                  .field("_camera", &ShakeCameraAction::_camera)
                                  .field("_counter", &ShakeCameraAction::_counter)
                                  .field("_intensity", &ShakeCameraAction::_intensity)
                                  .field("_duration", &ShakeCameraAction::_duration)
                                  .build();
    return type;
}

ShakeCameraAction& ShakeCameraAction::setIntensity(float intensity) {
    _intensity = intensity;
    return *this;
}

ShakeCameraAction& ShakeCameraAction::setDuration(float seconds) {
    _duration = static_cast<std::int32_t>(seconds * 60);
    return *this;
}

void ShakeCameraAction::init() {
    if (getKernel() == nullptr) {
        return;
    }
    if (const auto renderer = getKernel()->getService<SpriteRenderingService>()) {
        _camera = renderer->getCamera();
    }
}

void ShakeCameraAction::execute(float /*delta*/) {
    const float dy = Random::real(-_intensity, _intensity);
    const float dx = Random::real(-_intensity, _intensity);
    if (_camera) {
        _camera->getPosition().addValue(dx, dy);
    }
    ++_counter;
}

void ShakeCameraAction::onFinished() {
    BackgroundAction::onFinished();
    if (_camera) {
        _camera->setPosition(0, 0);
    }
}

const Type& FadeScreenAction::staticType() {
    static const Type& type = TypeBuilder<FadeScreenAction>("FadeScreenAction")
                                  .field("_color", &FadeScreenAction::_color)
                                  .field("_fadeDuration", &FadeScreenAction::_fadeDuration)
                                  .field("_keepDuration", &FadeScreenAction::_keepDuration)
                                  .field("_inverted", &FadeScreenAction::_inverted)
                                  .field("_fadeCounter", &FadeScreenAction::_fadeCounter)
                                  .field("_fadeStep", &FadeScreenAction::_fadeStep)
                                  .field("_keepCounter", &FadeScreenAction::_keepCounter)
                                  .field("_keepStep", &FadeScreenAction::_keepStep)
                                  .field("_overlay", &FadeScreenAction::_overlay)
                                  .field("_frameCount", &FadeScreenAction::_frameCount)
                                  .field("_fadeState", &FadeScreenAction::_fadeState)
                                  .field("_renderer", &FadeScreenAction::_renderer)
                                  .build();
    return type;
}

FadeScreenAction& FadeScreenAction::setFinalColor(std::int32_t color) {
    _color = color;
    return *this;
}

FadeScreenAction& FadeScreenAction::setDuration(float duration) {
    _fadeDuration = duration;
    return *this;
}

FadeScreenAction& FadeScreenAction::setKeepDuration(float duration) {
    _keepDuration = duration;
    return *this;
}

FadeScreenAction& FadeScreenAction::invertAnimation(bool inverted) {
    _inverted = inverted;
    return *this;
}

void FadeScreenAction::init() {
    if (getKernel() != nullptr) {
        _renderer = getKernel()->getService<SpriteRenderingService>();
    }
    const Ref<RenderGroup> group = _renderer ? _renderer->getGroup(EFFECTS_GROUP) : nullptr;
    if (!group) {
        // Nothing to draw on: done at the first check, whatever the durations.
        _fadeCounter = std::max(FADE_SKIPPED, _fadeDuration);
        _keepCounter = std::max(FADE_SKIPPED, _keepDuration);
        return;
    }
    _overlay = RectangleRenderRequest::Create(0, 0, TarvexGfx::getGraphicsWidth(),
                                              TarvexGfx::getGraphicsHeight());
    _overlay->ignoreCamera(true);
    _overlay->setBlendMode(platform::BLEND_ALPHA);
    _overlay->setBackgroundAlpha(_inverted ? 1.0F : 0.0F);
    _overlay->setBackgroundColor(0, 0, 0);
    group->add(_overlay, "");
    _fadeStep = 1.0F / (_fadeDuration / 16.0F);
}

void FadeScreenAction::execute(float delta) {
    if (delta > LONGEST_FADE_FRAME) {
        debugLog("DELTA: " + floatToText(delta));
        return;
    }
    if (_fadeCounter < _fadeDuration) {
        _fadeCounter += delta;
        if (_overlay) {
            const float step = _inverted ? -_fadeStep : _fadeStep;
            _overlay->setBackgroundAlpha(
                std::clamp(_overlay->getBackgroundAlpha() + step, 0.0F, 1.0F));
        }
        _fadeState = _inverted ? FADE_IN : FADE_OUT;
    } else {
        ++_frameCount;
        _keepCounter += delta;
        _fadeState = KEEP;
    }
}

bool FadeScreenAction::isFinished() const {
    return _fadeCounter >= _fadeDuration && _keepCounter >= _keepDuration;
}

void FadeScreenAction::onFinished() {
    BackgroundAction::onFinished();
    if (!_overlay || !_renderer) {
        return;
    }
    if (const Ref<RenderGroup> group = _renderer->getGroup(EFFECTS_GROUP)) {
        group->remove(_overlay);
    }
}

} // namespace tarvex::graphics
