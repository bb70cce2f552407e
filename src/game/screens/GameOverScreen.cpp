#include "game/screens/GameOverScreen.hpp"

#include "core/TypeBuilder.hpp"
#include "core/TypeRegistry.hpp"
#include "game/app/GameData.hpp"
#include "game/app/ProcessExit.hpp"
#include "graphics/TarvexGfx.hpp"
#include "platform/DrawingLayer.hpp"
#include "platform/Input.hpp"

namespace tarvex::game {

const Type& GameOverScreen::staticType() {
    using S = GameOverScreen;
    static const Type& type =
        TypeBuilder<S>("GameOverScreen")
            .field("_resourceDb", &S::_resourceDb, {{"injectable", "1"}})
            .field("_sessionDb", &S::_sessionDb, {{"injectable", "1"}})
            .field("_screenManager", &S::_screenManager, {{"injectable", "1"}})
            .field("_gameOverLabel", &S::_gameOverLabel)
            .field("_subsDestroyedLabel", &S::_subsDestroyedLabel)
            .field("_totalScoreLabel", &S::_totalScoreLabel)
            .field("_droppedBombsLabel", &S::_droppedBombsLabel)
            .field("_highestComboLabel", &S::_highestComboLabel)
            .field("_pushSpaceLabel", &S::_pushSpaceLabel)
            .field("_labelStyle", &S::_labelStyle)
            .field("_largeFont", &S::_largeFont)
            .field("_font", &S::_font)
            .build();
    return type;
}

void GameOverScreen::loadResources() {
    _largeFont = gameFont(20);
    _font = gameFont(10);
    _labelStyle = std::make_shared<graphics::TextRenderStyle>();
    _labelStyle->setAlignment(graphics::TextRenderRequest::ALIGN_CENTER)
        .setFontColor(255, 255, 255)
        .setFont(_font)
        .setWidth(static_cast<float>(graphics::TarvexGfx::getGraphicsWidth()))
        .ignoreCamera(true);
}

Ref<graphics::TextRenderRequest> GameOverScreen::_label(const std::string& text, int y) const {
    return graphics::TextRenderRequest::Create(text, 0, y, _labelStyle);
}

void GameOverScreen::enter() {
    const auto value = [this](std::int32_t (SessionDbService::*read)() const) {
        return std::to_string(_sessionDb ? ((*_sessionDb).*read)() : 0);
    };
    _gameOverLabel = _label("Game Over", 60);
    _gameOverLabel->setFont(_largeFont);
    _subsDestroyedLabel =
        _label("Subs Destroyed: " + value(&SessionDbService::getDestroyedSubs), 100);
    _droppedBombsLabel =
        _label("Charges Dropped: " + value(&SessionDbService::getChargesDropped), 120);
    _highestComboLabel =
        _label("Highest Combo: x " + value(&SessionDbService::getHighestCombo), 140);
    _totalScoreLabel = _label("Final Score: " + value(&SessionDbService::getScore), 160);
    // Made like the others but not shown: Space works without a prompt.
    _pushSpaceLabel = _label("Press Space to Continue", 200);
    add(_gameOverLabel, "");
    add(_subsDestroyedLabel, "");
    add(_droppedBombsLabel, "");
    add(_highestComboLabel, "");
    add(_totalScoreLabel, "");
    if (_sessionDb && _sessionDb->playerWon()) {
        _gameOverLabel->setText("Congratulations!");
    }
    platform::drawingLayer().cls();
}

void GameOverScreen::handleInput() {
    auto& keys = platform::keyboard();
    if (keys.keyHit(platform::KEY_ESCAPE) != 0) {
        endProcess(0);
        return;
    }
    if (keys.keyHit(platform::KEY_SPACE) == 0) {
        return;
    }
    if (_sessionDb && _sessionDb->getScore() > _sessionDb->getHighScore()) {
        _sessionDb->setHighScore(_sessionDb->getScore());
    }
    const Type* titleClass = TypeRegistry::instance().findByName("TitleScreen");
    auto title = titleClass != nullptr
                     ? std::dynamic_pointer_cast<IGameScreen>(titleClass->create())
                     : nullptr;
    if (title && _screenManager) {
        _screenManager->switchScreen(title);
    }
}

void GameOverScreen::update(float delta, bool otherScreenHasFocus, bool coveredByOtherScreen) {
    GameScreen::update(delta, otherScreenHasFocus, coveredByOtherScreen);
}

} // namespace tarvex::game
