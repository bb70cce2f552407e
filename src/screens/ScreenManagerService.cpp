#include "screens/ScreenManagerService.hpp"

#include "core/TypeBuilder.hpp"
#include "kernel/DependencyInjector.hpp"
#include "platform/DrawingLayer.hpp"

namespace tarvex {

const Type& ScreenManagerService::staticType() {
    static const Type& type =
        TypeBuilder<ScreenManagerService>("ScreenManagerService")
            .meta("implements", "update, render")
            .field("_screenManager", &ScreenManagerService::_screenManager)
            .field("_kernelInfo", &ScreenManagerService::_kernelInfo, {{"injectable", "1"}})
            .build();
    return type;
}

ScreenManagerService::ScreenManagerService() : _screenManager(ScreenManager::Create()) {
    init();
}

Ref<ScreenManagerService> ScreenManagerService::Create() {
    return std::make_shared<ScreenManagerService>();
}

void ScreenManagerService::addScreen(const Ref<IGameScreen>& screen, std::int32_t /*flag*/) {
    if (!screen) {
        return;
    }
    DependencyInjector::addInjectableFields(*screen);
    if (DependencyInjector::hasDependencies(*screen)) {
        // A copy: injecting may not change the list, but nothing here relies on that.
        const std::vector<const Type*> dependencies = DependencyInjector::getDependencies(*screen);
        for (const Type* type : dependencies) {
            DependencyInjector::inject(*screen, *type,
                                       _kernelInfo ? _kernelInfo->getService(type) : nullptr);
        }
    }
    auto* gameScreen = dynamic_cast<GameScreen*>(screen.get());
    if (const auto renderer = getRenderer(); renderer && gameScreen != nullptr) {
        renderer->add(gameScreen->getRenderGroup(), "");
        gameScreen->setRenderer(renderer);
    }
    _screenManager->addScreen(screen);
    if (gameScreen != nullptr) {
        gameScreen->afterAdd();
    }
}

void ScreenManagerService::switchScreen(const Ref<IGameScreen>& screen) {
    popScreen();
    platform::drawingLayer().cls();
    addScreen(screen, 1);
}

void ScreenManagerService::removeScreen(const Ref<IGameScreen>& screen) {
    if (!screen) {
        return;
    }
    if (const auto renderer = getRenderer()) {
        if (const auto* gameScreen = dynamic_cast<const GameScreen*>(screen.get())) {
            renderer->remove(gameScreen->getRenderGroup(), 1);
        }
    }
    _screenManager->removeScreen(screen);
}

void ScreenManagerService::popScreen() {
    if (const auto top = _screenManager->topScreen()) {
        removeScreen(top);
    }
}

void ScreenManagerService::popScreenAndLeave() {
    if (const auto top = _screenManager->topScreen()) {
        top->leave();
        removeScreen(top);
    }
}

void ScreenManagerService::leaveAllScreens() {
    for (const auto& screen : _screenManager->getScreens()) {
        screen->leave();
        removeScreen(screen);
    }
    clearScreens();
}

void ScreenManagerService::clearScreens() {
    _screenManager->clearScreens();
}

std::vector<Ref<IGameScreen>> ScreenManagerService::getScreens() const {
    return _screenManager->getScreens();
}

void ScreenManagerService::traceScreens() const {
    _screenManager->traceScreens();
}

Ref<graphics::SpriteRenderingService> ScreenManagerService::getRenderer() const {
    if (!_kernelInfo) {
        return nullptr;
    }
    return _kernelInfo->getService<graphics::SpriteRenderingService>();
}

void ScreenManagerService::update(float delta) {
    _screenManager->update(static_cast<std::int32_t>(delta));
}

void ScreenManagerService::render(float delta) {
    _screenManager->render(static_cast<std::int32_t>(delta));
}

} // namespace tarvex
