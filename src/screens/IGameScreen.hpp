// The interface of every screen on the screen stack: flags the stack sets each frame, the
// lifecycle hooks (loadResources, enter, leave, freeResources) and the per-frame update,
// input and render calls. Concrete screens derive from GameScreen.
//
// The stack calls, in order: loadResources() and enter() when a screen is added; update()
// and, while it has focus and input is enabled, handleInput() every frame, top screen first;
// render() every frame, bottom screen first, unless the screen is hidden; freeResources() when
// it is removed, and leave() when it leaves by exitScreen(), popScreenAndLeave() or
// leaveAllScreens().
#pragma once

#include "core/Object.hpp"

namespace tarvex {

class ScreenManager;

class IGameScreen : public Object {
    TARVEX_OBJECT(IGameScreen, Object)
public:
    IGameScreen() = default;

    virtual void setIsExiting(bool exiting) { _isExiting = exiting; }
    virtual void setIsCovered(bool covered) { _isCovered = covered; }
    [[nodiscard]] virtual bool isHidden() const = 0;
    [[nodiscard]] virtual bool isPopup() const = 0;
    [[nodiscard]] virtual bool inputEnabled() const { return _inputEnabled; }
    [[nodiscard]] virtual bool isCovered() const { return _isCovered; }
    [[nodiscard]] virtual bool isExiting() const { return _isExiting; }
    virtual void setParent(ScreenManager* manager) { _parentManager = manager; }
    [[nodiscard]] virtual ScreenManager* getParent() const { return _parentManager; }
    virtual void loadResources() {}
    virtual void freeResources() {}
    virtual void exitScreen() = 0;
    virtual void enter() {}
    virtual void leave() {}
    virtual void disableInput() { _inputEnabled = false; }
    virtual void enableInput() { _inputEnabled = true; }
    virtual void handleInput() {}
    // Both act on the bare stack: no injection and no render-group registration. Screens of
    // the game change screens through ScreenManagerService.
    virtual void pushScreen(const Ref<IGameScreen>& screen);
    virtual void switchScreen(const Ref<IGameScreen>& screen);
    // `otherScreenHasFocus`: a popup above takes the input; `coveredByOtherScreen`: a popup
    // above covers this screen.
    virtual void update(float delta, bool otherScreenHasFocus, bool coveredByOtherScreen) = 0;
    virtual void render(float delta) = 0;

protected:
    ScreenManager* _parentManager = nullptr; // the stack owns its screens
    bool _isExiting = false;
    bool _isCovered = false;
    bool _inputEnabled = true;
};

} // namespace tarvex
