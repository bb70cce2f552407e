#include "kernel/GameBase.hpp"

#include "core/DebugLog.hpp"
#include "core/Error.hpp"
#include "core/TypeBuilder.hpp"
#include "core/TypeRegistry.hpp"
#include "platform/LoopPlatform.hpp"

namespace tarvex {

const Type& GameBase::staticType() {
    static const Type& type = TypeBuilder<GameBase>("GameBase")
                                  .field("_finished", &GameBase::_finished)
                                  .field("_frameRate", &GameBase::_frameRate)
                                  .field("_kernel", &GameBase::_kernel)
                                  .build();
    return type;
}

GameBase::GameBase() : _kernel(std::make_shared<GameKernel>()) {
    platform::eventHook().subscribe(&GameBase::handleEvents, this, 0);
}

GameBase::~GameBase() {
    platform::eventHook().unsubscribe(&GameBase::handleEvents, this);
}

Object* GameBase::handleEvents(std::int32_t /*id*/, Object* data, Object* context) {
    auto* game = dynamic_cast<GameBase*>(context);
    auto* event = dynamic_cast<platform::PlatformEvent*>(data);
    if (game != nullptr && event != nullptr) {
        game->handleEvent(*event);
    }
    return data;
}

void GameBase::handleEvent(platform::PlatformEvent& /*event*/) {}

namespace {

void requirePositiveFrameRate(std::int32_t framesPerSecond) {
    if (framesPerSecond <= 0) {
        throw Error("Frame rate must be positive: " + std::to_string(framesPerSecond));
    }
}

} // namespace

void GameBase::setFrameRate(std::int32_t framesPerSecond) {
    requirePositiveFrameRate(framesPerSecond);
    _frameRate = framesPerSecond;
}

void GameBase::runLoop() {
    requirePositiveFrameRate(_frameRate); // the field may have been written directly
    auto& platform = platform::loopPlatform();
    const auto timer = platform.createFrameTimer(_frameRate);
    // Integer division on purpose: 16.0 at 60 frames per second.
    const auto frameTime =
        static_cast<float>(1000 / _frameRate); // NOLINT(bugprone-integer-division)
    std::int64_t last = platform.milliseconds();
    _kernel->start();
    float delta = frameTime;
    do {
        _kernel->update(delta);
        _kernel->render(delta);
        timer->wait();
        platform.present(0);
        delta = static_cast<float>(platform.milliseconds() - last);
        last = platform.milliseconds();
    } while (!isFinished());
    _kernel->stop();
}

void GameBase::shutdown() {
    platform::loopPlatform().closeGraphics();
}

void GameBase::addServiceToKernel(const Ref<GameService>& service, const Type* type) {
    _kernel->addService(type, service);
}

void GameBase::_addKernelService(const Ref<GameService>& service, const Type* type) {
    debugLog("Deprecated: Use `addServiceToKernel` instead");
    addServiceToKernel(service, type);
}

Ref<GameService> GameBase::_getKernelService(const Type* type) const {
    return _kernel->getService(type);
}

Ref<GameService> GameBase::_getKernelServiceByName(std::string_view name) const {
    const Type* type = TypeRegistry::instance().findByName(name);
    return type == nullptr ? nullptr : _kernel->getService(type);
}

} // namespace tarvex
