// The kernel service that hosts the screen stack. Adding a screen through it injects the
// screen's services, registers the screen's render group with the rendering service, puts
// the screen on the stack (loadResources, enter) and calls its afterAdd(). Removing a screen
// unregisters the group and calls freeResources(); only popScreenAndLeave() and
// leaveAllScreens() call leave() first.
//
//     screens->addScreen(std::make_shared<TitleScreen>(), 1);
//     screens->switchScreen(gameplay);   // the title is removed without leave()
#pragma once

#include "graphics/SpriteRenderingService.hpp"
#include "kernel/GameKernel.hpp"
#include "screens/GameScreen.hpp"
#include "screens/ScreenManager.hpp"

#include <vector>

namespace tarvex {

class ScreenManagerService : public GameService {
    TARVEX_OBJECT(ScreenManagerService, GameService)
public:
    ScreenManagerService();
    [[nodiscard]] static Ref<ScreenManagerService> Create();

    // `flag` is not used.
    virtual void addScreen(const Ref<IGameScreen>& screen, std::int32_t flag);
    // popScreen(), clear the back buffer, addScreen(screen).
    virtual void switchScreen(const Ref<IGameScreen>& screen);
    virtual void removeScreen(const Ref<IGameScreen>& screen);
    // Removes the top screen without leave(); nothing when the stack is empty.
    virtual void popScreen();
    // leave(), then removal, for the top screen; nothing when the stack is empty.
    virtual void popScreenAndLeave();
    // leave() and removal for every screen, bottom first; then clearScreens().
    virtual void leaveAllScreens();
    virtual void clearScreens();
    [[nodiscard]] virtual std::vector<Ref<IGameScreen>> getScreens() const;
    virtual void traceScreens() const;
    // The kernel's SpriteRenderingService, or null.
    [[nodiscard]] virtual Ref<graphics::SpriteRenderingService> getRenderer() const;

    [[nodiscard]] ScreenManager& getScreenManager() const { return *_screenManager; }

    // Both pass the frame time truncated to whole milliseconds.
    void update(float delta) override;
    void render(float delta) override;

private:
    Ref<ScreenManager> _screenManager;
    Ref<KernelInformationService> _kernelInfo;
};

} // namespace tarvex
