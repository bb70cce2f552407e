// The base of every concrete screen. A screen draws by putting render requests into its own
// render group, which the screen service registers with the rendering service while the
// screen is on the stack:
//
//     class TitleScreen : public GameScreen {
//         void enter() override {
//             add(TextRenderRequest::Create("PRESS SPACE", 0, 200, style), "prompt");
//         }
//         void handleInput() override {
//             if (spacePressed()) { _screenManager->switchScreen(gameplay); }
//         }
//     };
//
// exitScreen() removes the screen from its stack at once (freeResources), empties and
// unregisters its group, then calls leave().
#pragma once

#include "graphics/RenderGroup.hpp"
#include "graphics/SpriteRenderingService.hpp"
#include "screens/IGameScreen.hpp"

#include <cstdint>
#include <string>

namespace tarvex {

class GameScreen : public IGameScreen {
    TARVEX_OBJECT(GameScreen, IGameScreen)
public:
    static constexpr std::int32_t STATE_TransitionOn = 1;
    static constexpr std::int32_t STATE_Active = 2;
    static constexpr std::int32_t STATE_TransitionOff = 3;
    static constexpr std::int32_t STATE_Hidden = 4;

    GameScreen();

    // Into the screen's own render group.
    virtual void add(const Ref<graphics::AbstractRenderRequest>& request, const std::string& name);
    virtual void remove(const Ref<graphics::AbstractRenderRequest>& request);
    virtual void removeByName(const std::string& name);
    [[nodiscard]] virtual const Ref<graphics::RenderGroup>& getRenderGroup() const {
        return _group;
    }
    // Called once the screen is on the stack (after enter()).
    virtual void afterAdd() {}

    [[nodiscard]] bool isHidden() const override { return State == STATE_Hidden; }
    [[nodiscard]] bool isPopup() const override { return _isPopup != 0; }
    void exitScreen() override;
    // Records whether another screen has the focus; nothing else.
    void update(float delta, bool otherScreenHasFocus, bool coveredByOtherScreen) override;
    void render(float /*delta*/) override {}

    // The rendering service the group is registered with; set by the screen service.
    void setRenderer(Ref<graphics::SpriteRenderingService> renderer) {
        _renderer = std::move(renderer);
    }
    [[nodiscard]] const Ref<graphics::SpriteRenderingService>& getRenderer() const {
        return _renderer;
    }
    [[nodiscard]] bool hasNoFocus() const { return _noFocus != 0; }

    std::int32_t State = 0;

protected:
    std::int32_t _isPopup = 0;
    std::int32_t _noFocus = 0;
    std::int32_t _transitionOffTime = 0;
    Ref<graphics::RenderGroup> _group;

private:
    Ref<graphics::SpriteRenderingService> _renderer;
};

} // namespace tarvex
