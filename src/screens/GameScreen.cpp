#include "screens/GameScreen.hpp"

#include "core/TypeBuilder.hpp"
#include "screens/ScreenManager.hpp"

namespace tarvex {

const Type& IGameScreen::staticType() {
    static const Type& type = TypeBuilder<IGameScreen>("IGameScreen")
                                  .field("_parentManager", &IGameScreen::_parentManager)
                                  .field("_isExiting", &IGameScreen::_isExiting)
                                  .field("_isCovered", &IGameScreen::_isCovered)
                                  .field("_inputEnabled", &IGameScreen::_inputEnabled)
                                  .build();
    return type;
}

void IGameScreen::pushScreen(const Ref<IGameScreen>& screen) {
    if (_parentManager != nullptr) {
        _parentManager->addScreen(screen);
    }
}

void IGameScreen::switchScreen(const Ref<IGameScreen>& screen) {
    if (_parentManager != nullptr) {
        _parentManager->switchScreen(screen);
    }
}

const Type& GameScreen::staticType() {
    static const Type& type = TypeBuilder<GameScreen>("GameScreen")
                                  .field("State", &GameScreen::State)
                                  .field("_isPopup", &GameScreen::_isPopup)
                                  .field("_noFocus", &GameScreen::_noFocus)
                                  .field("_transitionOffTime", &GameScreen::_transitionOffTime)
                                  .field("_group", &GameScreen::_group)
                                  .field("__renderer", &GameScreen::_renderer)
                                  .build();
    return type;
}

GameScreen::GameScreen() : _group(std::make_shared<graphics::RenderGroup>()) {}

void GameScreen::add(const Ref<graphics::AbstractRenderRequest>& request, const std::string& name) {
    _group->add(request, name);
}

void GameScreen::remove(const Ref<graphics::AbstractRenderRequest>& request) {
    _group->remove(request);
}

void GameScreen::removeByName(const std::string& name) {
    _group->removeByName(name);
}

void GameScreen::exitScreen() {
    setIsExiting(true);
    if (_transitionOffTime <= 0) {
        // Keeps this screen alive while the stack lets go of it.
        const Ref<IGameScreen> self = refOf(static_cast<IGameScreen*>(this));
        if (_parentManager != nullptr && self) {
            _parentManager->removeScreen(self);
        }
        _group->clear();
        if (_renderer) {
            _renderer->remove(_group, 1);
        }
    }
    leave();
}

void GameScreen::update(float /*delta*/, bool otherScreenHasFocus, bool /*coveredByOtherScreen*/) {
    _noFocus = otherScreenHasFocus ? 1 : 0;
}

} // namespace tarvex
