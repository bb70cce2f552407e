#include "game/screens/Overlays.hpp"

#include "core/TypeBuilder.hpp"
#include "game/app/GameData.hpp"
#include "graphics/TarvexGfx.hpp"
#include "platform/Input.hpp"

namespace tarvex::game {

namespace {

Ref<graphics::TextRenderStyle> overlayStyle(const Ref<platform::ImageFont>& font) {
    auto style = std::make_shared<graphics::TextRenderStyle>();
    style->setFont(font)
        .setFontColor(255, 255, 255)
        .setAlignment(graphics::TextRenderRequest::ALIGN_CENTER)
        .setWidth(static_cast<float>(graphics::TarvexGfx::getGraphicsWidth()))
        .ignoreCamera(true);
    return style;
}

} // namespace

const Type& BaseOverlay::staticType() {
    static const Type& type =
        TypeBuilder<BaseOverlay>("BaseOverlay").field("_finished", &BaseOverlay::_finished).build();
    return type;
}

// --- introduction ---

const Type& LevelIntroOverlay::staticType() {
    using O = LevelIntroOverlay;
    static const Type& type =
        TypeBuilder<O>("LevelIntroOverlay")
            .field("_resourcesDbService", &O::_resourcesDbService, {{"injectable", "1"}})
            .field("_renderService", &O::_renderService, {{"injectable", "1"}})
            .field("_levelLabel", &O::_levelLabel)
            .field("_enemiesLabel", &O::_enemiesLabel)
            .field("_timeLimitLabel", &O::_timeLimitLabel)
            .field("_extraRulesLabel", &O::_extraRulesLabel)
            .field("_bigFont", &O::_bigFont)
            .field("_font", &O::_font)
            .field("_labelStyle", &O::_labelStyle)
            .field("_level", &O::_level)
            .field("_timer", &O::_timer)
            .build();
    return type;
}

Ref<LevelIntroOverlay> LevelIntroOverlay::Create(Ref<GameLevelResource> level) {
    auto overlay = std::make_shared<LevelIntroOverlay>();
    overlay->_level = std::move(level);
    return overlay;
}

std::string LevelIntroOverlay::extraRules(const GameLevelResource& level) {
    std::string rules;
    const int charges = level.getTotalCharges();
    const int sonars = level.getTotalSonars();
    if (charges > 0) {
        rules += "with only " + std::to_string(charges) + " depth charge";
        if (charges != 1) {
            rules += "s";
        }
        rules += "\n\n";
    }
    if (sonars > 0) {
        rules += "only " + std::to_string(sonars);
        // A space before the word in both cases ("only 1 sonar available").
        rules += sonars == 1 ? " sonar available" : " sonars available";
        rules += "\n";
    }
    return rules;
}

void LevelIntroOverlay::loadResources() {
    _bigFont = gameFont(20);
    _font = gameFont(9);
    _labelStyle = overlayStyle(_font);
}

void LevelIntroOverlay::enter() {
    const std::string title = _level ? _level->getTitle() : "";
    const int enemies = _level ? _level->getEnemiesToDestroy() : 0;
    const int seconds = _level ? _level->getTimeLimit() : 0;
    _levelLabel = graphics::TextRenderRequest::Create("Mission " + title, 0, 100, _labelStyle);
    _levelLabel->setFont(_bigFont);
    _enemiesLabel = graphics::TextRenderRequest::Create(
        "Destroy " + std::to_string(enemies) + " Subs", 0, 140, _labelStyle);
    _timeLimitLabel = graphics::TextRenderRequest::Create(
        "in under " + std::to_string(seconds) + " seconds", 0, 160, _labelStyle);
    add(_levelLabel, "");
    add(_enemiesLabel, "");
    add(_timeLimitLabel, "");
    const std::string rules = _level ? extraRules(*_level) : "";
    if (!rules.empty()) {
        _extraRulesLabel = graphics::TextRenderRequest::Create("", 0, 180, _labelStyle);
        _extraRulesLabel->setWrap(true);
        _extraRulesLabel->setText(rules);
        add(_extraRulesLabel, "");
    }
}

void LevelIntroOverlay::leave() {
    _font = nullptr;
}

void LevelIntroOverlay::update(float delta, bool otherScreenHasFocus, bool coveredByOtherScreen) {
    GameScreen::update(delta, otherScreenHasFocus, coveredByOtherScreen);
    _timer += delta;
    if (_timer > SHOWN_FOR) {
        _finished = 1;
    }
}

// --- mission complete ---

const Type& LevelCompleteOverlay::staticType() {
    using O = LevelCompleteOverlay;
    static const Type& type =
        TypeBuilder<O>("LevelCompleteOverlay")
            .field("_sessionDb", &O::_sessionDb, {{"injectable", "1"}})
            .field("_resourcesDbService", &O::_resourcesDbService, {{"injectable", "1"}})
            .field("_renderService", &O::_renderService, {{"injectable", "1"}})
            .field("_levelCompleteLabel", &O::_levelCompleteLabel)
            .field("_subsDestroyedLabel", &O::_subsDestroyedLabel)
            .field("_bonusTimeLabel", &O::_bonusTimeLabel)
            .field("_bigFont", &O::_bigFont)
            .field("_font", &O::_font)
            .field("_labelStyle", &O::_labelStyle)
            .field("_timer", &O::_timer)
            .build();
    return type;
}

void LevelCompleteOverlay::loadResources() {
    _bigFont = gameFont(20);
    _font = gameFont(9);
    _labelStyle = overlayStyle(_font);
}

void LevelCompleteOverlay::enter() {
    const int destroyed = _sessionDb ? _sessionDb->getInt("current_level.destroyed_subs") : 0;
    _levelCompleteLabel =
        graphics::TextRenderRequest::Create("Mission Complete", 0, 120, _labelStyle);
    _levelCompleteLabel->setFont(_bigFont);
    _subsDestroyedLabel = graphics::TextRenderRequest::Create(
        "Destroyed: " + std::to_string(destroyed), 0, 150, _labelStyle);
    _bonusTimeLabel =
        graphics::TextRenderRequest::Create("Time Bonus:  5 x 10", 0, 160, _labelStyle);
    add(_levelCompleteLabel, "");
    add(_subsDestroyedLabel, "");
    add(_bonusTimeLabel, "");
}

void LevelCompleteOverlay::leave() {
    _font = nullptr;
}

void LevelCompleteOverlay::update(float delta, bool otherScreenHasFocus,
                                  bool coveredByOtherScreen) {
    GameScreen::update(delta, otherScreenHasFocus, coveredByOtherScreen);
    _timer += delta;
    if (_timer > 2 && platform::keyboard().keyHit(platform::KEY_SPACE) != 0) {
        _finished = 1;
    }
    if (_timer > SHOWN_FOR) {
        _finished = 1;
    }
}

// --- mission failed ---

const Type& MissionFailedOverlay::staticType() {
    using O = MissionFailedOverlay;
    static const Type& type = TypeBuilder<O>("MissionFailedOverlay")
                                  .field("_missionFailedLabel", &O::_missionFailedLabel)
                                  .field("_bigFont", &O::_bigFont)
                                  .field("_timer", &O::_timer)
                                  .build();
    return type;
}

void MissionFailedOverlay::loadResources() {
    _bigFont = gameFont(20);
}

void MissionFailedOverlay::enter() {
    _missionFailedLabel = graphics::TextRenderRequest::Create("Mission Failed", 0, 120, nullptr);
    _missionFailedLabel->setFont(_bigFont);
    _missionFailedLabel->setWidth(static_cast<float>(graphics::TarvexGfx::getGraphicsWidth()));
    _missionFailedLabel->setFontColor(255, 255, 255);
    _missionFailedLabel->setAlignment(graphics::TextRenderRequest::ALIGN_CENTER);
    _missionFailedLabel->ignoreCamera(true);
    add(_missionFailedLabel, "");
}

void MissionFailedOverlay::leave() {
    _bigFont = nullptr;
}

void MissionFailedOverlay::handleInput() {
    if (platform::keyboard().keyHit(platform::KEY_SPACE) != 0 && _timer >= SPACE_AFTER) {
        _finished = 1;
    }
}

void MissionFailedOverlay::update(float delta, bool otherScreenHasFocus,
                                  bool coveredByOtherScreen) {
    GameScreen::update(delta, otherScreenHasFocus, coveredByOtherScreen);
    _timer += delta;
    if (_timer > SHOWN_FOR) {
        _finished = 1;
    }
}

} // namespace tarvex::game
