#include "game/resources/GameLevelResource.hpp"

#include "core/Error.hpp"
#include "core/TextConversion.hpp"
#include "core/TypeBuilder.hpp"
#include "resources/BrixFileUtil.hpp"

namespace tarvex::game {

const Type& GameLevelResource::staticType() {
    static const Type& type = TypeBuilder<GameLevelResource>("GameLevelResource")
                                  .meta("resource_type", "game_level")
                                  .field("_levelNumber", &GameLevelResource::_levelNumber)
                                  .field("_stageNumber", &GameLevelResource::_stageNumber)
                                  .field("_timeOfDay", &GameLevelResource::_timeOfDay)
                                  .field("_enemiesToDestroy", &GameLevelResource::_enemiesToDestroy)
                                  .field("_timeLimit", &GameLevelResource::_timeLimit)
                                  .field("_numberOfFish", &GameLevelResource::_numberOfFish)
                                  .field("_speedMultiplier", &GameLevelResource::_speedMultiplier)
                                  .field("_totalCharges", &GameLevelResource::_totalCharges)
                                  .field("_totalSonars", &GameLevelResource::_totalSonars)
                                  .field("_mineFrequency", &GameLevelResource::_mineFrequency)
                                  .field("_enemyAggression", &GameLevelResource::_enemyAggression)
                                  .build();
    return type;
}

namespace {

// Whole numbers are kept in a byte: larger values wrap, as the stored levels never need them.
std::uint8_t byteSetting(const std::string& text) {
    return static_cast<std::uint8_t>(toInt(text));
}

} // namespace

std::string GameLevelResource::getTitle() const {
    return std::to_string(_levelNumber) + "-" + std::to_string(_stageNumber);
}

std::uint8_t GameLevelResource::parseTimeOfDay(const std::string& text) {
    const std::string name = BrixFile_Util::LowerCase(text);
    if (name.empty() || name == "sunny") {
        return LEVEL_TYPE_SUNNY;
    }
    if (name == "sunset") {
        return LEVEL_TYPE_SUNSET;
    }
    if (name == "night") {
        return LEVEL_TYPE_NIGHT;
    }
    throw Error("Unknown time of day: " + text);
}

void GameLevelResource::_loadDefinition() {
    _levelNumber = byteSetting(_setting("level_number", ""));
    _stageNumber = byteSetting(_setting("stage_number", ""));
    _timeOfDay = parseTimeOfDay(_setting("time_of_day", "sunny"));
    _enemiesToDestroy = byteSetting(_setting("enemies_to_destroy", ""));
    _timeLimit = byteSetting(_setting("time_limit", "60"));
    _numberOfFish = byteSetting(_setting("number_of_fish", "0"));
    _speedMultiplier = toFloat(_setting("speed_multiplier", "1"));
    _totalCharges = byteSetting(_setting("total_charges", "0"));
    _totalSonars = byteSetting(_setting("total_sonars", "0"));
    _mineFrequency = byteSetting(_setting("mine_frequency", "0"));
    _enemyAggression = toFloat(_setting("enemy_aggression", "0"));
}

ObjectRef GameLevelResource::_get() {
    return shared_from_this();
}

} // namespace tarvex::game
