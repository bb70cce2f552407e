// The end of a game: "Game Over" (or "Congratulations!" when every level was won) above the
// game's statistics from the session store. Space records a new high score and returns to the
// title screen; Escape ends the program.
#pragma once

#include "graphics/TextRenderRequest.hpp"
#include "graphics/TextRenderStyle.hpp"
#include "resources/ResourceService.hpp"
#include "screens/GameScreen.hpp"
#include "screens/ScreenManagerService.hpp"
#include "session/SessionDbService.hpp"

namespace tarvex::game {

class GameOverScreen : public GameScreen {
    TARVEX_OBJECT(GameOverScreen, GameScreen)
public:
    void loadResources() override;
    void enter() override;
    void leave() override {}
    void handleInput() override;
    void update(float delta, bool otherScreenHasFocus, bool coveredByOtherScreen) override;

    [[nodiscard]] const Ref<graphics::TextRenderRequest>& getTitleLabel() const {
        return _gameOverLabel;
    }

private:
    [[nodiscard]] Ref<graphics::TextRenderRequest> _label(const std::string& text, int y) const;

    Ref<ResourceService> _resourceDb;
    Ref<SessionDbService> _sessionDb;
    Ref<ScreenManagerService> _screenManager;
    Ref<graphics::TextRenderRequest> _gameOverLabel;
    Ref<graphics::TextRenderRequest> _subsDestroyedLabel;
    Ref<graphics::TextRenderRequest> _totalScoreLabel;
    Ref<graphics::TextRenderRequest> _droppedBombsLabel;
    Ref<graphics::TextRenderRequest> _highestComboLabel;
    Ref<graphics::TextRenderRequest> _pushSpaceLabel;
    Ref<graphics::TextRenderStyle> _labelStyle;
    Ref<platform::ImageFont> _largeFont;
    Ref<platform::ImageFont> _font;
};

} // namespace tarvex::game
