// One level of the game, read from a resource definition of type "game_level":
//
//     [t:resource, n:level_1_2] { type = game_level; level_number = 1; stage_number = 2;
//                                 time_of_day = sunset; enemies_to_destroy = 4;
//                                 time_limit = 120; total_charges = 3; ... }
//
// Everything is read when the definition is registered; the level has no asset of its own, so
// loading and freeing do nothing and get() answers the level itself. Whole numbers are kept in
// bytes (0 to 255), as the levels need no more.
#pragma once

#include "resources/BaseResource.hpp"

#include <cstdint>
#include <string>

namespace tarvex::game {

class GameLevelResource : public BaseResource {
    TARVEX_OBJECT(GameLevelResource, BaseResource)
public:
    static constexpr std::uint8_t LEVEL_TYPE_SUNNY = 1;
    static constexpr std::uint8_t LEVEL_TYPE_SUNSET = 2;
    static constexpr std::uint8_t LEVEL_TYPE_NIGHT = 3;

    // Level number, "-", stage number: "1-2".
    [[nodiscard]] virtual std::string getTitle() const;
    [[nodiscard]] virtual bool isSonarEnabled() const { return _totalSonars != 0; }
    [[nodiscard]] virtual std::uint8_t getLevelNumber() const { return _levelNumber; }
    [[nodiscard]] virtual std::uint8_t getStageNumber() const { return _stageNumber; }
    [[nodiscard]] virtual std::uint8_t getTimeOfDay() const { return _timeOfDay; }
    [[nodiscard]] virtual std::uint8_t getEnemiesToDestroy() const { return _enemiesToDestroy; }
    // Seconds.
    [[nodiscard]] virtual std::uint8_t getTimeLimit() const { return _timeLimit; }
    [[nodiscard]] virtual std::uint8_t getNumberOfFish() const { return _numberOfFish; }
    [[nodiscard]] virtual float getSpeedMultipler() const { return _speedMultiplier; }
    // 0: unlimited.
    [[nodiscard]] virtual std::uint8_t getTotalCharges() const { return _totalCharges; }
    // 0: no sonar.
    [[nodiscard]] virtual std::uint8_t getTotalSonars() const { return _totalSonars; }
    [[nodiscard]] virtual std::uint8_t getMineFrequency() const { return _mineFrequency; }
    [[nodiscard]] virtual float getEnemyAggression() const { return _enemyAggression; }

    // "" or "sunny", "sunset", "night" in any case; anything else raises
    // "Unknown time of day: <text as written>".
    [[nodiscard]] static std::uint8_t parseTimeOfDay(const std::string& text);

protected:
    void _loadDefinition() override;
    void _load() override {}
    void _free() override {}
    [[nodiscard]] ObjectRef _get() override;

private:
    std::uint8_t _levelNumber = 0;
    std::uint8_t _stageNumber = 0;
    std::uint8_t _timeOfDay = 0;
    std::uint8_t _enemiesToDestroy = 0;
    std::uint8_t _timeLimit = 0;
    std::uint8_t _numberOfFish = 0;
    float _speedMultiplier = 0;
    std::uint8_t _totalCharges = 0;
    std::uint8_t _totalSonars = 0;
    std::uint8_t _mineFrequency = 0;
    float _enemyAggression = 0;
};

} // namespace tarvex::game
