// Where the game is played. Entering resets the session, builds the backgrounds and the
// head-up display, registers the game's 33 entity systems in their fixed order, and creates
// the boat and five clouds. Each level then runs a small state machine:
//
//     LEVEL_START --intro overlay finished--> PLAYING --enough subs / charges used--> LEVEL_OVER
//     PLAYING --boat lost or countdown expired--> LEVEL_FAILED --overlay finished--> game over
//     LEVEL_OVER --overlay finished--> the next stage's LEVEL_START, or, after the last level,
//                                      the game-over screen with the game won
//
// Levels are the resources "depthrun.levels.level_<level>_<stage>", four stages per level
// number; the level being played is the session's "current_level".
#pragma once

#include "audio/AudioService.hpp"
#include "entities/GameEntityService.hpp"
#include "game/resources/GameLevelResource.hpp"
#include "game/screens/BaseOverlay.hpp"
#include "game/screens/CountdownTimer.hpp"
#include "game/screens/SimpleTimer.hpp"
#include "graphics/ImageSprite.hpp"
#include "graphics/SpriteRenderingService.hpp"
#include "graphics/TextRenderRequest.hpp"
#include "graphics/TextRenderStyle.hpp"
#include "resources/ResourceService.hpp"
#include "screens/GameScreen.hpp"
#include "screens/ScreenManagerService.hpp"
#include "session/SessionDbService.hpp"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace tarvex::game {

class GameplayScreen : public GameScreen {
    TARVEX_OBJECT(GameplayScreen, GameScreen)
public:
    static constexpr std::uint8_t STATE_LEVEL_START = 1;
    static constexpr std::uint8_t STATE_PLAYING = 2;
    static constexpr std::uint8_t STATE_LEVEL_OVER = 3;
    static constexpr std::uint8_t STATE_LEVEL_FAILED = 4;
    static constexpr std::uint8_t STATE_DEAD = 5;      // declared; nothing enters it
    static constexpr std::uint8_t STATE_GAME_OVER = 6; // declared; nothing enters it
    static constexpr std::uint8_t LAST_STAGE = 4;

    virtual void updateTimer(float delta);
    // The countdown, scores and allowances shown in the head-up display (every frame).
    virtual void updateUi();
    virtual void updateLevelIntroState();
    virtual void updateLevelOverState();
    virtual void updateLevelFailedState();
    virtual void updatePlayState();
    virtual void enterState(std::uint8_t state);
    // Starts the cross-fade to the current level's time of day: sky, sea and clouds fade to
    // the new images over 29 ticks of 64 ms, the moon fades in or out, and the music moves to
    // the new volume and rate over a second.
    virtual void changeTimeOfDay();
    // One tick of the cross-fade (called by name by the transition timer); the last tick
    // rebuilds the backgrounds and drops the timer.
    virtual void updateBackgroundTransition(const ObjectRef& timer);
    // Shows the current level's time of day on the base backgrounds and clouds.
    virtual void rebuildBackground();
    // Enough submarines destroyed, or every allowed charge used.
    [[nodiscard]] virtual bool victoryConditionsReached() const;
    virtual void removeOverlay();
    [[nodiscard]] virtual std::string formatScore(std::int32_t value, std::int32_t width) const;
    [[nodiscard]] virtual Ref<platform::Image> _getImageResource(const std::string& id) const;

    // The resource id of a level: "depthrun.levels.level_1_2".
    [[nodiscard]] static std::string levelId(std::int32_t level, std::int32_t stage);

    void loadResources() override;
    void enter() override;
    void leave() override;
    void handleInput() override;
    void update(float delta, bool otherScreenHasFocus, bool coveredByOtherScreen) override;
    // Clears the back buffer: the backgrounds are drawn over it.
    void render(float delta) override;

    [[nodiscard]] std::uint8_t getState() const { return _state; }
    [[nodiscard]] const Ref<BaseOverlay>& getOverlay() const { return _overlay; }
    [[nodiscard]] const CountdownTimer& getTimer() const { return _timer; }
    [[nodiscard]] const Ref<graphics::TextRenderRequest>& getTimerLabel() const {
        return timerLabel;
    }
    [[nodiscard]] const Ref<graphics::TextRenderRequest>& getChargesLabel() const {
        return chargesLabel;
    }
    [[nodiscard]] const Ref<graphics::TextRenderRequest>& getSonarLabel() const {
        return sonarLabel;
    }
    [[nodiscard]] const Ref<graphics::TextRenderRequest>& getScoreLabel() const {
        return scoreLabel;
    }
    [[nodiscard]] const Ref<graphics::ImageSprite>& getSky() const { return _bgSky; }
    [[nodiscard]] const Ref<graphics::ImageSprite>& getSea() const { return _bgSea; }
    [[nodiscard]] const Ref<graphics::ImageSprite>& getMoon() const { return _bgMoon; }
    [[nodiscard]] const Ref<graphics::ImageSprite>& getSkyTransition() const {
        return _skyTransition;
    }
    [[nodiscard]] const Ref<graphics::ImageSprite>& getSeaTransition() const {
        return _seaTransition;
    }
    [[nodiscard]] const Ref<SimpleTimer>& getTimeOfDayTransition() const {
        return _timeOfDayTransition;
    }
    [[nodiscard]] std::uint8_t getCurrentTimeOfDay() const { return _currentTimeOfDay; }

private:
    [[nodiscard]] Ref<GameLevelResource> _currentLevel() const;
    // A level with limited charges is lost once every charge is used and the last blast is
    // over (no charge in the water, no blast piece left that could still hit a submarine).
    [[nodiscard]] bool _chargesExhausted() const;
    void _addSystems();
    void _createClouds();
    void _stopPlay();
    // Calls `act` on the sprite of every entity of a cloud group that has one.
    void _forEachCloudSprite(std::string_view group,
                             const std::function<void(graphics::ImageSprite&)>& act);

    Ref<AudioService> _audioDb;
    Ref<ResourceService> _resourcesDbService;
    Ref<ScreenManagerService> _screenManager;
    Ref<SessionDbService> _sessionDb;
    Ref<GameEntityService> _entityManager;
    Ref<graphics::SpriteRenderingService> _renderService;
    Ref<graphics::TextRenderRequest> scoreLabel;
    Ref<graphics::TextRenderRequest> hiScoreLabel;
    Ref<graphics::TextRenderRequest> timerLabel;
    Ref<graphics::TextRenderRequest> chargesLabel;
    Ref<graphics::TextRenderRequest> sonarLabel;
    Ref<graphics::ImageSprite> _bgSky;
    Ref<graphics::ImageSprite> _bgSea;
    Ref<graphics::ImageSprite> _bgMoon;
    Ref<graphics::ImageSprite> _skyTransition;
    Ref<graphics::ImageSprite> _seaTransition;
    Ref<SimpleTimer> _timeOfDayTransition;
    CountdownTimer _timer;
    std::uint8_t _state = 0;
    Ref<BaseOverlay> _overlay;
    std::uint8_t _currentTimeOfDay = 0;
    Ref<platform::ImageFont> _font;
    Ref<platform::ImageFont> _largeFont;
    Ref<graphics::TextRenderStyle> _labelStyle;
};

} // namespace tarvex::game
