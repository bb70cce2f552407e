#include "screens/ScreenManager.hpp"

#include "core/DebugLog.hpp"
#include "core/Error.hpp"
#include "core/TypeBuilder.hpp"

#include <algorithm>

namespace tarvex {
namespace {

void eraseScreen(std::vector<Ref<IGameScreen>>& screens, const IGameScreen* screen) {
    const auto found = std::find_if(screens.begin(), screens.end(),
                                    [screen](const auto& s) { return s.get() == screen; });
    if (found != screens.end()) {
        screens.erase(found);
    }
}

} // namespace

const Type& ScreenManager::staticType() {
    static const Type& type =
        TypeBuilder<ScreenManager>("ScreenManager")
            .field("m_Screens", &ScreenManager::m_Screens, &IGameScreen::staticType)
            .field("screensToUpdate", &ScreenManager::screensToUpdate, &IGameScreen::staticType)
            .field("traceEnabled", &ScreenManager::traceEnabled)
            .build();
    return type;
}

Ref<ScreenManager> ScreenManager::Create() {
    return std::make_shared<ScreenManager>();
}

void ScreenManager::switchScreen(const Ref<IGameScreen>& screen) {
    popScreen();
    addScreen(screen);
}

void ScreenManager::addScreen(const Ref<IGameScreen>& screen) {
    if (!screen) {
        return;
    }
    screen->setIsExiting(false);
    screen->setParent(this);
    screen->loadResources();
    m_Screens.push_back(screen);
    screen->enter();
}

Ref<IGameScreen> ScreenManager::popScreen() {
    if (!m_Screens.empty()) {
        const Ref<IGameScreen> top = m_Screens.back();
        top->exitScreen();
    }
    return nullptr;
}

Ref<IGameScreen> ScreenManager::removeScreen(const Ref<IGameScreen>& screen) {
    if (!screen) {
        return nullptr;
    }
    screen->freeResources();
    eraseScreen(m_Screens, screen.get());
    eraseScreen(screensToUpdate, screen.get());
    return screen;
}

void ScreenManager::clearScreens() {
    const std::vector<Ref<IGameScreen>> screens = m_Screens;
    for (const auto& screen : screens) {
        screen->freeResources();
        eraseScreen(m_Screens, screen.get());
        eraseScreen(screensToUpdate, screen.get());
    }
    m_Screens.clear();
}

void ScreenManager::traceScreens() const {
    debugLog("ScreenManager.TraceScreens {");
    for (const auto& screen : m_Screens) {
        debugLog("    " + screen->getType().getName());
    }
    debugLog("}");
}

void ScreenManager::loadContent() {
    throw Error("ScreenManager.loadContent -- Method is deprecated");
}

void ScreenManager::update(std::int32_t delta) {
    screensToUpdate = m_Screens;
    bool otherScreenHasFocus = false;
    bool coveredByOtherScreen = false;
    while (!screensToUpdate.empty()) {
        const Ref<IGameScreen> screen = screensToUpdate.back();
        screensToUpdate.pop_back();
        screen->setIsCovered(coveredByOtherScreen);
        screen->update(static_cast<float>(delta), otherScreenHasFocus, coveredByOtherScreen);
        if (!otherScreenHasFocus) {
            if (screen->inputEnabled()) {
                screen->handleInput();
            }
            if (screen->isPopup()) {
                otherScreenHasFocus = true;
            }
        }
        if (screen->isPopup()) {
            coveredByOtherScreen = true;
        }
    }
    if (traceEnabled != 0) {
        traceScreens();
    }
}

void ScreenManager::render(std::int32_t delta) {
    // A copy: a screen may change the stack while it draws.
    const std::vector<Ref<IGameScreen>> screens = m_Screens;
    for (const auto& screen : screens) {
        if (!screen->isHidden()) {
            screen->render(static_cast<float>(delta));
        }
    }
}

} // namespace tarvex
