// The three overlays of the level flow, each centred across the 224-unit width and drawn at
// screen positions:
// - LevelIntroOverlay: "Mission 1-2", how many submarines to destroy in how many seconds and
//   the level's extra rules; finished after 2 seconds (no key skips it).
// - LevelCompleteOverlay: "Mission Complete" and the submarines destroyed; finished by Space
//   (once more than 2 ms have passed) or after 5 seconds.
// - MissionFailedOverlay: "Mission Failed"; finished by Space once at least 500 ms have passed
//   (an earlier press is used up without effect) or after 10 seconds.
#pragma once

#include "game/resources/GameLevelResource.hpp"
#include "game/screens/BaseOverlay.hpp"
#include "graphics/SpriteRenderingService.hpp"
#include "graphics/TextRenderRequest.hpp"
#include "graphics/TextRenderStyle.hpp"
#include "resources/ResourceService.hpp"
#include "session/SessionDbService.hpp"

#include <string>

namespace tarvex::game {

class LevelIntroOverlay : public BaseOverlay {
    TARVEX_OBJECT(LevelIntroOverlay, BaseOverlay)
public:
    static constexpr float SHOWN_FOR = 2000; // ms

    [[nodiscard]] static Ref<LevelIntroOverlay> Create(Ref<GameLevelResource> level);
    // The charge and sonar allowance in words; "" when the level has neither.
    [[nodiscard]] static std::string extraRules(const GameLevelResource& level);

    void loadResources() override;
    void enter() override;
    // Lets go of the small font.
    void leave() override;
    void update(float delta, bool otherScreenHasFocus, bool coveredByOtherScreen) override;

    [[nodiscard]] const Ref<graphics::TextRenderRequest>& getLevelLabel() const {
        return _levelLabel;
    }

private:
    Ref<ResourceService> _resourcesDbService;
    Ref<graphics::SpriteRenderingService> _renderService;
    Ref<graphics::TextRenderRequest> _levelLabel;
    Ref<graphics::TextRenderRequest> _enemiesLabel;
    Ref<graphics::TextRenderRequest> _timeLimitLabel;
    Ref<graphics::TextRenderRequest> _extraRulesLabel;
    Ref<platform::ImageFont> _bigFont;
    Ref<platform::ImageFont> _font;
    Ref<graphics::TextRenderStyle> _labelStyle;
    Ref<GameLevelResource> _level;
    float _timer = 0; // ms shown
};

class LevelCompleteOverlay : public BaseOverlay {
    TARVEX_OBJECT(LevelCompleteOverlay, BaseOverlay)
public:
    static constexpr float SHOWN_FOR = 5000; // ms

    void loadResources() override;
    void enter() override;
    void leave() override;
    void update(float delta, bool otherScreenHasFocus, bool coveredByOtherScreen) override;

private:
    Ref<SessionDbService> _sessionDb;
    Ref<ResourceService> _resourcesDbService;
    Ref<graphics::SpriteRenderingService> _renderService;
    Ref<graphics::TextRenderRequest> _levelCompleteLabel;
    Ref<graphics::TextRenderRequest> _subsDestroyedLabel;
    Ref<graphics::TextRenderRequest> _bonusTimeLabel;
    Ref<platform::ImageFont> _bigFont;
    Ref<platform::ImageFont> _font;
    Ref<graphics::TextRenderStyle> _labelStyle;
    float _timer = 0;
};

class MissionFailedOverlay : public BaseOverlay {
    TARVEX_OBJECT(MissionFailedOverlay, BaseOverlay)
public:
    static constexpr float SHOWN_FOR = 10000; // ms
    static constexpr float SPACE_AFTER = 500; // ms

    void loadResources() override;
    void enter() override;
    // Lets go of the big font.
    void leave() override;
    void handleInput() override;
    void update(float delta, bool otherScreenHasFocus, bool coveredByOtherScreen) override;

private:
    Ref<graphics::TextRenderRequest> _missionFailedLabel;
    Ref<platform::ImageFont> _bigFont;
    float _timer = 0;
};

} // namespace tarvex::game
