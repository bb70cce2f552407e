#include "core/Error.hpp"
#include "game/GameTypes.hpp"
#include "game/resources/GameLevelResource.hpp"
#include "platform/Stream.hpp"
#include "resources/ResourceManager.hpp"

#include <cstdlib>
#include <gtest/gtest.h>
#include <string>

namespace tarvex::game {
namespace {

// Registers a level definition file served from memory and answers the manager.
Ref<ResourceManager> levelsFrom(const std::string& name, const std::string& levels) {
    registerGameTypes();
    const std::string text =
        "[resources]\n{\n    namespace = test.levels;\n    default_type = game_level;\n" + levels +
        "}\n";
    platform::registerMemoryFile(name, std::vector<std::uint8_t>(text.begin(), text.end()));
    auto manager = std::make_shared<ResourceManager>();
    manager->loadResources("memory::" + name, true);
    return manager;
}

Ref<GameLevelResource> level(ResourceManager& manager, const std::string& name) {
    return std::dynamic_pointer_cast<GameLevelResource>(
        manager.getResource("test.levels." + name, false));
}

TEST(GameLevelResource, ReadsEveryFieldOfTheDefinition) {
    auto manager = levelsFrom("every-field.brix", R"(
    [t:resource, n:level_2_3] {
        type = game_level; level_number = 2; stage_number = 3; time_of_day = SunSet;
        enemies_to_destroy = 7; time_limit = 150; number_of_fish = 4; speed_multiplier = 1.25;
        total_charges = 12; total_sonars = 2; mine_frequency = 3; enemy_aggression = 0.75;
    }
)");
    auto loaded = level(*manager, "level_2_3");
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->getTitle(), "2-3");
    EXPECT_EQ(loaded->getLevelNumber(), 2);
    EXPECT_EQ(loaded->getStageNumber(), 3);
    EXPECT_EQ(loaded->getTimeOfDay(), GameLevelResource::LEVEL_TYPE_SUNSET) << "case ignored";
    EXPECT_EQ(loaded->getEnemiesToDestroy(), 7);
    EXPECT_EQ(loaded->getTimeLimit(), 150);
    EXPECT_EQ(loaded->getNumberOfFish(), 4);
    EXPECT_FLOAT_EQ(loaded->getSpeedMultipler(), 1.25F);
    EXPECT_EQ(loaded->getTotalCharges(), 12);
    EXPECT_EQ(loaded->getTotalSonars(), 2);
    EXPECT_TRUE(loaded->isSonarEnabled());
    EXPECT_EQ(loaded->getMineFrequency(), 3);
    EXPECT_FLOAT_EQ(loaded->getEnemyAggression(), 0.75F);
    EXPECT_EQ(loaded->get(), loaded) << "a level is its own object";
}

TEST(GameLevelResource, MissingFieldsTakeTheirDefaults) {
    auto manager = levelsFrom("defaults.brix", R"(
    [t:resource, n:bare] { type = game_level; enemies_to_destroy = lots; }
)");
    auto loaded = level(*manager, "bare");
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->getTitle(), "0-0");
    EXPECT_EQ(loaded->getTimeOfDay(), GameLevelResource::LEVEL_TYPE_SUNNY);
    EXPECT_EQ(loaded->getEnemiesToDestroy(), 0) << "text that is not a number";
    EXPECT_EQ(loaded->getTimeLimit(), 60);
    EXPECT_FLOAT_EQ(loaded->getSpeedMultipler(), 1.0F);
    EXPECT_EQ(loaded->getTotalCharges(), 0);
    EXPECT_FALSE(loaded->isSonarEnabled());
}

TEST(GameLevelResource, UnknownTimeOfDayIsAnErrorNamingTheValueAsWritten) {
    EXPECT_EQ(GameLevelResource::parseTimeOfDay("NIGHT"), GameLevelResource::LEVEL_TYPE_NIGHT);
    EXPECT_EQ(GameLevelResource::parseTimeOfDay(""), GameLevelResource::LEVEL_TYPE_SUNNY);
    try {
        (void)levelsFrom("dusk.brix", R"(
    [t:resource, n:dusk] { type = game_level; time_of_day = Dusk; }
)");
        FAIL() << "no error raised";
    } catch (const Error& error) {
        EXPECT_STREQ(error.what(), "Unknown time of day: Dusk");
    }
}

TEST(GameLevelResource, ShippedLevelsRunThreeLevelsOfFourStagesFromDayToNight) {
    registerGameTypes();
    const char* fromEnvironment = std::getenv("TARVEX_SOURCE_DIR");
    const std::string source = fromEnvironment != nullptr ? fromEnvironment : TARVEX_SOURCE_TREE;
    ResourceManager manager;
    manager.loadResources(source + "/resource_db/levels/resources.brix", true);
    for (int number = 1; number <= 3; ++number) {
        for (int stage = 1; stage <= 4; ++stage) {
            const std::string id =
                "depthrun.levels.level_" + std::to_string(number) + "_" + std::to_string(stage);
            auto loaded =
                std::dynamic_pointer_cast<GameLevelResource>(manager.getResource(id, false));
            ASSERT_NE(loaded, nullptr) << id;
            EXPECT_EQ(loaded->getLevelNumber(), number) << id;
            EXPECT_EQ(loaded->getStageNumber(), stage) << id;
            EXPECT_GT(loaded->getEnemiesToDestroy(), 0) << id;
            EXPECT_GT(loaded->getTimeLimit(), 0) << id;
            EXPECT_EQ(loaded->getTimeOfDay(), number) << id << ": sunny, sunset, night";
            EXPECT_EQ(loaded->isSonarEnabled(), number == 3) << id;
        }
    }
    EXPECT_EQ(manager.getResource("depthrun.levels.level_4_1", false), nullptr);
    auto first = std::dynamic_pointer_cast<GameLevelResource>(
        manager.getResource("depthrun.levels.level_1_1", false));
    EXPECT_EQ(first->getEnemiesToDestroy(), 3);
    EXPECT_EQ(first->getTimeLimit(), 120);
}

} // namespace
} // namespace tarvex::game
