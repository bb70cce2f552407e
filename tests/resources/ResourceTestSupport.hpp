// Helpers for the resource tests: definition files and assets served from memory (as
// "memory::<name>", so tests need no temporary directories), a resource class that counts its
// loads and frees, and a stand-in for the game's level class, which lives above this layer.
#pragma once

#include "resources/BaseResource.hpp"

#include <cstdint>
#include <string>

namespace tarvex::testing {

// Registers the resource classes and the test classes below (in that order).
void registerResourceTestTypes();

// "memory::<name>" serving the text / a PNG of cells / a short WAV.
std::string memoryText(const std::string& name, const std::string& text);
// A picture of `columns` x `rows` cells of cellWidth x cellHeight, each cell one colour, so
// that a test can tell which cells an image strip holds (see cellColour).
std::string memoryPng(const std::string& name, int cellWidth, int cellHeight, int columns,
                      int rows);
[[nodiscard]] std::uint32_t cellColour(int cell);
std::string memoryWav(const std::string& name);

// The game's data directory in the source tree.
[[nodiscard]] std::string resourceDbDirectory();

// Counts _load and _free; type "counting".
class CountingResource : public BaseResource {
    TARVEX_OBJECT(CountingResource, BaseResource)
public:
    int loads = 0;
    int frees = 0;

protected:
    void _loadDefinition() override {}
    void _load() override { ++loads; }
    void _free() override { ++frees; }
    [[nodiscard]] ObjectRef _get() override { return nullptr; }
};

// The level description's settings read as data (type "game_level"), with their defaults, so
// that the level files can be walked before the game's own class exists.
class TestLevelResource : public BaseResource {
    TARVEX_OBJECT(TestLevelResource, BaseResource)
public:
    static constexpr const char* FIELDS[] = {
        "level_number", "stage_number",   "time_of_day",      "enemies_to_destroy",
        "time_limit",   "number_of_fish", "speed_multiplier", "total_charges",
        "total_sonars", "mine_frequency", "enemy_aggression"};

    std::int32_t levelNumber = 0;
    std::int32_t stageNumber = 0;
    std::string timeOfDay;
    std::int32_t enemiesToDestroy = 0;
    std::int32_t timeLimit = 0;
    std::int32_t numberOfFish = 0;
    float speedMultiplier = 0;
    std::int32_t totalCharges = 0;
    std::int32_t totalSonars = 0;
    std::int32_t mineFrequency = 0;
    float enemyAggression = 0;

protected:
    void _loadDefinition() override;
    void _load() override {}
    void _free() override {}
    [[nodiscard]] ObjectRef _get() override { return refOf(this); }
};

} // namespace tarvex::testing
