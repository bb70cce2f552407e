// A screen that writes every lifecycle and per-frame call into a shared log, as
// "<name>.<call>", with the flags of update ("<name>.update(focus=0, covered=1)"). It can be
// made a popup and can exit itself from handleInput.
#pragma once

#include "screens/GameScreen.hpp"

#include <string>
#include <vector>

namespace tarvex::testing {

class ScreenRecorder : public GameScreen {
public:
    ScreenRecorder(std::vector<std::string>& log, std::string name, bool popup = false)
        : _log(&log), _name(std::move(name)) {
        _isPopup = popup ? 1 : 0;
    }

    void loadResources() override { note("loadResources"); }
    void freeResources() override { note("freeResources"); }
    void enter() override { note("enter"); }
    void leave() override { note("leave"); }
    void afterAdd() override { note("afterAdd"); }
    void handleInput() override {
        note("handleInput");
        if (exitOnInput) {
            exitScreen();
        }
    }
    void update(float delta, bool otherScreenHasFocus, bool coveredByOtherScreen) override {
        GameScreen::update(delta, otherScreenHasFocus, coveredByOtherScreen);
        lastDelta = delta;
        note("update(focus=" + std::to_string(otherScreenHasFocus ? 1 : 0) +
             ", covered=" + std::to_string(coveredByOtherScreen ? 1 : 0) + ")");
    }
    void render(float /*delta*/) override { note("render"); }

    void setTransitionOffTime(std::int32_t time) { _transitionOffTime = time; }

    bool exitOnInput = false;
    float lastDelta = -1;

private:
    void note(const std::string& call) { _log->push_back(_name + "." + call); }

    std::vector<std::string>* _log;
    std::string _name;
};

} // namespace tarvex::testing
