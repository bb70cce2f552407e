// The screen stack: screens bottom first, top last. Each frame update() visits the screens from
// the top down (input reaches every screen down to and including the first popup; screens
// below a popup are told they are covered and have no focus), and render() draws them from
// the bottom up, skipping hidden ones.
//
//     auto stack = ScreenManager::Create();
//     stack->addScreen(title);      // loadResources(), then enter()
//     stack->update(16);
//     stack->render(16);
//
// A screen removed during an update pass is not visited afterwards; one added during the pass
// is first visited in the next frame.
#pragma once

#include "screens/IGameScreen.hpp"

#include <cstdint>
#include <vector>

namespace tarvex {

class ScreenManager : public Object {
    TARVEX_OBJECT(ScreenManager, Object)
public:
    ScreenManager() = default;
    [[nodiscard]] static Ref<ScreenManager> Create();

    // popScreen(), then addScreen(screen).
    virtual void switchScreen(const Ref<IGameScreen>& screen);
    // Clears the exiting flag, sets the parent, loadResources(), puts it on top, enter().
    virtual void addScreen(const Ref<IGameScreen>& screen);
    // The top screen's exitScreen() (which removes it); nothing when the stack is empty.
    virtual Ref<IGameScreen> popScreen();
    // freeResources(), then out of the stack and of the current update pass.
    virtual Ref<IGameScreen> removeScreen(const Ref<IGameScreen>& screen);
    virtual void clearScreens();
    [[nodiscard]] virtual std::vector<Ref<IGameScreen>> getScreens() const { return m_Screens; }
    virtual void traceScreens() const;
    // Raises "ScreenManager.loadContent -- Method is deprecated".
    virtual void loadContent();
    virtual void update(std::int32_t delta);
    virtual void render(std::int32_t delta);

    [[nodiscard]] std::size_t countScreens() const { return m_Screens.size(); }
    [[nodiscard]] Ref<IGameScreen> topScreen() const {
        return m_Screens.empty() ? nullptr : m_Screens.back();
    }

    std::int32_t traceEnabled = 0;

private:
    std::vector<Ref<IGameScreen>> m_Screens;
    std::vector<Ref<IGameScreen>> screensToUpdate;
};

} // namespace tarvex
